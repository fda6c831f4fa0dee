#include "common/ftp_address.h"
#include "common/ftp_client.h"
#include "common/ftp_transfer.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"
#include "tests/support/tls_ftp_server.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kMonth = u"az2023034711.kvd"_s;
const QByteArray kMonthBytes = "\xEF\xBB\xBFMonat\r\n";

TEST(FtpAddress, SchemeChoosesTheProtectionAndItsPort)
{
    const struct {
        QString field;
        QString host;
        int port;
        FtpSecurity security;
    } cases[] = {
        { u"ftp.firma.de"_s, u"ftp.firma.de"_s, 21, FtpSecurity::None },
        { u" 127.0.0.1:2121 "_s, u"127.0.0.1"_s, 2121, FtpSecurity::None },
        { u"::1"_s, u"::1"_s, 21, FtpSecurity::None },
        { u"ftpes://ftp.firma.de"_s, u"ftp.firma.de"_s, 21, FtpSecurity::Explicit },
        { u"FTPES://ftp.firma.de:2121/"_s, u"ftp.firma.de"_s, 2121, FtpSecurity::Explicit },
        { u"ftps://ftp.firma.de"_s, u"ftp.firma.de"_s, 990, FtpSecurity::Implicit },
        { u"ftps://ftp.firma.de:4990"_s, u"ftp.firma.de"_s, 4990, FtpSecurity::Implicit },
        { u"ftp://ftp.firma.de"_s, u"ftp.firma.de"_s, 21, FtpSecurity::None },
    };
    for (const auto& c : cases) {
        const FtpAddress address = ParseFtpAddress(c.field);
        EXPECT_EQ(address.host, c.host) << c.field.toStdString();
        EXPECT_EQ(address.port, c.port) << c.field.toStdString();
        EXPECT_EQ(address.security, c.security) << c.field.toStdString();
    }
}

TEST(FtpAddress, SwitchWritesAndRemovesTheScheme)
{
    EXPECT_EQ(WithTls(u"ftp.firma.de:2121"_s, true), u"ftpes://ftp.firma.de:2121"_s);
    EXPECT_EQ(WithTls(u"ftps://ftp.firma.de"_s, true), u"ftps://ftp.firma.de"_s);
    EXPECT_EQ(WithTls(u"ftps://ftp.firma.de"_s, false), u"ftp.firma.de"_s);
    EXPECT_EQ(WithTls(u"ftpes://ftp.firma.de"_s, false), u"ftp.firma.de"_s);
    EXPECT_EQ(WithTls(u" "_s, false), u" "_s);
    EXPECT_TRUE(AsksForTls(u"ftpes://x"_s));
    EXPECT_FALSE(AsksForTls(u"ftp://x"_s));
}

// Log-in, upload, listing and download over each kind of TLS, trusting the
// server's own certificate.
class FtpOverTls : public ::testing::TestWithParam<FtpSecurity> {
protected:
    TlsFtpServer server { GetParam() };
    TempFolder local;
};

TEST_P(FtpOverTls, LogsInAndMovesFilesBothWays)
{
    ASSERT_TRUE(server.isRunning());
    local.write(kMonth, kMonthBytes);
    FtpClient client(server.settings(GetParam()));
    ASSERT_TRUE(client.open());
    ASSERT_TRUE(client.login());
    EXPECT_TRUE(client.encrypted());
    ASSERT_TRUE(client.put(local.path(kMonth), kMonth));
    EXPECT_EQ(server.read(u"zeit/"_s + kMonth), kMonthBytes);

    server.write(u"zeit/dama.kvd"_s, "Mitarbeiter\r\n");
    ASSERT_TRUE(client.get(u"dama.kvd"_s, local.path(u"dama.kvd"_s)));
    EXPECT_EQ(local.read(u"dama.kvd"_s), "Mitarbeiter\r\n");
    const std::optional<QList<FtpEntry>> entries = client.list();
    ASSERT_TRUE(entries);
    QStringList names;
    for (const FtpEntry& entry : *entries)
        names.append(entry.name);
    names.sort();
    EXPECT_EQ(names, QStringList({ kMonth, u"dama.kvd"_s }));
    EXPECT_FALSE(server.protocolLog().contains("PASS Geheim"));
}

TEST_P(FtpOverTls, UntrustedCertificateIsRefusedWithItsMessage)
{
    ASSERT_TRUE(server.isRunning());
    FtpSettings untrusted = server.settings(GetParam());
    untrusted.caFile.clear();
    FtpSettings otherName = server.settings(GetParam());
    otherName.server = u"localhost"_s;
    for (const FtpSettings& settings : { untrusted, otherName }) {
        ScriptedMessenger messenger;
        FtpTransfer transfer(settings, messenger, {});
        EXPECT_FALSE(transfer.connect()) << settings.server.toStdString();
        EXPECT_EQ(messenger.messages, QStringList { FtpFailureText(FtpFailure::Certificate) });
        EXPECT_FALSE(transfer.online());
    }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, FtpOverTls,
    ::testing::Values(FtpSecurity::Explicit, FtpSecurity::Implicit),
    [](const auto& info) { return info.param == FtpSecurity::Explicit ? "Explicit" : "Implicit"; });

// A server without TLS is never spoken to in clear once TLS was asked for:
// neither the user nor the password reaches it.
TEST(FtpOverTlsRefused, ServerWithoutTlsGetsNoCredentials)
{
    TlsFtpServer server(FtpSecurity::None);
    ASSERT_TRUE(server.isRunning());
    ScriptedMessenger messenger;
    FtpTransfer transfer(server.settings(FtpSecurity::Explicit), messenger, {});
    EXPECT_FALSE(transfer.connect());
    EXPECT_EQ(messenger.messages, QStringList { FtpFailureText(FtpFailure::Tls) });
    const QByteArray log = server.protocolLog();
    EXPECT_TRUE(log.contains("AUTH TLS")) << log.constData();
    EXPECT_FALSE(log.contains("command: Client \"127.0.0.1\", \"USER")) << log.constData();
    EXPECT_FALSE(log.contains("command: Client \"127.0.0.1\", \"PASS")) << log.constData();

    // The same server in clear, where the field asks for nothing more.
    FtpClient plain(server.settings(FtpSecurity::None));
    ASSERT_TRUE(plain.open());
    EXPECT_TRUE(plain.login()) << server.protocolLog().constData();
    EXPECT_FALSE(plain.encrypted());
}

} // namespace
