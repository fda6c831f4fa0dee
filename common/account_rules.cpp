#include "common/account_rules.h"

#include "common/holiday_calendar.h"
#include "common/key_index.h"
#include "common/working_time.h"

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace AccountRules {

namespace {

constexpr int kMaxDays = 999;

bool AllDigits(QStringView text)
{
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

int WorkingDays(QDate first, QDate last, const HolidayCalendar& holidays)
{
    int days = 0;
    for (QDate d = first; d <= last; d = d.addDays(1))
        days += IsWorkingDay(d, holidays) ? 1 : 0;
    return days;
}

} // namespace

int MonthNumber(int year, int month)
{
    return year * 12 + month - 1;
}

bool MonthCounts(int year, int month, bool hasData, QDate today)
{
    const int number = MonthNumber(year, month);
    const int current = MonthNumber(today.year(), today.month());
    return number < current || (number == current && hasData);
}

int MonthContribution(int working, int fullTimeTarget, QStringView degree)
{
    return working - PersonalTarget(degree, fullTimeTarget);
}

bool IsWorkingDay(QDate date, const HolidayCalendar& holidays)
{
    return date.dayOfWeek() <= 5 && !holidays.isHoliday(date);
}

int HolidayHalves(int holidayMinutes, int dailyTarget)
{
    if (holidayMinutes <= 0)
        return 0;
    const int target = dailyTarget > 0 ? dailyTarget : 480;
    if (holidayMinutes >= target)
        return 2;
    return 2 * holidayMinutes >= target ? 1 : 0;
}

int TargetUpTo(int monthTarget, QDate today, const HolidayCalendar& holidays)
{
    const QDate first(today.year(), today.month(), 1);
    const int all = WorkingDays(first, first.addMonths(1).addDays(-1), holidays);
    if (all == 0)
        return monthTarget;
    return int(qint64(monthTarget) * WorkingDays(first, today, holidays) / all);
}

HolidayActivities::HolidayActivities(const StringList& activityList)
{
    const KeyIndex index(activityList);
    for (auto it = index.firstLines().cbegin(); it != index.firstLines().cend(); ++it) {
        if (StringList::ValueOf(activityList.at(it.value())) == u"Urlaub")
            numbers_.insert(it.key());
    }
}

bool HolidayActivities::contains(QStringView activityNumber) const
{
    return numbers_.contains(FoldedKey(activityNumber));
}

QString BalanceText(int minutes)
{
    const int absolute = std::abs(minutes);
    return (minutes < 0 ? u"-"_s : QString()) + QString::number(absolute / 60) + u':'
        + QString::number(absolute % 60).rightJustified(2, u'0');
}

std::optional<int> ParseBalance(QStringView text)
{
    text = text.trimmed();
    int sign = 1;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        sign = text.front() == u'-' ? -1 : 1;
        text = text.mid(1);
    }
    const qsizetype colon = text.indexOf(u':');
    const QStringView hours = colon < 0 ? text : text.left(colon);
    const QStringView minutes = colon < 0 ? QStringView(u"0") : text.mid(colon + 1);
    if (!AllDigits(hours) || hours.size() > 5 || !AllDigits(minutes) || minutes.size() != (colon < 0 ? 1 : 2))
        return std::nullopt;
    const int m = minutes.toInt();
    if (m >= 60)
        return std::nullopt;
    return sign * (hours.toInt() * 60 + m);
}

QString DaysText(int halves)
{
    const QString whole = QString::number(std::abs(halves) / 2);
    return (halves < 0 ? u"-"_s : QString()) + whole + (halves % 2 != 0 ? u",5"_s : QString());
}

std::optional<int> ParseDays(QStringView text)
{
    text = text.trimmed();
    qsizetype point = text.indexOf(u',');
    if (point < 0)
        point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if (!AllDigits(whole) || whole.size() > 3 || whole.toInt() > kMaxDays)
        return std::nullopt;
    if (point >= 0 && fraction != u"5" && fraction != u"0")
        return std::nullopt;
    return whole.toInt() * 2 + (fraction == u"5" ? 1 : 0);
}

QString StoredDays(int halves)
{
    return DaysText(halves).replace(u',', u'.');
}

} // namespace AccountRules
