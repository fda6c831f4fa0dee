#include "common/clock.h"
#include "common/data_file_codec.h"
#include "pelin/forms/main_form.h"
#include "pelin/forms/tutorial_form.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct PelinWindow : ::testing::Test {
    TempFolder root;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Pelin, messenger, [](int) {} };
    FixedClock clock { QDate(2024, 3, 1) };
    QSettings settings { root.path(u"settings.ini"_s), QSettings::IniFormat };
    std::unique_ptr<TMainForm> form;

    QString exeFolder() const { return root.path(u"prog"_s); }

    void writeConfig(QStringList lines)
    {
        QDir().mkpath(exeFolder());
        StringList list(std::move(lines));
        DataFileCodec korav(CodecProgram::Korav, messenger, [](int) {});
        ASSERT_TRUE(korav.SaveDataFile(exeFolder() + u"/pelin.cfg"_s, list));
    }

    void start(QStringList arguments = { u"pelin"_s })
    {
        PelinEnvironment env { messenger, codec, clock, settings, exeFolder(), root.path(u"docs"_s),
            root.path(u"desk"_s), std::move(arguments) };
        form = std::make_unique<TMainForm>(env, VisualStyle::System);
        form->FormShow();
    }

    template <typename T> T* child(const QString& name) { return form->findChild<T*>(name); }
};

} // namespace

TEST_F(PelinWindow, FixesTodayAndTheTwoMonths)
{
    clock.set(QDate(2025, 1, 15).startOfDay());
    writeConfig({ u"dbversion=161020"_s });
    start();
    EXPECT_EQ(form->dates().today, QDate(2025, 1, 15));
    EXPECT_EQ(form->dates().currentMonth, QDate(2025, 1, 1));
    EXPECT_EQ(form->dates().previousMonth, QDate(2024, 12, 1));
    EXPECT_EQ(form->dates().displayedDay, QDate(2025, 1, 15));
}

TEST_F(PelinWindow, MissingConfigurationEndsTheProgram)
{
    start();
    EXPECT_TRUE(form->ending());
    ASSERT_EQ(messenger.messages.size(), 1);
    EXPECT_TRUE(
        messenger.messages[0].startsWith(u"Die Datei pelin.cfg ist in Programm-Ordner\n"_s + exeFolder()));
}

TEST_F(PelinWindow, PasswordModeShowsOneField)
{
    writeConfig({ u"dbversion=161020"_s, u"LAN_aktiv=1"_s });
    start({ u"pelin"_s, u"korav"_s });
    EXPECT_FALSE(form->ending());
    EXPECT_EQ(child<QLabel>(u"StaticText12"_s)->text(), u"Kennwort"_s);
    EXPECT_TRUE(child<QLineEdit>(u"KennwortEdit"_s)->isHidden());
    EXPECT_TRUE(child<QLabel>(u"StaticText3"_s)->isHidden());
    EXPECT_TRUE(child<QLabel>(u"OnlineImage"_s)->isHidden());
    EXPECT_EQ(child<QLabel>(u"LandLabel"_s)->text(), u"/ D"_s);
    EXPECT_EQ(child<QLineEdit>(u"AnmeldeNameEdit"_s)->maxLength(), 12);
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(PelinWindow, DirectoryModeAsksForNameAndPasswordInFtpMode)
{
    writeConfig({ u"dbversion=161020"_s, u"LAN_aktiv=0"_s, u"LDAP_aktiv=1"_s, u"landcode=99"_s });
    start();
    EXPECT_EQ(child<QLabel>(u"StaticText12"_s)->text(), u"Anmeldename"_s);
    EXPECT_FALSE(child<QLineEdit>(u"KennwortEdit"_s)->isHidden());
    EXPECT_FALSE(child<QLabel>(u"OnlineImage"_s)->isHidden());
    EXPECT_EQ(child<QLabel>(u"LandLabel"_s)->text(), u"/ -"_s);
}

TEST_F(PelinWindow, ProgramFolderHintUnlessStartedByKorav)
{
    QDir().mkpath(root.path(u"central"_s));
    writeConfig({ u"dbversion=161020"_s, u"progordner="_s + root.path(u"central"_s) });
    start();
    ASSERT_EQ(messenger.messages.size(), 1);
    EXPECT_TRUE(messenger.messages[0].startsWith(u"Die Programmdatei pelin in Ordner\n\n"_s));
    messenger.messages.clear();
    start({ u"pelin"_s, u"korav"_s });
    EXPECT_TRUE(messenger.messages.isEmpty());
}

TEST_F(PelinWindow, StyleSwitchIsWrittenAtTheEnd)
{
    writeConfig({ u"dbversion=161020"_s });
    start();
    auto* grey = form->findChild<QAction*>(u"SubMenuStilGrau"_s);
    auto* system = form->findChild<QAction*>(u"SubMenuStilWindows"_s);
    EXPECT_TRUE(system->isChecked());
    form->SubMenuStilWindowsClick();
    EXPECT_FALSE(form->styleChanged()) << "the active style is no switch";
    grey->trigger();
    EXPECT_TRUE(grey->isChecked());
    EXPECT_FALSE(system->isChecked());
    form->close();
    EXPECT_EQ(settings.value(u"pelin_style"_s).toString(), u"PELIN_grau"_s);
}

TEST_F(PelinWindow, HiddenConfigurationDisplayShowsTheText)
{
    writeConfig({ u"dbversion=161020"_s, u"landcode=1"_s });
    start();
    form->MonOffenLabelSecretClick();
    EXPECT_EQ(messenger.messages, QStringList { u"dbversion=161020\r\nlandcode=1\r\n"_s });
    QFile::remove(exeFolder() + u"/pelin.cfg"_s);
    form->MonOffenLabelSecretClick();
    EXPECT_EQ(messenger.messages.last(), u"Datei pelin.cfg nicht vorhanden!"_s);
}

TEST(TutorialForm, OpensOnOperationAndSwitchesPages)
{
    TTutorialForm form;
    EXPECT_EQ(form.windowTitle(), u"  Hilfe"_s);
    form.FormShow();
    EXPECT_TRUE(form.page()->text().contains(u"Bedienung"_s));
    form.findChild<QPushButton*>(u"AllgemeinBtn"_s)->click();
    EXPECT_TRUE(form.page()->text().contains(u"Allgemeines"_s));
}
