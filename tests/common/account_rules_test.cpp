#include "common/account_rules.h"

#include "common/holiday_calendar.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace AccountRules;

TEST(AccountRules, MonthCountsOnceItHasDataOrIsPast)
{
    const QDate today(2024, 1, 15);
    const struct {
        int year;
        int month;
        bool hasData;
        bool counts;
    } cases[] = {
        { 2023, 12, false, true }, // the month before, across the year change, without data
        { 2023, 12, true, true },
        { 2023, 1, false, true },
        { 2024, 1, false, false }, // the current month counts only with data
        { 2024, 1, true, true },
        { 2024, 2, true, false }, // a later month never counts
        { 2025, 1, true, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(MonthCounts(c.year, c.month, c.hasData, today), c.counts) << c.year << '/' << c.month;
}

TEST(AccountRules, MonthContributionScalesTheTargetByTheDegree)
{
    const struct {
        int working;
        int fullTime;
        QString degree;
        int contribution;
    } cases[] = {
        { 9600, 9600, u"100"_s, 0 }, { 4800, 9600, u"50"_s, 0 }, { 5400, 9600, u"50"_s, 600 },
        { 0, 9600, u"62.5"_s, -6000 }, { 100, 0, u"80"_s, 100 }, // no target kept for the month
        { 0, 1001, u"50"_s, -500 }, // the scaled target is truncated
    };
    for (const auto& c : cases)
        EXPECT_EQ(MonthContribution(c.working, c.fullTime, c.degree), c.contribution)
            << c.working << ' ' << c.fullTime << ' ' << c.degree.toStdString();
}

TEST(AccountRules, HolidayDayCountsWholeOrHalfAgainstTheDailyTarget)
{
    const struct {
        int minutes;
        int dailyTarget;
        int halves;
    } cases[] = {
        { 480, 480, 2 }, { 500, 480, 2 }, { 479, 480, 1 }, { 240, 480, 1 }, { 235, 480, 0 }, { 0, 480, 0 },
        { 240, 240, 2 }, // an employee's own daily target of 4:00
        { 120, 240, 1 }, { 480, 0, 2 }, // no daily target: 8 hours
    };
    for (const auto& c : cases)
        EXPECT_EQ(HolidayHalves(c.minutes, c.dailyTarget), c.halves) << c.minutes << '/' << c.dailyTarget;
}

TEST(AccountRules, WorkingDaysSkipWeekendsAndPublicHolidays)
{
    const HolidayCalendar holidays(HolidaySettings {}, 2024);
    EXPECT_TRUE(IsWorkingDay(QDate(2024, 5, 2), holidays));
    EXPECT_FALSE(IsWorkingDay(QDate(2024, 5, 1), holidays)); // Labour Day
    EXPECT_FALSE(IsWorkingDay(QDate(2024, 5, 4), holidays)); // Saturday
    EXPECT_FALSE(IsWorkingDay(QDate(2024, 5, 5), holidays));
}

TEST(AccountRules, TargetUpToTodayIsTheShareOfWorkingDays)
{
    const HolidayCalendar holidays(HolidaySettings {}, 2024);
    // May 2024 has 20 working days: 23 weekdays less 1, 9 and 20 May
    // (Corpus Christi is a regional switch, off here).
    const struct {
        QDate today;
        int target;
    } cases[] = {
        { QDate(2024, 5, 1), 0 },
        { QDate(2024, 5, 2), 7200 / 20 },
        { QDate(2024, 5, 5), 2 * 7200 / 20 },
        { QDate(2024, 5, 31), 7200 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(TargetUpTo(7200, c.today, holidays), c.target)
            << c.today.toString(Qt::ISODate).toStdString();
}

TEST(AccountRules, BalanceTextsReadBackAndRefuseMalformedOnes)
{
    const struct {
        QString text;
        std::optional<int> minutes;
    } cases[] = {
        { u"12:30"_s, 750 },
        { u"-12:30"_s, -750 },
        { u"+0:05"_s, 5 },
        { u" 7 "_s, 420 },
        { u"-0:00"_s, 0 },
        { u"1:60"_s, std::nullopt },
        { u"1:5"_s, std::nullopt },
        { u"1,5"_s, std::nullopt },
        { u""_s, std::nullopt },
        { u"--1:00"_s, std::nullopt },
        { u"123456:00"_s, std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseBalance(c.text), c.minutes) << c.text.toStdString();
    for (const int minutes : { 0, 5, -5, 750, -750, 6000 })
        EXPECT_EQ(ParseBalance(BalanceText(minutes)), minutes) << minutes;
    EXPECT_EQ(BalanceText(-750), u"-12:30"_s);
    EXPECT_EQ(BalanceText(5), u"0:05"_s);
}

TEST(AccountRules, DaysTakeHalvesWithCommaOrPoint)
{
    const struct {
        QString text;
        std::optional<int> halves;
    } cases[] = {
        { u"30"_s, 60 },
        { u"27,5"_s, 55 },
        { u"27.5"_s, 55 },
        { u"2.0"_s, 4 },
        { u"0,5"_s, 1 },
        { u"2,25"_s, std::nullopt },
        { u"2,3"_s, std::nullopt },
        { u"-1"_s, std::nullopt },
        { u"1000"_s, std::nullopt },
        { u"x"_s, std::nullopt },
        { u""_s, std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDays(c.text), c.halves) << c.text.toStdString();
    EXPECT_EQ(DaysText(55), u"27,5"_s);
    EXPECT_EQ(DaysText(-3), u"-1,5"_s);
    EXPECT_EQ(StoredDays(55), u"27.5"_s);
    EXPECT_EQ(ParseDays(StoredDays(55)), 55);
}

TEST(AccountRules, OnlyActivitiesDescribedExactlyUrlaubAreHoliday)
{
    const HolidayActivities holidays(
        StringList({ u"U1=Urlaub"_s, u"U2=urlaub"_s, u"U3=Urlaub "_s, u"u1=Pause"_s, u"P=Projekt"_s }));
    EXPECT_TRUE(holidays.contains(u"U1"));
    EXPECT_TRUE(holidays.contains(u"u1")); // the first line of a key decides
    EXPECT_FALSE(holidays.contains(u"U2"));
    EXPECT_FALSE(holidays.contains(u"U3"));
    EXPECT_FALSE(holidays.contains(u"P"));
}
