#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Messenger;

// One file that a backup examines, and where its copy goes.
struct BackupFile {
    QString source;
    QString target;
    QString name; // as a message names it, relative to the data folder
    std::optional<qint64> sourceSeconds; // `WriteSeconds` of the source when it was listed
};

struct CopyTally {
    int copied = 0;
    int examined = 0;
    QStringList failed; // names of due files whose copy failed
};

// Called between files, so that the caller can draw its progress and let
// pending window events run.
using BackupProgress = std::function<void(int done, int total)>;

// A backup copies regular files and folders only. Symbolic links are never
// followed (a link to ".." would nest copies without end) and FIFOs or
// devices never opened (the backup would hang with its lock held); their
// names go into `skipped`, so that the user learns what is not backed up.

// The data files of the data folder: "*.kvd", without names that begin with
// "~" (the lock) or ".".
QList<BackupFile> DataFilesToBackUp(
    const QString& dataFolder, const QString& targetFolder, QStringList& skipped);

// Creates the target folders of the subtree and collects every file in it
// (folders whose names begin with "." are left out, and so are the folders
// of `skip`, the backup folders, should they lie inside the subtree). False when the
// target folder or a subfolder cannot be created; a subfolder that cannot
// be created skips the rest of its folder. Both are reported to the user.
bool OrdnerbaumKopieren(const QString& source, const QString& target, const QStringList& skip,
    const QString& name, Messenger& messenger, QList<BackupFile>& files, QStringList& skipped);

// The last-write time as the backup compares it: whole seconds on the
// file system's own clock, not local-time text, so that the hour that
// repeats when summer time ends does not make a newer file look older.
// Read without a local-time conversion, which would cost more than the
// look-up itself on every file. Nothing for a path that cannot be read.
std::optional<qint64> WriteSeconds(const QString& path);

// A copy is due when the target is not a file or its stamp is older than
// the source's.
bool CopyIsDue(std::optional<qint64> sourceSeconds, const QString& target);

// Removes a backup folder with everything in it, so that a backup into it
// holds nothing older. Refused (false) for a link and for a folder that holds
// the data folder, whose files must never go with it.
bool EmptyBackupFolder(const QString& folder, const QString& dataFolder);

// Copies every due file (through a temporary name, keeping its time) and
// counts what was examined and what was really copied.
void CopyNewer(const QList<BackupFile>& files, CopyTally& tally, const BackupProgress& progress);
