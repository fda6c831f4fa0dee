#include "pelin/core/login_settings.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(LoginSettings, FromTheConfiguration)
{
    PelinConfig config;
    config.lanMode = false;
    config.directoryLogin = true;
    config.programFolder = u"/srv/prog"_s;
    config.timeFolder = u"/srv/zeit"_s;
    config.ftpServer = u"ftp.firma.de"_s;
    config.ftpFolder = u"zeit"_s;
    config.ldapPort = u"389"_s;
    const LoginSettings settings = LoginSettingsFrom(config, u"/opt/pelin"_s, true);
    EXPECT_FALSE(settings.lanMode);
    EXPECT_TRUE(settings.directoryMode);
    EXPECT_EQ(settings.folders.timeFolder, u"/srv/zeit"_s);
    EXPECT_EQ(settings.folders.executableFolder, u"/opt/pelin"_s);
    EXPECT_TRUE(settings.folders.startedByKorav);
    EXPECT_EQ(settings.ftp.server, u"ftp.firma.de"_s);
    EXPECT_EQ(settings.ftp.port, 21);
    EXPECT_EQ(settings.directory.port, u"389"_s);

    const struct {
        QString server;
        QString host;
        int port;
    } servers[] = {
        { u"127.0.0.1:2121"_s, u"127.0.0.1"_s, 2121 },
        { u"::1"_s, u"::1"_s, 21 },
        { u"host:port"_s, u"host:port"_s, 21 },
        { u"ftps://ftp.firma.de"_s, u"ftp.firma.de"_s, 990 },
    };
    for (const auto& s : servers) {
        config.ftpServer = s.server;
        const FtpSettings ftp = LoginSettingsFrom(config, {}, false).ftp;
        EXPECT_EQ(ftp.server, s.host);
        EXPECT_EQ(ftp.port, s.port);
    }
}

// The certificate beside "pelin.cfg" wins; a copy run elsewhere finds the
// one in the program folder; without either the system's CA store serves.
TEST(LoginSettings, TrustedCertificateBesideTheConfigurationOrInTheProgramFolder)
{
    TempFolder folders;
    QDir(folders.path()).mkpath(u"exe"_s);
    QDir(folders.path()).mkpath(u"prog"_s);
    PelinConfig config;
    config.programFolder = folders.path(u"prog"_s);
    config.ldapStartTls = true;
    EXPECT_TRUE(LoginSettingsFrom(config, folders.path(u"exe"_s), false).ftp.caFile.isEmpty());
    folders.write(u"prog/pelin_zertifikat.pem"_s, "P");
    EXPECT_EQ(LoginSettingsFrom(config, folders.path(u"exe"_s), false).ftp.caFile,
        folders.path(u"prog/pelin_zertifikat.pem"_s));
    folders.write(u"exe/pelin_zertifikat.pem"_s, "E");
    const LoginSettings settings = LoginSettingsFrom(config, folders.path(u"exe"_s), false);
    EXPECT_EQ(settings.ftp.caFile, folders.path(u"exe/pelin_zertifikat.pem"_s));
    EXPECT_EQ(settings.directory.caFile, settings.ftp.caFile);
    EXPECT_TRUE(settings.directory.startTls);
}
