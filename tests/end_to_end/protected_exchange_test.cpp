#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/ftp_client.h"
#include "common/password_hash.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/password_check.h"
#include "korav/core/pelin_base_builder.h"
#include "korav/core/pelin_provision.h"
#include "pelin/core/login_session.h"
#include "pelin/core/pelin_config.h"
#include "tests/end_to_end/firm_files.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"
#include "tests/support/tls_ftp_server.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2023, 3, 15);
const QDateTime kNow(kToday, QTime(17, 30));
// Few iterations keep the test quick; the format carries the count.
constexpr int kTestIterations = 1000;

// A firm of two employees in LAN mode: KORAV builds and provides, PELIN
// logs in from the program folder.
class FirmOfTwo : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto* folder : { u"daten", u"prog", u"zeit", u"docs/pelin", u"desktop" })
            QDir(root.path()).mkpath(QString::fromUtf16(folder));
        store.setFolder(DataFolder(root.path(u"daten"_s)));
        root.write(u"daten/zama.kvd"_s, Lines({ u"Erika"_s, u"Max"_s }));
        root.write(u"daten/zamasta.kvd"_s,
            Lines({ u"Erika=Erika Sommer#4711#sommer#100#"_s, u"Max=Max Winter#4712#winter#50#"_s }));
        root.write(
            u"daten/zmszsatz.kvd"_s, Lines({ TargetLine(), TargetLine().replace(u"4711"_s, u"4712"_s) }));
        root.write(u"daten/zprojekte.kvd"_s, Lines({ u"P100=Messe"_s }));
        root.write(u"daten/zsonstige.kvd"_s, Lines({ u"Pause=Pause"_s }));
        root.write(u"daten/"_s + KoravFile::PelinProgram(), "#!/bin/sh\n");
        root.write(u"daten/zconfig.kvd"_s,
            Lines({ u"progordner="_s + root.path(u"prog"_s), u"zeitordner="_s + root.path(u"zeit"_s),
                u"update_nummer=01.03.2023 08:00:00"_s }));
        // In FTP mode PELIN checks that it is of the provided update.
        root.write(u"docs/pelin/pelinlok.cfg"_s, "update_nummer=01.03.2023 08:00:00\r\n");
        connection.load();
    }

    void buildAndProvide()
    {
        stale.check(store.folder(), connection.fields().programFolder);
        ASSERT_TRUE(
            (PelinBaseBuild { store, koravCodec, clock, kToday, connection, kTestIterations }.run(stale)));
        ASSERT_TRUE(PelinProvision(store, connection).provideBaseData(stale, kNow).complete());
        ASSERT_TRUE(koravMessenger.all.isEmpty()) << koravMessenger.all.join(u'|').toStdString();
    }

    QStringList employeeLines()
    {
        StringList lines;
        koravCodec.LoadDataFile(root.path(u"zeit/dama.kvd"_s), lines);
        return lines.lines().mid(0, 2);
    }

    LoginSession::Result logIn(const QString& password)
    {
        StringList cfg;
        pelinCodec.LoadDataFile(root.path(u"prog/pelin.cfg"_s), cfg);
        session = std::make_unique<LoginSession>(
            LoginSettingsFrom(ParsePelinConfig(cfg), root.path(u"prog"_s), false),
            UserFolders { root.path(u"docs"_s), root.path(u"desktop"_s) }, pelinMessenger, kToday, pelinCodec,
            [](int) {});
        return session->login(password, {});
    }

    TempFolder root;
    ScriptedMessenger koravMessenger;
    ScriptedMessenger pelinMessenger;
    BaseDataStore store { koravMessenger };
    FixedClock clock { kNow };
    DataFileCodec koravCodec { CodecProgram::Korav, koravMessenger };
    DataFileCodec pelinCodec { CodecProgram::Pelin, pelinMessenger };
    ConnectionSettings connection { store };
    BaseDataStaleness stale;
    std::unique_ptr<LoginSession> session;
};

using PasswordCheckValues = FirmOfTwo;

TEST_F(PasswordCheckValues, WithoutTheSettingTheFilesStayAsTheyWere)
{
    ASSERT_TRUE(connection.saveFields());
    buildAndProvide();
    EXPECT_EQ(employeeLines(),
        (QStringList { u"sommer=4711#Erika Sommer#100#"_s, u"winter=4712#Max Winter#50#"_s }));
    EXPECT_FALSE(root.exists(u"daten/"_s + QString::fromUtf16(PasswordCheck::kFileName)));
    EXPECT_FALSE(PasswordCheck::IsOn(store));
    EXPECT_TRUE(logIn(u"sommer"_s).loggedIn);
}

TEST_F(PasswordCheckValues, PelinLogsInWithTheRightPasswordOnly)
{
    ASSERT_TRUE(PasswordCheck::Save(store, true));
    buildAndProvide();
    const QStringList lines = employeeLines();
    ASSERT_EQ(lines.size(), 2);
    for (const QString& line : lines) {
        EXPECT_TRUE(PasswordHash::Parse(StringList::KeyOf(line))) << line.toStdString();
        EXPECT_FALSE(line.contains(u"sommer"_s) || line.contains(u"winter"_s)) << line.toStdString();
    }
    EXPECT_EQ(StringList::ValueOf(lines[1]), u"4712#Max Winter#50#"_s);

    ASSERT_TRUE(logIn(u"winter"_s).loggedIn) << pelinMessenger.all.join(u'|').toStdString();
    EXPECT_EQ(session->state().personnelNumber, u"4712"_s);
    ASSERT_TRUE(logIn(u"sommer"_s).loggedIn);
    EXPECT_EQ(session->state().personnelNumber, u"4711"_s);
    EXPECT_TRUE(pelinMessenger.messages.isEmpty()) << pelinMessenger.messages.join(u'|').toStdString();

    // The check value itself is no password, nor is a password in other case.
    for (const QString& wrong : { u"Sommer"_s, StringList::KeyOf(lines[0]), u"sommer1"_s }) {
        pelinMessenger.messages.clear();
        EXPECT_FALSE(logIn(wrong).loggedIn) << wrong.toStdString();
        EXPECT_EQ(pelinMessenger.messages, QStringList { u"Passwort ist falsch"_s });
    }
}

TEST_F(PasswordCheckValues, SwitchedOffAgainThePasswordsReturn)
{
    ASSERT_TRUE(PasswordCheck::Save(store, true));
    buildAndProvide();
    ASSERT_TRUE(PasswordCheck::Save(store, false));
    buildAndProvide();
    EXPECT_EQ(employeeLines(),
        (QStringList { u"sommer=4711#Erika Sommer#100#"_s, u"winter=4712#Max Winter#50#"_s }));
}

} // namespace

namespace {

// The same firm exchanging over FTP with explicit TLS and its own server
// certificate, which KORAV puts beside "pelin.cfg".
TEST_F(FirmOfTwo, ExchangeOverTlsTrustsTheFirmsCertificate)
{
    TlsFtpServer ftp(FtpSecurity::Explicit);
    ASSERT_TRUE(ftp.isRunning());
    const FtpSettings s = ftp.settings(FtpSecurity::Explicit);
    ConnectionFields& f = connection.fields();
    f.ftpActive = true;
    f.ftpServer = u"ftpes://127.0.0.1:"_s + QString::number(s.port);
    f.ftpUser = s.user;
    f.ftpPassword = s.password;
    f.ftpFolder = s.folder;
    f.certificate = ftp.certificate();
    ASSERT_TRUE(connection.saveFields());
    ASSERT_TRUE(connection.saveCertificate());
    buildAndProvide();
    EXPECT_EQ(ftp.read(u"zeit/dama.kvd"_s), root.read(u"daten/dama.kvd"_s));

    ASSERT_TRUE(logIn(u"sommer"_s).loggedIn) << pelinMessenger.all.join(u'|').toStdString();
    EXPECT_EQ(session->state().personnelNumber, u"4711"_s);
    EXPECT_TRUE(ftp.protocolLog().contains("AUTH TLS"));

    // Without the certificate beside it, PELIN refuses the unknown server.
    QFile::remove(root.path(u"prog/pelin_zertifikat.pem"_s));
    pelinMessenger.messages.clear();
    EXPECT_FALSE(logIn(u"sommer"_s).loggedIn);
    EXPECT_EQ(pelinMessenger.messages.first(), FtpFailureText(FtpFailure::Certificate));
}

} // namespace
