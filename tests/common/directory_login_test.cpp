#include "common/directory_login.h"
#include "tests/support/ldap_server.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"

#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

class DirectoryLoginTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        server = new LdapServer({ { u"erika"_s, u"Sommer2023"_s }, { u"e=f"_s, u"Gleich1"_s } });
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(server->isRunning()); }

    static LdapServer* server;
    ScriptedMessenger messenger;
};

LdapServer* DirectoryLoginTest::server = nullptr;

} // namespace

TEST_F(DirectoryLoginTest, RightAndWrongPassword)
{
    EXPECT_TRUE(CheckDirectoryLogin(server->settings(), u"erika"_s, u"Sommer2023"_s, messenger));
    EXPECT_TRUE(messenger.all.isEmpty());
    EXPECT_FALSE(CheckDirectoryLogin(server->settings(), u"erika"_s, u"Winter"_s, messenger));
    EXPECT_FALSE(CheckDirectoryLogin(server->settings(), u"niemand"_s, u"Sommer2023"_s, messenger));
    EXPECT_EQ(messenger.messages,
        QStringList(2, u"Anmeldung war nicht erfolgreich! (Anmeldename-/Passwortfehler)"_s));
}

TEST_F(DirectoryLoginTest, EmptyPasswordIsRefusedBeforeAnyBind)
{
    EXPECT_FALSE(CheckDirectoryLogin(server->settings(), u"erika"_s, QString(), messenger));
    EXPECT_EQ(messenger.messages, QStringList({ u"Bitte LDAP - Anmeldename und - Kennwort eingeben"_s }));
}

TEST_F(DirectoryLoginTest, TypedNameCannotChangeTheDn)
{
    EXPECT_FALSE(CheckDirectoryLogin(server->settings(), u"erika,dc=firma"_s, u"Sommer2023"_s, messenger));
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Anmeldung war nicht erfolgreich! (Anmeldename-/Passwortfehler)"_s }));
}

TEST_F(DirectoryLoginTest, NameWithEqualsSignLogsInWithItsPassword)
{
    EXPECT_TRUE(CheckDirectoryLogin(server->settings(), u"e=f"_s, u"Gleich1"_s, messenger));
    EXPECT_FALSE(CheckDirectoryLogin(server->settings(), u"e=f"_s, u"Sommer2023"_s, messenger));
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Anmeldung war nicht erfolgreich! (Anmeldename-/Passwortfehler)"_s }));
}

TEST(DirectoryLogin, MissingSettingsAndServerDown)
{
    ScriptedMessenger messenger;
    EXPECT_FALSE(CheckDirectoryLogin(
        DirectorySettings { u"127.0.0.1"_s, u"389"_s, u"firma"_s, {} }, u"erika"_s, u"x"_s, messenger));
    const DirectorySettings down { u"127.0.0.1"_s, QString::number(FreeLocalPort()), u"firma"_s, u"de"_s };
    EXPECT_FALSE(CheckDirectoryLogin(down, u"erika"_s, u"Sommer2023"_s, messenger));
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Keine Datei mit LDAP-Anmeldedaten vorhanden!"_s,
            u"Keine Verbindung zum LDAP-Server möglich!"_s }));
}

TEST(DirectoryLogin, EscapesDnValues)
{
    EXPECT_EQ(EscapeDnValue(u"erika"_s), u"erika"_s);
    EXPECT_EQ(EscapeDnValue(u"a,b+c\"d\\e<f>g;h"_s), u"a\\,b\\+c\\\"d\\\\e\\<f\\>g\\;h"_s);
    EXPECT_EQ(EscapeDnValue(u"#x "_s), u"\\#x\\ "_s);
    EXPECT_EQ(EscapeDnValue(u" x=y#z"_s), u"\\ x=y#z"_s);
}

namespace {

const QString kTlsRefusal = QString::fromUtf16(kDirectoryTlsRefusal);
const QString kLoginRefusal = u"Anmeldung war nicht erfolgreich! (Anmeldename-/Passwortfehler)"_s;

// One server with a certificate of its own, reached through StartTLS and
// through ldaps.
class DirectoryTlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = new LdapServer({ { u"erika"_s, u"Sommer2023"_s } }, true); }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(server->isRunning()); }

    static LdapServer* server;
};

LdapServer* DirectoryTlsTest::server = nullptr;

} // namespace

TEST_F(DirectoryTlsTest, RightAndWrongPasswordOverStartTlsAndLdaps)
{
    for (const DirectorySettings& settings : { server->startTlsSettings(), server->ldapsSettings() }) {
        ScriptedMessenger messenger;
        EXPECT_TRUE(CheckDirectoryLogin(settings, u"erika"_s, u"Sommer2023"_s, messenger))
            << settings.server.toStdString();
        EXPECT_FALSE(CheckDirectoryLogin(settings, u"erika"_s, u"Winter"_s, messenger));
        EXPECT_EQ(messenger.messages, QStringList { kLoginRefusal });
    }
}

// An unknown certificate, or one made out for another name, ends the log-in
// before the password is sent.
TEST_F(DirectoryTlsTest, UntrustedCertificateOrOtherHostIsRefused)
{
    DirectorySettings cases[] = { server->startTlsSettings(), server->ldapsSettings(),
        server->startTlsSettings(), server->ldapsSettings() };
    cases[0].caFile.clear();
    cases[1].caFile.clear();
    cases[2].server = u"localhost"_s;
    cases[3].server.replace(u"127.0.0.1"_s, u"localhost"_s);
    for (const DirectorySettings& settings : cases) {
        ScriptedMessenger messenger;
        EXPECT_FALSE(CheckDirectoryLogin(settings, u"erika"_s, u"Sommer2023"_s, messenger))
            << settings.server.toStdString();
        EXPECT_EQ(messenger.messages, QStringList { kTlsRefusal }) << settings.server.toStdString();
    }
}

TEST_F(DirectoryLoginTest, StartTlsOnAServerWithoutTlsIsRefused)
{
    DirectorySettings settings = server->settings();
    settings.startTls = true;
    EXPECT_FALSE(CheckDirectoryLogin(settings, u"erika"_s, u"Sommer2023"_s, messenger));
    EXPECT_EQ(messenger.messages, QStringList { kTlsRefusal });
}
