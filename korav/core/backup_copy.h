#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class Messenger;

// One file that a backup examines, and where its copy goes.
struct BackupFile {
    QString source;
    QString target;
    QString name; // as a message names it, relative to the data folder
};

struct CopyTally {
    int copied = 0;
    int examined = 0;
    QStringList failed; // names of due files whose copy failed
};

// Called between files, so that the caller can draw its progress and let
// pending window events run.
using BackupProgress = std::function<void(int done, int total)>;

// The data files of the data folder: "*.kvd", without names that begin with
// "~" (the lock) or ".".
QList<BackupFile> DataFilesToBackUp(const QString& dataFolder, const QString& targetFolder);

// Creates the target folders of the subtree and collects every file in it
// (folders whose names begin with "." are left out, and so are the folders
// of `skip`, the backup folders, should they lie inside the subtree). False when the
// target folder cannot be created; a subfolder that cannot be created skips
// the rest of its folder. Both are reported to the user.
bool OrdnerbaumKopieren(const QString& source, const QString& target, const QStringList& skip,
    const QString& name, Messenger& messenger, QList<BackupFile>& files);

// A copy is due when the target is missing or its stamp is older.
bool CopyIsDue(const QString& source, const QString& target);

// Copies every due file (through a temporary name, keeping its time) and
// counts what was examined and what was really copied.
void CopyNewer(const QList<BackupFile>& files, CopyTally& tally, const BackupProgress& progress);
