#include "common/calendar_dates.h"

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    default:
        return 0;
    }
}

int WeekdayOf(QDate date)
{
    return date.dayOfWeek();
}

int IsoWeekOf(QDate date)
{
    return date.weekNumber();
}

QDate EasterSunday(int year)
{
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return QDate(year, n / 31, n % 31 + 1);
}

QDate DayOfRepentance(int year)
{
    return QDate(year, 11, 23).addDays(-WeekdayOf(QDate(year, 12, 25)));
}

MonthLayout::MonthLayout(int year, int month)
    : year_(year),
      month_(month),
      daysInMonth_(DaysInMonth(year, month)),
      firstWeekday_(WeekdayOf(QDate(year, month, 1)))
{
    const QDate firstMonday = QDate(year, month, 1).addDays(1 - firstWeekday_);
    for (int row = 0; row < kRows; ++row)
        weekLabels_.at(row) = IsoWeekOf(firstMonday.addDays(7 * row));
}

int MonthLayout::dayAt(int row, int column) const
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return 0;
    const int day = row * kColumns + column + 2 - firstWeekday_;
    return day >= 1 && day <= daysInMonth_ ? day : 0;
}

bool MonthLayout::rowAfterMonthEnd(int row) const
{
    return row * kColumns + 2 - firstWeekday_ > daysInMonth_;
}
