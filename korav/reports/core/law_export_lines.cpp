#include "korav/reports/core/law_export_lines.h"

#include "common/fixed_width.h"
#include "korav/reports/core/law_report.h"

using namespace Qt::StringLiterals;
using namespace FixedWidth;

namespace {

QString Line(const QString& type, const QString& employee, const QString& date, const QStringList& times,
    const QString& rule, const QString& count, const QString& text)
{
    QString line = Left(type, 5) + u' ' + Left(employee, 30) + u' ' + Left(date, 10) + u' ';
    const int widths[] = { 3, 5, 5, 6, 6, 6 };
    for (int i = 0; i < 6; ++i)
        line += Right(times.value(i), widths[i]) + u' ';
    return line + Left(rule, 3) + u' ' + Right(count, 5) + u' ' + text;
}

} // namespace

QString ClockText(int minutes)
{
    return TwoDigits(minutes / 60) + u':' + TwoDigits(minutes % 60);
}

QString LawDurationText(int minutes)
{
    return HoursMinutes(minutes, 3);
}

QString ShortWeekday(QDate date)
{
    static const QString names[] = { u"Mo"_s, u"Di"_s, u"Mi"_s, u"Do"_s, u"Fr"_s, u"Sa"_s, u"So"_s };
    return names[(date.dayOfWeek() + 6) % 7];
}

QString LawFindingLine(const QString& employee, const LawFinding& finding)
{
    const LawDayValues& day = finding.day;
    const QStringList times = { ShortWeekday(finding.date), ClockText(day.start), ClockText(day.end),
        LawDurationText(day.working), LawDurationText(day.pause),
        finding.rest ? LawDurationText(*finding.rest) : QString() };
    return Line(u"Tag"_s, employee, finding.date.toString(u"dd.MM.yyyy"_s), times,
        LawRuleSection(finding.rule), QString(), finding.text);
}

QString LawCountLine(const QString& employee, const QString& period, LawRule rule, int count)
{
    return Line(
        u"Summe"_s, employee, period, {}, LawRuleSection(rule), QString::number(count), LawRuleTitle(rule));
}
