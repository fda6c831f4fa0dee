#pragma once

#include <QString>
#include <QStringList>

class Clock;
class DataFileCodec;
class Messenger;
class QSettings;

// What the main window needs from outside: services and the user's folders,
// filled by the program and by tests.
struct PelinEnvironment {
    Messenger& messenger;
    DataFileCodec& codec;
    const Clock& clock;
    QSettings& settings;
    QString executableFolder;
    QString documentsFolder;
    QString desktopFolder;
    QStringList arguments;
};
