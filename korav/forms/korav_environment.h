#pragma once

#include <QString>
#include <functional>

class BaseDataStore;
class Clock;
class KoravHelpOpener;
class KoravSettings;
class Messenger;
class QDialog;

// Shows a dialog modally and returns its result; tests answer in its place.
using ModalRunner = std::function<int(QDialog&)>;
int RunModal(QDialog& dialog);

// What KORAV's windows share for the whole run.
struct KoravEnvironment {
    Messenger& messenger;
    KoravSettings& settings;
    BaseDataStore& store;
    Clock& clock;
    KoravHelpOpener& help;
    QString programDirectory;
    ModalRunner runModal = RunModal;
};
