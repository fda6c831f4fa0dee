#include "common/clock.h"
#include "common/data_file_codec.h"
#include "pelin/forms/day_sheet_panel.h"
#include "pelin/forms/main_form.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A program folder with the configuration and a LAN time folder with the
// base data, as the administration provides them.
struct WorkingDayFlow : ::testing::Test {
    TempFolder root;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Pelin, messenger, [](int) {} };
    FixedClock clock { QDateTime(QDate(2023, 3, 7), QTime(17, 0)) };
    QSettings settings { root.path(u"s.ini"_s), QSettings::IniFormat };
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        QDir().mkpath(root.path(u"prog"_s));
        QDir().mkpath(root.path(u"zeit"_s));
        QDir().mkpath(root.path(u"docs"_s));
        scramble(u"prog/pelin.cfg"_s,
            { u"dbversion=161020"_s, u"LAN_aktiv=1"_s, u"progordner="_s + root.path(u"prog"_s),
                u"zeitordner="_s + root.path(u"zeit"_s) });
        scramble(u"zeit/dama.kvd"_s,
            { u"Geheim=4711#Erika Muster#100#"_s,
                u"msz4711=10800"_s + u"022023"_s + u"16000"_s + u"032023"_s + u"16800"_s });
        root.write(u"zeit/dprojekte.kvd"_s, "\xEF\xBB\xBFP100=Projekt\r\n900=Pause\r\n910=Krank\r\n");
        PelinEnvironment env { messenger, codec, clock, settings, root.path(u"prog"_s), root.path(u"docs"_s),
            root.path(u"docs"_s), { u"pelin"_s } };
        form = std::make_unique<TMainForm>(env, VisualStyle::System);
        form->FormShow();
    }

    void scramble(const QString& name, const QStringList& lines)
    {
        StringList list(lines);
        DataFileCodec korav(CodecProgram::Korav, messenger, [](int) {});
        ASSERT_TRUE(korav.SaveDataFile(root.path(name), list));
    }

    void logIn()
    {
        form->findChild<QLineEdit*>(u"AnmeldeNameEdit"_s)->setText(u"Geheim"_s);
        form->LoginBtnClick();
    }
};

} // namespace

TEST_F(WorkingDayFlow, RecordedDayArrivesInTheTimeFolderAfterLogOut)
{
    EXPECT_FALSE(form->daySheet()->findChild<QPushButton*>(u"KrankBtn"_s)->isEnabled());
    form->daySheet()->ZeitFieldClick();
    EXPECT_EQ(messenger.messages, QStringList { u"Sie sind nicht angemeldet!"_s });
    messenger.messages.clear();

    logIn();
    ASSERT_TRUE(messenger.messages.isEmpty()) << messenger.messages.join(u'|').toStdString();
    EXPECT_EQ(form->findChild<QLabel*>(u"MitarbeiterLabel"_s)->text(), u"  Erika Muster  "_s);

    form->ShowDate(QDate(2023, 3, 6));
    DaySheet& sheet = form->daySheet()->sheet();
    sheet.TimesPicked(u"07"_s, u"30"_s, u"16"_s, u"15"_s);
    sheet.ActivityChosen(u"P100"_s, u"Projekt"_s);
    sheet.HoursPicked(u"4"_s, u"00"_s);
    sheet.EinfgEintragBtnClick();
    sheet.RemarkTaken(u"Messe"_s);
    form->daySheet()->LoadDisplayedDay();
    EXPECT_EQ(form->daySheet()->findChild<QLabel*>(u"OffenLabel"_s)->text(), u"  4:45 "_s);
    EXPECT_EQ(form->findChild<QLabel*>(u"MonDauerLabelWert"_s)->text(), u"  8:45 "_s);

    messenger.answerNext(kAnswerYes);
    form->LoginBtnClick();
    EXPECT_EQ(messenger.questions, QStringList { u"Änderungen speichern ?"_s });
    EXPECT_EQ(root.read(u"zeit/az2023034711.kvd"_s),
        QByteArray("az202303064711=2023030707301615----------------Messe\r\n"
                   "pz202303064711=2023030700400P100####\r\n"));
    EXPECT_TRUE(form->findChild<QLabel*>(u"MitarbeiterLabel"_s)->text().isEmpty());
}

TEST_F(WorkingDayFlow, EntryTakenForChangingSurvivesAnotherDayAndTheLogOut)
{
    logIn();
    form->ShowDate(QDate(2023, 3, 6));
    DaySheet& sheet = form->daySheet()->sheet();
    sheet.TimesPicked(u"07"_s, u"30"_s, u"16"_s, u"15"_s);
    sheet.ActivityChosen(u"P100"_s, u"Projekt"_s);
    sheet.HoursPicked(u"4"_s, u"00"_s);
    sheet.EinfgEintragBtnClick();
    form->daySheet()->LoadDisplayedDay();

    auto* list = form->daySheet()->findChild<QTreeWidget*>(u"AnzeigeListView"_s);
    list->setCurrentItem(list->topLevelItem(0));
    form->daySheet()->findChild<QPushButton*>(u"ChgEintragBtn"_s)->click();
    ASSERT_EQ(list->topLevelItemCount(), 0);
    form->ShowDate(QDate(2023, 3, 7));
    form->ShowDate(QDate(2023, 3, 6));
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), u"P100"_s);

    list->setCurrentItem(list->topLevelItem(0));
    form->daySheet()->findChild<QPushButton*>(u"ChgEintragBtn"_s)->click();
    messenger.answerNext(kAnswerYes);
    form->LoginBtnClick();
    EXPECT_EQ(root.read(u"zeit/az2023034711.kvd"_s),
        QByteArray("az202303064711=2023030707301615----------------\r\n"
                   "pz202303064711=2023030700400P100####\r\n"));
}

TEST_F(WorkingDayFlow, LawHintNamesTheBrokenRuleAndSavingGoesOn)
{
    logIn();
    auto* hint = form->daySheet()->findChild<QLabel*>(u"ArbZGHinweisLabel"_s);
    ASSERT_NE(hint, nullptr);
    form->ShowDate(QDate(2023, 3, 6));
    DaySheet& sheet = form->daySheet()->sheet();
    sheet.TimesPicked(u"08"_s, u"00"_s, u"14"_s, u"00"_s);
    form->daySheet()->LoadDisplayedDay();
    EXPECT_TRUE(hint->isHidden());

    sheet.TimesPicked(u"08"_s, u"00"_s, u"14"_s, u"05"_s);
    form->daySheet()->LoadDisplayedDay();
    EXPECT_FALSE(hint->isHidden());
    EXPECT_EQ(hint->text(), u"Pause unter 30 Minuten bei mehr als 6 Stunden Arbeitszeit (ArbZG §4)"_s);

    // A sick day of eight hours is exempt.
    form->ShowDate(QDate(2023, 3, 7));
    form->daySheet()->findChild<QPushButton*>(u"KrankBtn"_s)->click();
    EXPECT_TRUE(hint->isHidden());
    form->ShowDate(QDate(2023, 3, 6));
    EXPECT_FALSE(hint->isHidden());

    messenger.answerNext(kAnswerYes);
    form->LoginBtnClick();
    EXPECT_TRUE(root.read(u"zeit/az2023034711.kvd"_s).startsWith("az202303064711=2023030708001405"));
    EXPECT_TRUE(hint->isHidden());
}

// February is closed: its days are shown, the fields refuse before any
// picker opens, and March can still be recorded.
TEST_F(WorkingDayFlow, DaysOfAClosedMonthAreShownButRefuseEveryChange)
{
    root.write(u"zeit/az2023024711.kvd"_s, "az202302064711=2023020607301615----------------alt\r\n");
    root.write(u"zeit/dabschluss.kvd"_s,
        "\xEF\xBB\xBF"
        "abschluss=202302\r\n");
    logIn();
    ASSERT_TRUE(messenger.messages.isEmpty()) << messenger.messages.join(u'|').toStdString();
    form->ShowDate(QDate(2023, 2, 6));
    DaySheetPanel& panel = *form->daySheet();
    EXPECT_EQ(panel.findChild<QLineEdit*>(u"ZKomStdEdit"_s)->text(), u"07"_s);

    const QString refusal
        = u"Der Monat 02/2023 ist abgeschlossen !\n\nSeine Tage können angesehen, aber nicht "
          "mehr geändert werden."_s;
    panel.ZeitFieldClick();
    panel.BemerkungLabel1Click();
    panel.ProjektNrEditClick();
    panel.TagProjZeitClick();
    panel.findChild<QPushButton*>(u"KrankBtn"_s)->click();
    EXPECT_EQ(messenger.messages, QStringList(5, refusal));
    EXPECT_EQ(panel.findChild<QLineEdit*>(u"ZKomStdEdit"_s)->text(), u"07"_s);

    messenger.messages.clear();
    form->ShowDate(QDate(2023, 3, 6));
    panel.findChild<QPushButton*>(u"KrankBtn"_s)->click();
    EXPECT_TRUE(messenger.messages.isEmpty()) << messenger.messages.join(u'|').toStdString();
    EXPECT_EQ(panel.findChild<QLineEdit*>(u"ZKomStdEdit"_s)->text(), u"08"_s);
}
