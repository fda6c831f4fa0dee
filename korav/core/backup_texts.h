#pragma once

#include <QDateTime>
#include <QString>

// The texts a backup leaves behind, and what is read back from them.

// "lastbackup" and LastBkpLabel: day first.
QString LastBackupText(const QDateTime& at, int copied, int examined, int folderIndex);
// The one line of "bkp_log.txt": year first, so that the lines of all
// folders sort by date.
QString BackupLogLine(const QDateTime& at, int copied, int examined, int folderIndex);
// A log line as the list shows it, with its date turned day first.
QString BackupListLine(const QString& logLine);

// The second line of "bkp_log.txt" in a folder that holds the data folder as
// it was before a restore. Readers of the first line alone pass over it, and
// the next backup into the folder rewrites the log without it.
QString BeforeRestoreLogLine(int sourceIndex);
bool IsBeforeRestoreLogLine(const QString& line);

// What the automatic step and the ring read from a "lastbackup" text.
struct LastBackup {
    int date = 19800101; // YYYYMMDD
    int hour = 0;
    int minute = 0;
    int folderIndex = 0; // the folder of that backup; 0 when unknown
};
// An empty text means no backup yet: 1 January 1980, 00:00, and the last
// folder of the ring, so that the next backup goes to the first.
LastBackup ParseLastBackup(const QString& text, int folderCount);

// The folder of the ring after the given one: 1 after the last, and 1 when
// the ring has become shorter than the given index.
int NextFolderIndex(int lastIndex, int folderCount);
