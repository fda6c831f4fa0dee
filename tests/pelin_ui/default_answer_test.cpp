#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/ui/dialog_messenger.h"
#include "pelin/core/login_session.h"
#include "pelin/forms/filter_pool_form.h"
#include "pelin/forms/main_form.h"
#include "tests/support/enter_key_answers.h"
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

// PELIN with its real message dialog, answered by Enter after a plain
// message: each question must answer with its default button, "Ja".

TEST(PelinEnter, SaveQuestionAfterAMessageSaves)
{
    TempFolder root;
    DialogMessenger messenger(u"PELIN"_s);
    DataFileCodec codec { CodecProgram::Pelin, messenger, [](int) {} };
    FixedClock clock { QDate(2023, 3, 15) };
    QSettings settings { root.path(u"settings.ini"_s), QSettings::IniFormat };
    for (const auto* folder : { u"prog", u"zeit", u"docs", u"desk" })
        QDir(root.path()).mkpath(QStringView(folder).toString());
    DataFileCodec korav(CodecProgram::Korav, messenger, [](int) {});
    StringList config({ u"LAN_aktiv=1"_s, u"progordner="_s + root.path(u"prog"_s),
        u"zeitordner="_s + root.path(u"zeit"_s), u"LDAP_aktiv=0"_s, u"dbversion=161020"_s });
    ASSERT_TRUE(korav.SaveDataFile(root.path(u"prog/pelin.cfg"_s), config));
    StringList employees({ u"sommer=4711#Erika Muster#80#"_s, u"msz4711=10800"_s });
    ASSERT_TRUE(korav.SaveDataFile(root.path(u"zeit/dama.kvd"_s), employees));
    root.write(u"zeit/dprojekte.kvd"_s, "P100=Projekt\r\n");

    PelinEnvironment env { messenger, codec, clock, settings, root.path(u"prog"_s), root.path(u"docs"_s),
        root.path(u"desk"_s), { u"pelin"_s } };
    TMainForm form(env, VisualStyle::System);
    form.FormShow();
    form.findChild<QLineEdit*>(u"AnmeldeNameEdit"_s)->setText(u"sommer"_s);
    form.findChild<QPushButton*>(u"LoginBtn"_s)->click();
    ASSERT_TRUE(form.loginSession()->state().loggedIn);
    form.loginSession()->state().dataChanged = true;

    EnterKeyAnswers user;
    messenger.show(u"Hinweis"_s);
    form.close();
    EXPECT_EQ(user.texts, (QStringList { u"Hinweis"_s, u"Änderungen speichern ?"_s }));
    EXPECT_TRUE(root.exists(u"zeit/az2023034711.kvd"_s));
}

TEST(PelinEnter, FilterPoolSaveQuestionAfterAMessageSaves)
{
    DialogMessenger messenger(u"PELIN"_s);
    TFilterPoolForm form(messenger);
    FilterPoolEditor editor;
    form.prepare(editor, StringList({ u"10001=Laborarbeit"_s }), 5);
    QTest::keyClicks(form.findChild<QLineEdit*>(u"SuchEdit"_s), u"Labor"_s);
    form.findChild<QPushButton*>(u"MaPoolPlusBtn"_s)->click();
    ASSERT_EQ(form.findChild<QListWidget*>(u"FilterMaPoolLBox"_s)->count(), 1);

    EnterKeyAnswers user;
    messenger.show(u"Hinweis"_s);
    form.findChild<QPushButton*>(u"CloseBtn"_s)->click();
    EXPECT_EQ(user.texts, (QStringList { u"Hinweis"_s, u"Änderungen speichern ?"_s }));
    EXPECT_EQ(form.closeResult(), FilterPoolEditor::CloseResult::Save);
    EXPECT_EQ(editor.pool().toSettingValue(), u"10001#"_s);
}
