#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/ui/dialog_messenger.h"
#include "pelin/core/login_session.h"
#include "pelin/forms/filter_pool_form.h"
#include "pelin/forms/main_form.h"
#include "tests/support/enter_key_answers.h"
#include "tests/support/ftp_server.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// PELIN with its real message dialog, answered by Enter after a plain
// message: each question must answer with its default button, "Ja".
struct PelinEnter : ::testing::Test {
    TempFolder root;
    DialogMessenger messenger { u"PELIN"_s };
    DataFileCodec codec { CodecProgram::Pelin, messenger, [](int) {} };
    FixedClock clock { QDate(2023, 3, 15) };
    QSettings settings { root.path(u"settings.ini"_s), QSettings::IniFormat };
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        for (const auto* folder : { u"prog", u"zeit", u"docs", u"desk" })
            QDir(root.path()).mkpath(QStringView(folder).toString());
        save(u"zeit/dama.kvd"_s, { u"sommer=4711#Erika Muster#80#"_s, u"msz4711=10800"_s });
        root.write(u"zeit/dprojekte.kvd"_s, "P100=Projekt\r\n");
    }

    void start(const QStringList& connection)
    {
        save(u"prog/pelin.cfg"_s,
            connection
                + QStringList { u"progordner="_s + root.path(u"prog"_s),
                    u"zeitordner="_s + root.path(u"zeit"_s), u"LDAP_aktiv=0"_s, u"dbversion=161020"_s });
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

    void logIn()
    {
        form->findChild<QLineEdit*>(u"AnmeldeNameEdit"_s)->setText(u"sommer"_s);
        form->findChild<QPushButton*>(u"LoginBtn"_s)->click();
    }
};

} // namespace

TEST_F(PelinEnter, SaveQuestionAfterAMessageSaves)
{
    start({ u"LAN_aktiv=1"_s });
    logIn();
    ASSERT_TRUE(form->loginSession()->state().loggedIn);
    form->loginSession()->state().changes.dataChanged();

    EnterKeyAnswers user;
    messenger.show(u"Hinweis"_s);
    form->close();
    EXPECT_EQ(user.texts, (QStringList { u"Hinweis"_s, u"Änderungen speichern ?"_s }));
    EXPECT_TRUE(root.exists(u"zeit/az2023034711.kvd"_s));
}

TEST_F(PelinEnter, UpdateQuestionAfterAMessageDownloadsTheUpdate)
{
    FtpServer server;
    ASSERT_TRUE(server.isRunning());
    save(u"zeit/dama.kvd"_s,
        { u"sommer=4711#Erika Muster#80#"_s, u"msz4711=10800"_s, u"update_nummer=01.03.2023 08:00:00"_s });
    for (const QString& name : { u"dama.kvd"_s, u"dprojekte.kvd"_s })
        server.write(u"zeit/"_s + name, root.read(u"zeit/"_s + name));
    server.write(u"zeit/pelin-update.zip"_s, "PK-update");
    root.write(u"docs/pelin/pelinlok.cfg"_s, "update_nummer=01.02.2023 08:00:00\r\n");
    start({ u"LAN_aktiv=0"_s, u"syftpserver=127.0.0.1:%1"_s.arg(server.settings().port),
        u"syftpbenutzer=pelin"_s, u"syftppw=geheim"_s, u"syftpordner=zeit"_s });

    EnterKeyAnswers user;
    messenger.show(u"Hinweis"_s);
    logIn();
    ASSERT_GE(user.texts.size(), 3) << user.texts.join(u'|').toStdString();
    EXPECT_TRUE(user.texts[1].startsWith(u"Es ist eine neuere PELIN-Version vorhanden!"_s));
    EXPECT_TRUE(user.texts[2].startsWith(u"Der Download der neuen PELIN-Dateien war erfolgreich!"_s));
    EXPECT_EQ(root.read(u"desk/pelin-update.zip"_s), QByteArray("PK-update"));
}

TEST_F(PelinEnter, FilterPoolSaveQuestionAfterAMessageSaves)
{
    TFilterPoolForm pool(messenger);
    FilterPoolEditor editor;
    pool.prepare(editor, StringList({ u"10001=Laborarbeit"_s }), 5);
    QTest::keyClicks(pool.findChild<QLineEdit*>(u"SuchEdit"_s), u"Labor"_s);
    pool.findChild<QPushButton*>(u"MaPoolPlusBtn"_s)->click();
    ASSERT_EQ(pool.findChild<QListWidget*>(u"FilterMaPoolLBox"_s)->count(), 1);

    EnterKeyAnswers user;
    messenger.show(u"Hinweis"_s);
    pool.findChild<QPushButton*>(u"CloseBtn"_s)->click();
    EXPECT_EQ(user.texts, (QStringList { u"Hinweis"_s, u"Änderungen speichern ?"_s }));
    EXPECT_EQ(pool.closeResult(), FilterPoolEditor::CloseResult::Save);
    EXPECT_EQ(editor.pool().toSettingValue(), u"10001#"_s);
}
