#pragma once

#include <QString>

// German names as the calendar and the reports show them.
QString WeekdayName(int weekday); // 1 Monday … 7 Sunday, else "Tag???"
QString MonthName(int month); // 1 … 12, else "Monat???"
QString WeekdayHeading(int weekday); // "Mo" … "So"
