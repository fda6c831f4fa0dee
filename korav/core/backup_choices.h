#pragma once

#include "common/string_list.h"

#include <QString>

// The choices of the backup dialog and their keys in "zbackup.kvd". The
// dialog edits them and the automatic step reads them, so a change takes
// effect at once.
struct BackupChoices {
    static constexpr int kIntervalHours[] = { 1, 2, 4, 8, 12, 24 };
    static constexpr int kFolderCounts[] = { 2, 4, 6, 8 };

    bool automaticOff = false; // "autobackup": anything but exactly "an" is off
    int intervalIndex = 0; // "autobackupvall"
    int folderCountIndex = 3; // "autobackupordn"
    QString chosenFolder; // "autobkp-ordner", without trailing separator; empty: the data folder

    int intervalHours() const { return kIntervalHours[intervalIndex]; }
    int folderCount() const { return kFolderCounts[folderCountIndex]; }

    // Missing keys and indexes out of range take the defaults.
    static BackupChoices FromFile(const StringList& file);
    // Sets the keys in place or appends them; other lines survive, and the
    // folder is written only when one was chosen.
    void writeTo(StringList& file) const;
};

namespace BackupKey {
inline constexpr char16_t kAutomatic[] = u"autobackup";
inline constexpr char16_t kInterval[] = u"autobackupvall";
inline constexpr char16_t kFolderCount[] = u"autobackupordn";
inline constexpr char16_t kFolder[] = u"autobkp-ordner";
inline constexpr char16_t kLastBackup[] = u"lastbackup";
} // namespace BackupKey
