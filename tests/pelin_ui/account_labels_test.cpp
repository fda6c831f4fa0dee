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
#include <QSettings>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Erika works full time (160:00 in February, 168:00 in March 2023) and logs
// in on Tuesday, 7 March. KORAV provided her balance up to the end of
// February (10:00) and 30 days of holiday left, one of them taken in
// February. Her months hold a holiday on 6 February and 1 March and a
// working day of 8:45 on 6 March.
struct AccountLabels : ::testing::Test {
    TempFolder root;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Pelin, messenger, [](int) {} };
    FixedClock clock { QDateTime(QDate(2023, 3, 7), QTime(17, 0)) };
    QSettings settings { root.path(u"s.ini"_s), QSettings::IniFormat };
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        QDir().mkpath(root.path(u"prog"_s));
        QDir().mkpath(root.path(u"docs"_s));
        QDir().mkpath(root.path(u"zeit"_s));
        scramble(u"prog/pelin.cfg"_s,
            { u"dbversion=161020"_s, u"LAN_aktiv=1"_s, u"progordner="_s + root.path(u"prog"_s),
                u"zeitordner="_s + root.path(u"zeit"_s) });
        scramble(u"zeit/dama.kvd"_s,
            { u"Geheim=4711#Erika Muster#100#"_s,
                u"msz4711=10800"_s + u"022023"_s + u"16000"_s + u"032023"_s + u"16800"_s });
        root.write(u"zeit/dprojekte.kvd"_s, "\xEF\xBB\xBFP100=Projekt\r\n900=Pause\r\n920=Urlaub\r\n");
        root.write(u"zeit/az2023024711.kvd"_s,
            "az202302064711=2023020608001600\r\npz202302064711=2023020600800920####\r\n");
        root.write(u"zeit/az2023034711.kvd"_s,
            "az202303014711=2023030108001600\r\npz202303014711=2023030100800920####\r\n"
            "az202303064711=2023030607301615\r\npz202303064711=2023030600400P100####\r\n");
    }

    void start()
    {
        PelinEnvironment env { messenger, codec, clock, settings, root.path(u"prog"_s), root.path(u"docs"_s),
            root.path(u"docs"_s), { u"pelin"_s } };
        form = std::make_unique<TMainForm>(env, VisualStyle::System);
        form->FormShow();
        form->findChild<QLineEdit*>(u"AnmeldeNameEdit"_s)->setText(u"Geheim"_s);
        form->LoginBtnClick();
        ASSERT_TRUE(messenger.messages.isEmpty()) << messenger.messages.join(u'|').toStdString();
    }

    void scramble(const QString& name, const QStringList& lines)
    {
        StringList list(lines);
        DataFileCodec korav(CodecProgram::Korav, messenger, [](int) {});
        ASSERT_TRUE(korav.SaveDataFile(root.path(name), list));
    }

    QLabel* label(const QString& name) const { return form->findChild<QLabel*>(name); }
};

} // namespace

TEST_F(AccountLabels, BalanceAndRemainingHolidayFollowTheSession)
{
    scramble(u"zeit/dkonto.kvd"_s, { u"kto4711=202302#600#2023#60#2#0#"_s });
    start();
    // 10:00 + 16:45 worked in March - 5/23 of 168:00 (36:31) owed up to today
    EXPECT_FALSE(label(u"KontostandLabel"_s)->isHidden());
    EXPECT_EQ(label(u"KontostandLabel"_s)->text(), u"Kontostand"_s);
    EXPECT_EQ(label(u"KontostandLabelWert"_s)->text(), u"-9:46 "_s);
    EXPECT_EQ(label(u"ResturlaubLabel"_s)->text(), u"Resturlaub"_s);
    EXPECT_EQ(label(u"ResturlaubLabelWert"_s)->text(), u"29 Tage"_s);

    form->ShowDate(QDate(2023, 3, 7));
    DaySheet& sheet = form->daySheet()->sheet();
    sheet.TimesPicked(u"08"_s, u"00"_s, u"12"_s, u"00"_s);
    sheet.ActivityChosen(u"920"_s, u"Urlaub"_s);
    sheet.HoursPicked(u"4"_s, u"00"_s);
    sheet.EinfgEintragBtnClick();
    form->daySheet()->LoadDisplayedDay();
    EXPECT_EQ(label(u"ResturlaubLabelWert"_s)->text(), u"28,5 Tage"_s);
    EXPECT_EQ(label(u"KontostandLabelWert"_s)->text(), u"-5:46 "_s);

    messenger.answerNext(kAnswerNo);
    form->LoginBtnClick();
    EXPECT_TRUE(label(u"KontostandLabel"_s)->isHidden());
    EXPECT_TRUE(label(u"ResturlaubLabelWert"_s)->isHidden());
}

TEST_F(AccountLabels, WithoutProvidedAccountsNothingNewIsShown)
{
    start();
    for (const QString& name :
        { u"KontostandLabel"_s, u"KontostandLabelWert"_s, u"ResturlaubLabel"_s, u"ResturlaubLabelWert"_s })
        EXPECT_TRUE(label(name)->isHidden()) << name.toStdString();
    EXPECT_FALSE(QFileInfo::exists(root.path(u"docs/pelin/dkonto.kvd"_s)));
}

TEST_F(AccountLabels, HolidayOfAnotherYearIsNotShown)
{
    scramble(u"zeit/dkonto.kvd"_s, { u"kto4711=202212#-120#2022#4#0#0#"_s });
    start();
    // Neither February nor March was in the provided balance.
    EXPECT_FALSE(label(u"KontostandLabel"_s)->isHidden());
    EXPECT_TRUE(label(u"ResturlaubLabel"_s)->isHidden());
}
