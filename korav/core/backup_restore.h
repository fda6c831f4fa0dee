#pragma once

#include <QString>
#include <QStringList>

class BackupRing;

// What a restore from a backup folder of the ring did.
struct RestoreResult {
    bool ran = false; // the present state was saved and the copies were made
    int savedIndex = 0; // the folder of the ring that holds the state before
    QStringList restored; // names relative to the data folder
    QStringList failed; // names of the files that were not restored
    QStringList summary; // lines for the user; empty after a refusal already shown

    bool complete() const { return ran && failed.isEmpty(); }
};

// The files a restore from the backup folder can bring back, relative to it
// and sorted: the data files and the "auswtg" subtree, as a backup copies
// them, without the backup settings, which describe the ring itself.
QStringList RestorableFiles(const QString& backupFolder);

// Brings back the named files (all restorable files when none is named) from
// the backup folder `from` ("terminbkp1" to "terminbkp8") of the ring's base
// folder. Every name is checked before anything changes. Under the backup
// lock, the present state is first saved into a folder of its own in the
// ring (`BackupRing::SaveBeforeRestore`); only when that copy is whole are
// the files written, each one whole or not at all, with the time of the
// restore, so that the next backup takes them.
RestoreResult Wiederherstellen(BackupRing& ring, const QString& from, QStringList files = {});
