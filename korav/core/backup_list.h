#pragma once

#include <QString>
#include <QStringList>

inline constexpr char16_t kBackupLogName[] = u"bkp_log.txt";
inline constexpr int kMostBackupFolders = 8;

// "terminbkp" and the index, in the base folder (held with its trailing
// separator).
QString BackupFolderPath(const QString& baseFolder, int index);

// The log lines of all backup folders of the base folder, newest first, each
// with its date turned day first. All eight possible folders are looked at,
// whatever the ring's current length.
QStringList BackupListeAnzeigen(const QString& baseFolder);
