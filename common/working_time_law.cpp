#include "common/working_time_law.h"

#include "common/key_index.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMinutesPerDay = 24 * 60;

bool IsAbsenceDescription(QStringView description)
{
    return description == u"Urlaub" || description == u"Krank" || description == u"Gleitfrei";
}

LawFinding Finding(const LawDay& day, const LawDayValues& values, LawRule rule, const QString& text)
{
    return { day.date, rule, text, values, std::nullopt };
}

QList<LawFinding> DayFindings(const LawDay& day, const LawDayValues& values)
{
    QList<LawFinding> findings;
    if (!values.worked)
        return findings;
    if (values.working > kMaxDailyWork)
        findings.append(
            Finding(day, values, LawRule::WorkingTime, u"Arbeitszeit über 10 Stunden (ArbZG §3)"_s));
    if (values.working > kLongPauseAfter && values.pause < kLongPause)
        findings.append(Finding(day, values, LawRule::Pause,
            u"Pause unter 45 Minuten bei mehr als 9 Stunden Arbeitszeit (ArbZG §4)"_s));
    else if (values.working > kShortPauseAfter && values.pause < kShortPause)
        findings.append(Finding(day, values, LawRule::Pause,
            u"Pause unter 30 Minuten bei mehr als 6 Stunden Arbeitszeit (ArbZG §4)"_s));
    return findings;
}

std::optional<LawFinding> RestFinding(
    const LawDay& before, const LawDayValues& beforeValues, const LawDay& day, const LawDayValues& values)
{
    if (!beforeValues.worked || !values.worked || before.date.daysTo(day.date) != 1)
        return std::nullopt;
    const int rest = kMinutesPerDay - beforeValues.end + values.start;
    if (rest >= kMinRest)
        return std::nullopt;
    LawFinding finding = Finding(day, values, LawRule::Rest, u"Ruhezeit unter 11 Stunden (ArbZG §5)"_s);
    finding.rest = rest;
    return finding;
}

std::optional<LawFinding> SundayHolidayFinding(
    const LawDay& day, const LawDayValues& values, const HolidayCalendar& calendar)
{
    if (!values.worked)
        return std::nullopt;
    const bool sunday = day.date.dayOfWeek() == Qt::Sunday;
    const QString holiday = calendar.holidayName(day.date).trimmed();
    if (!sunday && holiday.isEmpty())
        return std::nullopt;
    QString what = sunday ? u"Sonntag"_s : QString();
    if (!holiday.isEmpty())
        what += (sunday ? u" und Feiertag "_s : u"Feiertag "_s) + holiday;
    return Finding(day, values, LawRule::SundayHoliday, u"Arbeit am "_s + what + u" (ArbZG §9)"_s);
}

} // namespace

QString LawRuleSection(LawRule rule)
{
    switch (rule) {
    case LawRule::WorkingTime:
        return u"§3"_s;
    case LawRule::Pause:
        return u"§4"_s;
    case LawRule::Rest:
        return u"§5"_s;
    case LawRule::SundayHoliday:
        break;
    }
    return u"§9"_s;
}

LawActivities::LawActivities(const StringList& activityList) : pauses_(activityList)
{
    const KeyIndex index(activityList);
    for (auto it = index.firstLines().cbegin(); it != index.firstLines().cend(); ++it) {
        if (IsAbsenceDescription(StringList::ValueOf(activityList.at(it.value()))))
            absences_.insert(it.key());
    }
}

bool LawActivities::isAbsence(QStringView activityNumber) const
{
    return absences_.contains(FoldedKey(activityNumber));
}

LawDayValues LawValuesOf(const DayWork& day, const LawActivities& activities)
{
    LawDayValues values;
    if (!day.times.hasCome)
        return values;
    int absence = 0;
    bool onlyAbsences = !day.entries.isEmpty();
    for (const BookedMinutes& entry : day.entries) {
        if (activities.isPause(entry.activityNumber)) {
            values.pause += entry.minutes;
            onlyAbsences = false;
        } else if (activities.isAbsence(entry.activityNumber)) {
            absence += entry.minutes;
        } else {
            onlyAbsences = false;
        }
    }
    // Attendance counts the slots in either direction; so do start and end.
    const int come = SlotsOf(day.times.come) * 5;
    const int go = SlotsOf(day.times.go) * 5;
    values.start = std::min(come, go);
    values.end = std::max(come, go);
    values.working = AttendanceMinutes(day.times) - values.pause - absence;
    values.worked = !onlyAbsences && values.working > 0;
    return values;
}

QList<LawFinding> DayLawFindings(const DayWork& day, const LawActivities& activities)
{
    return DayFindings({ QDate(), day }, LawValuesOf(day, activities));
}

QString LawHintText(const QList<LawFinding>& findings)
{
    QStringList texts;
    for (const LawFinding& finding : findings)
        texts.append(finding.text);
    return texts.join(u" / "_s);
}

QList<LawFinding> CheckWorkingTimeLaw(const QList<LawDay>& days, const LawActivities& activities,
    const HolidaySettings& holidays, const std::optional<LawDay>& dayBefore)
{
    QList<LawFinding> findings;
    HolidayCalendar calendar(holidays, days.isEmpty() ? 2000 : days.first().date.year());
    std::optional<LawDay> before = dayBefore;
    LawDayValues beforeValues = before ? LawValuesOf(before->work, activities) : LawDayValues {};
    for (const LawDay& day : days) {
        calendar.setYear(day.date.year());
        const LawDayValues values = LawValuesOf(day.work, activities);
        findings.append(DayFindings(day, values));
        if (before) {
            if (std::optional<LawFinding> rest = RestFinding(*before, beforeValues, day, values))
                findings.append(*rest);
        }
        if (std::optional<LawFinding> sunday = SundayHolidayFinding(day, values, calendar))
            findings.append(*sunday);
        before = day;
        beforeValues = values;
    }
    return findings;
}

LawRuleCounts CountLawFindings(const QList<LawFinding>& findings)
{
    LawRuleCounts counts {};
    for (const LawFinding& finding : findings)
        ++counts.at(std::size_t(finding.rule));
    return counts;
}
