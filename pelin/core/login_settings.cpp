#include "pelin/core/login_settings.h"

LoginSettings LoginSettingsFrom(
    const PelinConfig& config, const QString& executableFolder, bool startedByKorav)
{
    LoginSettings settings;
    settings.lanMode = config.lanMode;
    settings.directoryMode = config.directoryLogin;
    settings.folders
        = FolderSettings { config.timeFolder, config.programFolder, executableFolder, startedByKorav };
    settings.ftp = FtpSettings { config.ftpServer, config.ftpUser, config.ftpPassword, config.ftpFolder };
    settings.directory
        = DirectorySettings { config.ldapServer, config.ldapPort, config.ldapDn1, config.ldapDn2 };
    return settings;
}
