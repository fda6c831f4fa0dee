#pragma once

#include <QDate>

#include <array>

// Gregorian calendar operations shared by both programs. Weekdays run from
// 1 (Monday) to 7 (Sunday).

bool IsLeapYear(int year);
// 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);
int WeekdayOf(QDate date);
// ISO 8601 week number.
int IsoWeekOf(QDate date);

// Easter Sunday by the anonymous Gregorian algorithm.
QDate EasterSunday(int year);
// The last Wednesday before 23 November.
QDate DayOfRepentance(int year);

// A month drawn as six rows of seven columns, Monday first; row 0 holds the
// week that contains the 1st.
class MonthLayout {
public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 7;

    MonthLayout(int year, int month);

    int year() const { return year_; }
    int month() const { return month_; }
    int daysInMonth() const { return daysInMonth_; }
    int firstWeekday() const { return firstWeekday_; }
    // Day of the month in a cell, or 0 for a cell before or after the month.
    int dayAt(int row, int column) const;
    // ISO week of the row's Monday.
    int weekLabel(int row) const { return weekLabels_.at(row); }
    // True when the row lies completely after the last day of the month.
    bool rowAfterMonthEnd(int row) const;

private:
    int year_;
    int month_;
    int daysInMonth_;
    int firstWeekday_;
    std::array<int, kRows> weekLabels_ {};
};
