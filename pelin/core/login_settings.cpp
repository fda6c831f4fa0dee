#include "pelin/core/login_settings.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// "host:port" in "syftpserver" reaches a server off port 21 (a test server,
// for instance); a name with more than one colon is an IPv6 address.
FtpSettings FtpSettingsFrom(const PelinConfig& config)
{
    FtpSettings ftp { config.ftpServer, config.ftpUser, config.ftpPassword, config.ftpFolder };
    static const QRegularExpression hostAndPort(u"^([^:]+):(\\d{1,5})$"_s);
    const QRegularExpressionMatch match = hostAndPort.match(config.ftpServer);
    if (match.hasMatch()) {
        ftp.server = match.captured(1);
        ftp.port = match.captured(2).toInt();
    }
    return ftp;
}

} // namespace

LoginSettings LoginSettingsFrom(
    const PelinConfig& config, const QString& executableFolder, bool startedByKorav)
{
    LoginSettings settings;
    settings.lanMode = config.lanMode;
    settings.directoryMode = config.directoryLogin;
    settings.folders
        = FolderSettings { config.timeFolder, config.programFolder, executableFolder, startedByKorav };
    settings.ftp = FtpSettingsFrom(config);
    settings.directory
        = DirectorySettings { config.ldapServer, config.ldapPort, config.ldapDn1, config.ldapDn2 };
    return settings;
}
