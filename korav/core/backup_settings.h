#pragma once

#include "common/string_list.h"

class BaseDataStore;

// "zbackup.kvd": the settings of the automatic backup.
struct BackupSettings {
    static constexpr int kIntervalChoices[] = { 1, 2, 4, 8, 12, 24 };
    static constexpr int kFolderCountChoices[] = { 2, 4, 6, 8 };

    bool automatic = true; // "autobackup": only exactly "an" counts as on
    int intervalIndex = 0; // "autobackupvall"
    int folderCountIndex = 3; // "autobackupordn"
    QString backupFolder; // "autobkp-ordner"; the data folder when missing
    QString lastBackup; // "lastbackup"; empty when there was none

    int intervalHours() const { return kIntervalChoices[intervalIndex]; }
    int folderCount() const { return kFolderCountChoices[folderCountIndex]; }

    // Out-of-range indexes fall back to the values of a missing key.
    static BackupSettings FromList(const StringList& file, const QString& dataFolder);
    // Sets the keys in place, so that other lines survive.
    void writeTo(StringList& file) const;

    static BackupSettings Load(const BaseDataStore& store);
};
