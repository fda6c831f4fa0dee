#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

inline constexpr char16_t kBackupLogName[] = u"bkp_log.txt";
inline constexpr int kMostBackupFolders = 8;

// "terminbkp" and the index, in the base folder (held with its trailing
// separator).
QString BackupFolderPath(const QString& baseFolder, int index);
// "terminbkp" and the index, as messages and the command line name a folder.
QString BackupFolderName(int index);
// The index of a folder name of the ring, "terminbkp1" to "terminbkp8"; 0 for
// any other text, a path above all.
int BackupFolderIndex(const QString& name);

// The mark of a folder that holds the state before a restore, from its log;
// empty for any other folder.
QString BeforeRestoreMark(const QString& backupFolder);
// The first line of a backup folder's log, year first, followed by the mark
// of a state before a restore; nothing when the folder has no log.
std::optional<QString> BackupLogEntry(const QString& backupFolder);

// The log lines of all backup folders of the base folder, newest first, each
// with its date turned day first. All eight possible folders are looked at,
// whatever the ring's current length.
QStringList BackupListeAnzeigen(const QString& baseFolder);

// A backup folder that exists, as a restore offers it.
struct RingFolder {
    int index = 0;
    QString description; // its line of the list, or its name when it has no log
};
// Every backup folder of the base folder, those with a log newest first, then
// those without.
QList<RingFolder> RingFolders(const QString& baseFolder);
