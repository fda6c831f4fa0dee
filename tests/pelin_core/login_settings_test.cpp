#include "pelin/core/login_settings.h"
#include "tests/support/qt_printers.h"

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
    };
    for (const auto& s : servers) {
        config.ftpServer = s.server;
        const FtpSettings ftp = LoginSettingsFrom(config, {}, false).ftp;
        EXPECT_EQ(ftp.server, s.host);
        EXPECT_EQ(ftp.port, s.port);
    }
}
