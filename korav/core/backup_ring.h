#pragma once

#include "common/string_list.h"
#include "korav/core/backup_choices.h"
#include "korav/core/backup_copy.h"

#include <QString>
#include <QStringList>

class Clock;
class Messenger;

// What one backup attempt did.
struct BackupOutcome {
    bool ran = false; // a backup folder was refreshed
    bool due = false; // the automatic step found the last backup older than the interval
    int folderIndex = 0;
    int copied = 0;
    int examined = 0;
    QStringList failed; // files that could not be copied
    QStringList problems; // texts for the user: incomplete copies, files that could not be written
    bool recorded = false; // "lastbackup" and the folder's log were written
};

// The backup of a data folder into the ring of "terminbkpN" folders: the
// state the backup dialog and the main window's timer share, and the
// operations both of them run.
class BackupRing {
public:
    // Without a data folder (none chosen yet) nothing is backed up or saved.
    BackupRing(const QString& dataFolder, Messenger& messenger, const Clock& clock);

    // The main window at log-in: the dialog's choices from "zbackup.kvd".
    void loadChoices();
    const BackupChoices& choices() const { return choices_; }
    void setIntervalIndex(int index);
    void setFolderCountIndex(int index);
    void setAutomaticOff(bool off);
    void chooseBaseFolder(const QString& folder);
    bool settingsChanged() const { return settingsChanged_; }
    bool isAutomaticActive() const { return !choices_.automaticOff; }

    // The folder in which the backup folders lie, with a trailing separator.
    QString baseFolder() const;
    const QString& dataFolder() const { return dataFolder_; }
    bool isBackupDataFolder() const;

    // Opening the dialog: clears the settings-changed flag and reads the
    // last backup.
    void dialogShown();
    const QString& lastBackupText() const { return lastBackupText_; }
    // LastBkpLabel: the same, with the mark of a backup made before a restore.
    QString lastBackupDescription() const;
    // Where the backups go, as BkpOrdnerEdit shows it at the opening.
    QString folderDescription() const;
    // The same after a change of the ring; the opening adds a blank.
    QString ringDescription(bool trailingBlank = false) const;
    bool lockExists() const;
    QStringList BackupListeAnzeigen() const;
    void DateisperreAufheben();

    // The manual start: asks before overwriting an existing backup folder
    // and shows what went wrong.
    BackupOutcome StartManBackup();
    // The automatic step of the main window's timer: backs up when the last
    // backup is older than the interval. Problems are returned for the
    // main window's status line, never shown in a box.
    BackupOutcome AutoBackupPruefen();
    BackupOutcome BackupAusfuehren();
    // Closing the dialog: saves the choices when they were changed.
    void FormClose();

    // A restore holds the lock from the backup of the present state to its
    // last copy; a held lock is reported as at a manual start.
    bool lockForRestore();
    void unlockAfterRestore() { releaseLock(); }
    // The folder of the ring that takes the present state before a restore
    // from `sourceIndex`: the next one, or the one after when the next is the
    // source.
    int folderBeforeRestore(int sourceIndex) const;
    // Under the lock: the present state into that folder, emptied first so
    // that it holds this state and nothing older, its log marked.
    BackupOutcome SaveBeforeRestore(int sourceIndex);

    void setProgress(BackupProgress progress) { progress_ = std::move(progress); }
    const BackupProgress& progress() const { return progress_; }

private:
    StringList loadSettings() const;
    bool saveSettings(const StringList& settings, QStringList& problems) const;
    bool takeLock();
    void releaseLock();
    void useDataFolderWhenBaseIsMissing();
    // The base folder and its backup folders, kept out of the subtree copy in
    // case they lie inside it.
    QStringList backupFolders() const;
    int nextFolderIndex(const StringList& settings) const;
    // One backup into the folder, the lock held.
    void backUpInto(int index, StringList& settings, const QStringList& logLines, BackupOutcome& outcome);
    void copyInto(const QString& target, BackupOutcome& outcome);
    void record(
        const QString& target, StringList& settings, const QStringList& logLines, BackupOutcome& outcome);

    QString dataFolder_;
    Messenger& messenger_;
    const Clock& clock_;
    BackupChoices choices_;
    QString lastBackupText_;
    bool settingsChanged_ = false;
    bool afterAutomatic_ = false;
    BackupProgress progress_;
};

// A single line naming how many files were not copied, and the first few.
QString IncompleteBackupText(const QStringList& failed);
// Names every entry the backup left out because it is no regular file or folder.
QString SkippedEntriesText(const QStringList& skipped);
