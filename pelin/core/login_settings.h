#pragma once

#include "common/transfer_settings.h"
#include "pelin/core/pelin_config.h"

// What the log-in needs of PELIN's configuration; filled from "pelin.cfg" at
// start. The folders of FolderSettings also tell where PELIN runs from and
// whether the administration program started it.
struct LoginSettings {
    bool lanMode = true;
    bool directoryMode = false;
    FolderSettings folders;
    FtpSettings ftp;
    DirectorySettings directory;
};

// The user's own folders, looked up by the program and passed in.
struct UserFolders {
    QString documents; // empty when it could not be determined
    QString desktop; // empty when it could not be determined
};

LoginSettings LoginSettingsFrom(
    const PelinConfig& config, const QString& executableFolder, bool startedByKorav);
