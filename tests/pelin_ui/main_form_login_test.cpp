#include "common/clock.h"
#include "common/data_file_codec.h"
#include "pelin/core/login_session.h"
#include "pelin/forms/main_form.h"
#include "tests/support/ftp_server.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// PELIN in LAN mode with a time folder that holds one employee.
struct PelinLogin : ::testing::Test {
    TempFolder root;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Pelin, messenger, [](int) {} };
    FixedClock clock { QDate(2023, 3, 15) };
    QSettings settings { root.path(u"settings.ini"_s), QSettings::IniFormat };
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        for (const auto* folder : { u"prog", u"zeit", u"docs", u"desk" })
            QDir(root.path()).mkpath(QStringView(folder).toString());
        writeConfig({ u"LAN_aktiv=1"_s });
        save(u"zeit/dama.kvd"_s, { u"sommer=4711#Erika Muster#80#"_s, u"msz4711=10800"_s });
        root.write(u"zeit/dprojekte.kvd"_s, "P100=Projekt\r\n");
        start();
    }

    void writeConfig(const QStringList& connection)
    {
        save(u"prog/pelin.cfg"_s,
            connection
                + QStringList { u"progordner="_s + root.path(u"prog"_s),
                    u"zeitordner="_s + root.path(u"zeit"_s), u"LDAP_aktiv=0"_s, u"dbversion=161020"_s });
    }

    void start()
    {
        PelinEnvironment env { messenger, codec, clock, settings, root.path(u"prog"_s), root.path(u"docs"_s),
            root.path(u"desk"_s), { u"pelin"_s } };
        form = std::make_unique<TMainForm>(env, VisualStyle::System);
        form->FormShow();
    }

    void save(const QString& name, QStringList lines)
    {
        StringList list(std::move(lines));
        DataFileCodec korav(CodecProgram::Korav, messenger, [](int) {});
        ASSERT_TRUE(korav.SaveDataFile(root.path(name), list));
    }

    template <typename T> T* child(const QString& name) { return form->findChild<T*>(name); }
    QString text(const QString& label) { return child<QLabel>(label)->text(); }
};

} // namespace

TEST_F(PelinLogin, LoginButtonLogsInAndOut)
{
    ASSERT_TRUE(messenger.all.isEmpty()) << messenger.all.join(u'|').toStdString();
    child<QLineEdit>(u"AnmeldeNameEdit"_s)->setText(u"sommer"_s);
    child<QPushButton>(u"LoginBtn"_s)->click();

    EXPECT_TRUE(form->loginSession()->state().loggedIn);
    EXPECT_EQ(child<QPushButton>(u"LoginBtn"_s)->text(), u"Abmelden"_s);
    EXPECT_EQ(text(u"MitarbeiterLabel"_s), u"  Erika Muster  "_s);
    EXPECT_EQ(text(u"PersNrLabel"_s), u"4711 /"_s);
    EXPECT_EQ(text(u"BGradLabel"_s), u" 80%"_s);
    EXPECT_FALSE(child<QLineEdit>(u"AnmeldeNameEdit"_s)->isEnabled());
    EXPECT_TRUE(child<QToolButton>(u"AmpelSBtn"_s)->isEnabled());

    child<QPushButton>(u"LoginBtn"_s)->click();
    EXPECT_FALSE(form->loginSession()->state().loggedIn);
    EXPECT_EQ(child<QPushButton>(u"LoginBtn"_s)->text(), u"Anmelden"_s);
    EXPECT_EQ(text(u"MitarbeiterLabel"_s), QString());
    EXPECT_TRUE(child<QLineEdit>(u"AnmeldeNameEdit"_s)->isEnabled());
    EXPECT_TRUE(messenger.questions.isEmpty());
}

TEST_F(PelinLogin, ClosingOffersToSaveChanges)
{
    child<QLineEdit>(u"AnmeldeNameEdit"_s)->setText(u"sommer"_s);
    child<QPushButton>(u"LoginBtn"_s)->click();
    ASSERT_TRUE(form->loginSession()->state().loggedIn);
    form->close();
    EXPECT_TRUE(messenger.questions.isEmpty());

    form->loginSession()->state().changes.dataChanged();
    messenger.answerNext(kAnswerYes);
    form->close();
    EXPECT_EQ(messenger.questions, QStringList({ u"Änderungen speichern ?"_s }));
    EXPECT_TRUE(root.exists(u"zeit/az2023034711.kvd"_s));
}

// The close box on the save question is the safe answer: nothing ends.
TEST_F(PelinLogin, ClosedSaveQuestionKeepsWindowAndSession)
{
    form->show();
    child<QLineEdit>(u"AnmeldeNameEdit"_s)->setText(u"sommer"_s);
    child<QPushButton>(u"LoginBtn"_s)->click();
    ASSERT_TRUE(form->loginSession()->state().loggedIn);
    form->loginSession()->state().changes.dataChanged();

    messenger.answerNext(kAnswerClosed);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    messenger.answerNext(kAnswerClosed);
    child<QPushButton>(u"LoginBtn"_s)->click();
    EXPECT_TRUE(form->loginSession()->state().loggedIn);
    EXPECT_EQ(child<QPushButton>(u"LoginBtn"_s)->text(), u"Abmelden"_s);
    EXPECT_TRUE(form->loginSession()->state().changes.data());

    messenger.answerNext(kAnswerNo);
    child<QPushButton>(u"LoginBtn"_s)->click();
    EXPECT_FALSE(form->loginSession()->state().loggedIn);
    EXPECT_EQ(messenger.questions, QStringList(3, u"Änderungen speichern ?"_s));
}

TEST_F(PelinLogin, WrongPasswordClearsTheField)
{
    child<QLineEdit>(u"AnmeldeNameEdit"_s)->setText(u"Sommer"_s);
    child<QPushButton>(u"LoginBtn"_s)->click();
    EXPECT_EQ(messenger.messages, QStringList({ u"Passwort ist falsch"_s }));
    EXPECT_EQ(child<QLineEdit>(u"AnmeldeNameEdit"_s)->text(), QString());
    EXPECT_EQ(child<QPushButton>(u"LoginBtn"_s)->text(), u"Anmelden"_s);
}

TEST_F(PelinLogin, LogsInOverFtpAndEndsOffline)
{
    FtpServer server;
    ASSERT_TRUE(server.isRunning());
    save(u"zeit/dama.kvd"_s,
        { u"sommer=4711#Erika Muster#80#"_s, u"msz4711=10800"_s, u"update_nummer=01.03.2023 08:00:00"_s });
    for (const QString& name : { u"dama.kvd"_s, u"dprojekte.kvd"_s })
        server.write(u"zeit/"_s + name, root.read(u"zeit/"_s + name));
    root.write(u"docs/pelin/pelinlok.cfg"_s, "update_nummer=01.03.2023 08:00:00\r\n");
    writeConfig({ u"LAN_aktiv=0"_s, u"syftpserver=127.0.0.1:%1"_s.arg(server.settings().port),
        u"syftpbenutzer=pelin"_s, u"syftppw=geheim"_s, u"syftpordner=zeit"_s });
    QDir(root.path(u"zeit"_s)).removeRecursively();
    start();

    child<QLineEdit>(u"AnmeldeNameEdit"_s)->setText(u"sommer"_s);
    child<QPushButton>(u"LoginBtn"_s)->click();
    EXPECT_TRUE(form->loginSession()->state().loggedIn) << messenger.all.join(u'|').toStdString();
    EXPECT_EQ(text(u"PersNrLabel"_s), u"4711 /"_s);
    EXPECT_EQ(text(u"OnlineImage"_s), u"Offline"_s);
    EXPECT_EQ(child<QLabel>(u"OnlineImage"_s)->toolTip(), u"Offline"_s);
}
