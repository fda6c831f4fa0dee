#include "korav/core/activity_chooser.h"
#include "korav/core/month_hours_picker.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using Outcome = MonthHoursPicker::Outcome;

TEST(MonthHoursPicker, AtMostThreeDigitsMakeTheHours)
{
    ScriptedMessenger messenger;
    MonthHoursPicker picker(messenger);
    picker.start(MonthHoursPicker::kMonthWorkTime, 5);
    EXPECT_EQ(picker.clickDigit(9), Outcome::Waiting);
    EXPECT_EQ(picker.clickDigit(9), Outcome::Waiting);
    EXPECT_EQ(picker.clickMinute(0), Outcome::Taken);
    EXPECT_EQ(picker.hourText(), u"99"_s);
    EXPECT_EQ(picker.minuteText(), u"00"_s);

    picker.start(MonthHoursPicker::kMonthWorkTime, 5);
    for (const int digit : { 0, 1, 2, 3 })
        picker.clickDigit(digit);
    EXPECT_EQ(picker.typedDigits(), u"012"_s);
    EXPECT_EQ(picker.highlightedDigit(), 3);
    EXPECT_EQ(picker.clickMinute(5), Outcome::Taken);
    EXPECT_EQ(picker.hourText(), u"12"_s);
    EXPECT_EQ(picker.minuteText(), u"05"_s);
}

TEST(MonthHoursPicker, QuarterHourPrecisionIgnoresOtherMinutes)
{
    ScriptedMessenger messenger;
    MonthHoursPicker picker(messenger);
    picker.start(MonthHoursPicker::kEntryDuration, 15);
    picker.clickDigit(2);
    EXPECT_FALSE(picker.minuteReacts(5));
    EXPECT_EQ(picker.clickMinute(5), Outcome::Waiting);
    EXPECT_FALSE(picker.minutes());
    EXPECT_EQ(picker.clickMinute(45), Outcome::Taken);
    EXPECT_EQ(picker.minuteText(), u"45"_s);
}

TEST(MonthHoursPicker, ZeroAndTheDailyLimitByTag)
{
    struct Case {
        int tag;
        int hours;
        int minute;
        Outcome outcome;
        QString message;
    };
    const Case cases[] = {
        { MonthHoursPicker::kEntryDuration, 0, 0, Outcome::Refused, u"Projektzeit muss größer 0 sein  "_s },
        { MonthHoursPicker::kMonthWorkTime, 0, 0, Outcome::Closed, {} },
        { MonthHoursPicker::kDailyTarget, 0, 0, Outcome::Closed, {} },
        { MonthHoursPicker::kDailyTarget, 24, 0, Outcome::Taken, {} },
        { MonthHoursPicker::kDailyTarget, 24, 5, Outcome::Refused,
            u"Die maximale tägliche Arbeitszeit beträgt 24 Stunden !"_s },
        { MonthHoursPicker::kDailyTarget, 25, 0, Outcome::Refused,
            u"Die maximale tägliche Arbeitszeit beträgt 24 Stunden !"_s },
        { MonthHoursPicker::kMonthWorkTime, 250, 30, Outcome::Taken, {} },
    };
    for (const Case& c : cases) {
        ScriptedMessenger messenger;
        MonthHoursPicker picker(messenger);
        picker.start(c.tag, 5);
        for (const QChar digit : QString::number(c.hours))
            picker.clickDigit(digit.digitValue());
        EXPECT_EQ(picker.clickMinute(c.minute), c.outcome) << c.tag << ' ' << c.hours << ':' << c.minute;
        EXPECT_EQ(messenger.messages, c.message.isEmpty() ? QStringList() : QStringList { c.message });
        if (c.outcome == Outcome::Refused) {
            EXPECT_TRUE(picker.typedDigits().isEmpty());
            EXPECT_FALSE(picker.minutes());
        }
    }
}

TEST(MonthHoursPicker, ClearForgetsTheHoursOnly)
{
    ScriptedMessenger messenger;
    MonthHoursPicker picker(messenger);
    picker.start(MonthHoursPicker::kMonthWorkTime, 5);
    picker.clickDigit(7);
    picker.clearHours();
    EXPECT_TRUE(picker.typedDigits().isEmpty());
    EXPECT_FALSE(picker.highlightedDigit());
    EXPECT_EQ(picker.clickMinute(30), Outcome::Waiting);
    EXPECT_EQ(picker.clickDigit(8), Outcome::Taken);
    EXPECT_EQ(picker.hourText(), u"8"_s);
}

namespace {

struct Chooser : ::testing::Test {
    Chooser()
    {
        f.write(u"zprojekte.kvd"_s, kBom + "P-20=Umbau Halle\r\np-100=Neubau\r\n");
        f.write(u"zsonstige.kvd"_s, kBom + "S1=Pause\r\nS2=Krank\r\nS3=Pause\r\n");
    }
    KoravFixture f;
};

} // namespace

TEST_F(Chooser, ListsAndCaptionsByTag)
{
    EXPECT_EQ(ActivityChooser::BuildList(f.store, ActivityChooser::kProjects).lines(),
        (QStringList { u"P-20=Umbau Halle"_s, u"p-100=Neubau"_s }));
    EXPECT_EQ(ActivityChooser::BuildList(f.store, ActivityChooser::kOtherActivities).size(), 3);
    EXPECT_EQ(ActivityChooser::BuildList(f.store, ActivityChooser::kEntryKey).lines(),
        (QStringList { u"P-20=Umbau Halle"_s, u"p-100=Neubau"_s, u"S2=Krank"_s, u"S3=Pause"_s }));
    EXPECT_EQ(ActivityChooser::BuildList(f.store, ActivityChooser::kProjectOverview).lines().first(),
        u"00-Alle=Alle Tätigkeiten"_s);
    EXPECT_EQ(ActivityChooser::Caption(ActivityChooser::kProjects), u"  Projekte"_s);
    EXPECT_EQ(ActivityChooser::Caption(ActivityChooser::kOtherActivities), u"  Sonstige Tätigkeiten"_s);
    EXPECT_EQ(ActivityChooser::Caption(ActivityChooser::kEntryKey), u"  Projekte und Sonstige Tätigkeiten"_s);
    EXPECT_EQ(ActivityChooser::Caption(ActivityChooser::kProjectOverview),
        u"  Projekte und Sonstige Tätigkeiten"_s);

    KoravFixture empty;
    EXPECT_TRUE(ActivityChooser::BuildList(empty.store, ActivityChooser::kProjectOverview).isEmpty());
}

TEST_F(Chooser, RowsSortedByKeyAndSearchedAnywhereInAnyCase)
{
    const StringList list = ActivityChooser::BuildList(f.store, ActivityChooser::kEntryKey);
    EXPECT_EQ(ActivityChooser::Rows(list, u""),
        (QStringList { u"p-100=Neubau"_s, u"P-20=Umbau Halle"_s, u"S2=Krank"_s, u"S3=Pause"_s }));
    EXPECT_EQ(
        ActivityChooser::Rows(list, u"BAU"), (QStringList { u"p-100=Neubau"_s, u"P-20=Umbau Halle"_s }));
    EXPECT_EQ(ActivityChooser::Rows(list, u"s3"), QStringList { u"S3=Pause"_s });
    // The key is padded to 14 and followed by two blanks; the search text is cut to 14.
    EXPECT_EQ(ActivityChooser::Rows(list, u"20            Xyz"), QStringList { u"P-20=Umbau Halle"_s });
    EXPECT_TRUE(ActivityChooser::Rows(list, u"nichts").isEmpty());
}
