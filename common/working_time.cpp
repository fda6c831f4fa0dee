#include "common/working_time.h"

#include "common/key_index.h"
#include "common/number_parse.h"

#include <cstdlib>
#include <limits>

using namespace Qt::StringLiterals;

int DurationTextMinutes(QStringView hhhmm)
{
    const int n = ParseDecimalInt(hhhmm);
    return n / 100 * 60 + n % 100;
}

DayTimes DayTimes::FromFields(
    QStringView comeHour, QStringView comeMinute, QStringView goHour, QStringView goMinute)
{
    DayTimes times;
    times.hasCome = !comeHour.isEmpty();
    times.come = { ParseDecimalInt(comeHour), ParseDecimalInt(comeMinute) };
    times.go = { ParseDecimalInt(goHour), ParseDecimalInt(goMinute) };
    return times;
}

PauseActivities::PauseActivities(const StringList& activityList)
{
    const KeyIndex index(activityList);
    for (auto it = index.firstLines().cbegin(); it != index.firstLines().cend(); ++it) {
        if (StringList::ValueOf(activityList.at(it.value())) == u"Pause")
            numbers_.insert(it.key());
    }
}

bool PauseActivities::contains(QStringView activityNumber) const
{
    return numbers_.contains(FoldedKey(activityNumber));
}

int SlotsOf(ClockTime time)
{
    return time.hour * 12 + time.minute / 5;
}

int AttendanceMinutes(const DayTimes& times)
{
    if (!times.hasCome)
        return 0;
    return std::abs(SlotsOf(times.go) - SlotsOf(times.come)) * 5;
}

DayValues ComputeDayValues(const DayWork& day, const PauseActivities& pauses)
{
    DayValues values;
    values.hasCome = day.times.hasCome;
    values.attendance = AttendanceMinutes(day.times);
    for (const BookedMinutes& entry : day.entries) {
        if (pauses.contains(entry.activityNumber))
            values.pause += entry.minutes;
        else
            values.assigned += entry.minutes;
    }
    return values;
}

DayState DayStateOf(const DayValues& values)
{
    // Entries without coming and going: the day is not finished.
    if (!values.hasCome && (values.pause > 0 || values.assigned > 0))
        return kDayOpenTimeLeft;
    const int working = values.working();
    if (working > 0) {
        if (values.assigned == working)
            return kDayFullyAssigned;
        return values.assigned < working ? kDayOpenTimeLeft : kDayOverAssigned;
    }
    if (values.attendance > 0 && values.pause > 0)
        return kDayPauseOnly;
    return kDayNoData;
}

MonthValues ComputeMonthValues(const QList<DayWork>& days, const PauseActivities& pauses, int target)
{
    MonthValues month;
    month.target = target;
    for (qsizetype i = 0; i < days.size() && i < 31; ++i) {
        const DayValues day = ComputeDayValues(days.at(i), pauses);
        month.attendance += day.attendance;
        month.pause += day.pause;
        month.assigned += day.assigned;
        month.dayStates.at(i + 1) = DayStateOf(day);
    }
    return month;
}

namespace {

// A decimal number read from the start of a text as mantissa / scale.
struct Decimal {
    qint64 mantissa = 0;
    qint64 scale = 1;
};

Decimal ReadLeadingDecimal(QStringView text)
{
    constexpr qint64 kMantissaLimit = 1'000'000'000;
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    Decimal number;
    bool inFraction = false;
    for (; i < text.size(); ++i) {
        if (text[i] == u'.' && !inFraction) {
            inFraction = true;
            continue;
        }
        if (text[i] < u'0' || text[i] > u'9')
            break;
        if (number.mantissa >= kMantissaLimit / 10) {
            if (!inFraction)
                number.mantissa = kMantissaLimit;
            continue;
        }
        number.mantissa = number.mantissa * 10 + (text[i].unicode() - u'0');
        if (inFraction)
            number.scale *= 10;
    }
    if (negative)
        number.mantissa = -number.mantissa;
    return number;
}

} // namespace

int PersonalTarget(QStringView degree, int fullTimeTarget)
{
    const Decimal d = ReadLeadingDecimal(degree);
    const qint64 target = d.mantissa * fullTimeTarget / (d.scale * 100);
    constexpr qint64 kMax = std::numeric_limits<int>::max();
    return int(qBound(-kMax, target, kMax));
}

bool ExceedsOpenTimeLimit(const DayValues& values)
{
    return values.open() >= kOpenTimeLimit;
}

QString OpenTimeLimitMessage()
{
    return u"Der maximale Offen-Wert wurde überschritten (max.200 Std.)"_s;
}
