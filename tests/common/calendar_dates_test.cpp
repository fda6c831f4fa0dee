#include "common/calendar_dates.h"

#include <gtest/gtest.h>

TEST(CalendarDates, LeapYearsAndDaysOfMonth)
{
    const struct {
        int year, month, days;
    } cases[] = {
        { 2024, 2, 29 },
        { 2023, 2, 28 },
        { 1900, 2, 28 },
        { 2000, 2, 29 },
        { 2024, 1, 31 },
        { 2024, 4, 30 },
        { 2024, 7, 31 },
        { 2024, 8, 31 },
        { 2024, 9, 30 },
        { 2024, 11, 30 },
        { 2024, 12, 31 },
        { 2024, 13, 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << '-' << c.month;
}

TEST(CalendarDates, WeekdayRunsFromMondayToSunday)
{
    EXPECT_EQ(WeekdayOf(QDate(2024, 3, 25)), 1);
    EXPECT_EQ(WeekdayOf(QDate(2024, 3, 31)), 7);
    EXPECT_EQ(WeekdayOf(QDate(2023, 12, 25)), 1);
}

TEST(CalendarDates, EasterByTheAnonymousAlgorithm)
{
    const std::pair<int, QDate> cases[] = {
        { 2024, QDate(2024, 3, 31) },
        { 2008, QDate(2008, 3, 23) },
        { 2019, QDate(2019, 4, 21) },
        { 2038, QDate(2038, 4, 25) },
        { 1981, QDate(1981, 4, 19) },
        { 2285, QDate(2285, 3, 22) },
    };
    for (const auto& [year, easter] : cases)
        EXPECT_EQ(EasterSunday(year), easter) << year;
}

TEST(CalendarDates, DayOfRepentanceIsTheLastWednesdayBefore23November)
{
    EXPECT_EQ(DayOfRepentance(2023), QDate(2023, 11, 22));
    EXPECT_EQ(DayOfRepentance(2024), QDate(2024, 11, 20));
    for (int year = 1980; year <= 2030; ++year) {
        const QDate day = DayOfRepentance(year);
        EXPECT_EQ(day.dayOfWeek(), 3) << year;
        EXPECT_GE(day.day(), 16) << year;
        EXPECT_LE(day.day(), 22) << year;
    }
}

TEST(MonthLayout, RowsAreLabelledWithTheIsoWeekOfTheirMonday)
{
    const struct {
        int year, month;
        std::array<int, 6> weeks;
    } cases[] = {
        { 2021, 1, { 53, 1, 2, 3, 4, 5 } },
        { 2024, 12, { 48, 49, 50, 51, 52, 1 } },
        { 2022, 1, { 52, 1, 2, 3, 4, 5 } },
    };
    for (const auto& c : cases) {
        const MonthLayout layout(c.year, c.month);
        for (int row = 0; row < MonthLayout::kRows; ++row)
            EXPECT_EQ(layout.weekLabel(row), c.weeks.at(row)) << c.year << '-' << c.month << " row " << row;
    }
}

TEST(MonthLayout, PlacesDaysUnderTheirWeekdays)
{
    // February 2021 starts on a Monday and fills exactly four rows.
    const MonthLayout february(2021, 2);
    EXPECT_EQ(february.firstWeekday(), 1);
    EXPECT_EQ(february.dayAt(0, 0), 1);
    EXPECT_EQ(february.dayAt(3, 6), 28);
    EXPECT_EQ(february.dayAt(4, 0), 0);
    EXPECT_FALSE(february.rowAfterMonthEnd(3));
    EXPECT_TRUE(february.rowAfterMonthEnd(4));

    // August 2021 starts on a Sunday and needs all six rows.
    const MonthLayout august(2021, 8);
    EXPECT_EQ(august.dayAt(0, 5), 0);
    EXPECT_EQ(august.dayAt(0, 6), 1);
    EXPECT_EQ(august.dayAt(5, 1), 31);
    EXPECT_EQ(august.dayAt(5, 2), 0);
    EXPECT_FALSE(august.rowAfterMonthEnd(5));
    EXPECT_EQ(august.dayAt(-1, 0), 0);
    EXPECT_EQ(august.dayAt(0, 7), 0);
}
