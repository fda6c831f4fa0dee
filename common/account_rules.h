#pragma once

#include "common/string_list.h"

#include <QDate>
#include <QSet>
#include <QString>

#include <optional>

class HolidayCalendar;

// The rules of the working-time account and of the holiday account, shared
// by the administration program's report and PELIN's month values.
namespace AccountRules {

// Months counted from year 0, so that two months compare as numbers.
int MonthNumber(int year, int month);

// A month counts toward the working-time account once it has data or once
// it lies before the month of `today`; a month after that never counts.
bool MonthCounts(int year, int month, bool hasData, QDate today);

// Working time minus the month's own target: the full-time target of that
// month scaled by the employment degree.
int MonthContribution(int working, int fullTimeTarget, QStringView degree);

// Monday to Friday and no public holiday.
bool IsWorkingDay(QDate date, const HolidayCalendar& holidays);

// A day's share of holiday in halves of a day: the hours booked on holiday
// reach the daily target (2), reach half of it (1), or not (0). Only a
// working day can be a holiday day.
int HolidayHalves(int holidayMinutes, int dailyTarget);

// The month's target counted up to `today` only: the share of the month's
// working days up to and including today. A month without working days owes
// its whole target.
int TargetUpTo(int monthTarget, QDate today, const HolidayCalendar& holidays);

// The activity numbers described exactly "Urlaub", letter case of the number
// ignored as the list look-ups ignore it.
class HolidayActivities {
public:
    HolidayActivities() = default;
    explicit HolidayActivities(const StringList& activityList);

    bool contains(QStringView activityNumber) const;

private:
    QSet<QString> numbers_;
};

// Signed hours and minutes as entered and stored: "-12:30", "7:05", "0:00".
QString BalanceText(int minutes);
// "[+|-]H[:MM]" with minutes below 60; nothing for anything else.
std::optional<int> ParseBalance(QStringView text);

// Days in halves: "30", "27,5".
QString DaysText(int halves);
// Days with halves as entered ("27,5" or "27.5"), at most 999; nothing for
// anything else.
std::optional<int> ParseDays(QStringView text);
// Stored with a point: "27.5", "30".
QString StoredDays(int halves);

} // namespace AccountRules
