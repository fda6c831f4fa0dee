#include "pelin/core/login_settings.h"

#include "common/ftp_address.h"
#include "common/trusted_certificate.h"

LoginSettings LoginSettingsFrom(
    const PelinConfig& config, const QString& executableFolder, bool startedByKorav)
{
    LoginSettings settings;
    settings.lanMode = config.lanMode;
    settings.directoryMode = config.directoryLogin;
    settings.folders
        = FolderSettings { config.timeFolder, config.programFolder, executableFolder, startedByKorav };
    settings.ftp = FtpSettingsFor(config.ftpServer, config.ftpUser, config.ftpPassword, config.ftpFolder);
    settings.directory = DirectorySettings { config.ldapServer, config.ldapPort, config.ldapDn1,
        config.ldapDn2, config.ldapStartTls };
    // Beside "pelin.cfg", or in the program folder for a copy run elsewhere.
    const QString certificate = TrustedCertificate::FoundIn({ executableFolder, config.programFolder });
    settings.ftp.caFile = certificate;
    settings.directory.caFile = certificate;
    return settings;
}
