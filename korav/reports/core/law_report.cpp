#include "korav/reports/core/law_report.h"

#include "common/file_store.h"
#include "common/fixed_width.h"
#include "common/messenger.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/law_days.h"
#include "korav/reports/core/law_export_lines.h"

using namespace Qt::StringLiterals;
using namespace FixedWidth;

namespace {

const QString kSeparator = u' ' + QString(119, u'-');
constexpr LawRule kRules[] = { LawRule::WorkingTime, LawRule::Pause, LawRule::Rest, LawRule::SundayHoliday };

std::pair<int, int> MonthRange(const LawReportRequest& request)
{
    switch (request.mode) {
    case PeriodMode::Month:
        return { request.period.toInt(), request.period.toInt() };
    case PeriodMode::Quarter:
        return QuarterMonths(request.period);
    case PeriodMode::Year:
        break;
    }
    return { 1, 12 };
}

QString PeriodLabel(const LawReportRequest& request)
{
    switch (request.mode) {
    case PeriodMode::Month:
        return TwoDigits(request.period.toInt()) + u'/' + request.year;
    case PeriodMode::Quarter:
        return request.period + u"Q/"_s + request.year;
    case PeriodMode::Year:
        break;
    }
    return request.year;
}

// Date, weekday, start, end, working time, pause, rest and the finding.
QString Columns(const QStringList& f)
{
    return u"   "_s + Left(f[0], 10) + u"  "_s + Left(f[1], 3) + u"  "_s + Left(f[2], 6) + u"  "_s
        + Left(f[3], 6) + u"  "_s + Right(f[4], 8) + u"  "_s + Right(f[5], 6) + u"  "_s + Right(f[6], 8)
        + u"  "_s + f[7];
}

QString ColumnHead()
{
    return Columns({ u"Datum"_s, u"Tag"_s, u"Beginn"_s, u"Ende"_s, u"Arb.zeit"_s, u"Pause"_s, u"Ruhezeit"_s,
        u"Befund"_s });
}

QString FindingText(const LawFinding& finding)
{
    const LawDayValues& day = finding.day;
    return Columns({ finding.date.toString(u"dd.MM.yyyy"_s), ShortWeekday(finding.date), ClockText(day.start),
        ClockText(day.end), LawDurationText(day.working), LawDurationText(day.pause),
        finding.rest ? LawDurationText(*finding.rest) : QString(), finding.text });
}

QString CountText(const LawRuleCounts& counts)
{
    QString text = u"   Anzahl"_s;
    for (LawRule rule : kRules)
        text += u"   "_s + LawRuleSection(rule) + u' ' + LawRuleTitle(rule) + u": "_s
            + Int(counts.at(std::size_t(rule)), 3);
    return text;
}

class LawReportRun {
public:
    LawReportRun(const LawReportContext& context, const LawReportRequest& request)
        : context_(context),
          request_(request),
          activities_(context.activities),
          months_(MonthRange(request)),
          year_(request.year.toInt())
    {
    }

    LawReport run();

private:
    void addEmployee(const QString& name);
    QList<LawDay> periodDays(const QString& number, QList<int>& notChecked) const;
    std::optional<LawDay> dayBefore(const QString& number) const;

    const LawReportContext& context_;
    const LawReportRequest& request_;
    const LawActivities activities_;
    const std::pair<int, int> months_;
    const int year_;
    LawReport report_;
    LawRuleCounts total_ {};
};

LawReport LawReportRun::run()
{
    report_.lines << kSeparator << QString() << u" Arbeitszeitgesetz "_s + PeriodLabel(request_) << QString();
    const bool all = request_.employee == kAllEmployees;
    const QStringList names = all ? request_.employees.mid(1) : QStringList { request_.employee };
    for (const QString& name : names)
        addEmployee(name);
    report_.lines << Left(QString(), 20) + u"   Gesamtsumme"_s
                  << Left(QString(), 20) + u"   Gelistete Mitarbeiter"_s << CountText(total_) << QString()
                  << kSeparator << QString();
    return report_;
}

void LawReportRun::addEmployee(const QString& name)
{
    const std::optional<QString> number = context_.directory.personnelNumber(name);
    if (!number) {
        report_.lines << u"Für Mitarbeiter "_s + Left(name, 30) + u" sind keine Stammdaten vorhanden!"_s
                      << kSeparator << QString();
        return;
    }
    QList<int> notChecked;
    const QList<LawDay> days = periodDays(*number, notChecked);
    const QList<LawFinding> findings
        = CheckWorkingTimeLaw(days, activities_, context_.holidays, dayBefore(*number));
    report_.lines << u' ' + Left(name, 30) << QString() << ColumnHead();
    for (const LawFinding& finding : findings) {
        report_.lines << FindingText(finding);
        report_.exportLines << LawFindingLine(name, finding);
    }
    if (findings.isEmpty())
        report_.lines << u"   Keine Befunde"_s;
    report_.lines << QString();
    if (!notChecked.isEmpty()) {
        QStringList months;
        for (int m : notChecked)
            months << QString::number(m);
        report_.lines << u"   Ersatzweise erfasste Monate ohne Tageszeiten, nicht geprüft: "_s
                + months.join(u", "_s);
    }
    const LawRuleCounts counts = CountLawFindings(findings);
    report_.lines << CountText(counts) << kSeparator << QString();
    for (LawRule rule : kRules) {
        total_.at(std::size_t(rule)) += counts.at(std::size_t(rule));
        report_.exportLines << LawCountLine(name, PeriodLabel(request_), rule, counts.at(std::size_t(rule)));
    }
}

QList<LawDay> LawReportRun::periodDays(const QString& number, QList<int>& notChecked) const
{
    QList<LawDay> days;
    for (int month = months_.first; month <= months_.second; ++month) {
        if (const std::optional<QList<LawDay>> collected
            = CollectedLawDays(context_.dataRoot, number, year_, month)) {
            days << *collected;
            continue;
        }
        const QString korav = KoravMonthFile::CollectionFolder(context_.dataRoot, year_, month)
            + KoravMonthFile::FileName(year_, month, number);
        if (FileStore::Exists(korav))
            notChecked << month;
    }
    return days;
}

std::optional<LawDay> LawReportRun::dayBefore(const QString& number) const
{
    const QDate day = QDate(year_, months_.first, 1).addDays(-1);
    const std::optional<QList<LawDay>> month
        = CollectedLawDays(context_.dataRoot, number, day.year(), day.month());
    if (!month || month->isEmpty())
        return std::nullopt;
    return month->last();
}

bool Complete(const LawReportRequest& request)
{
    const int year = request.year.toInt();
    if (request.employee.isEmpty() || year < 1 || year > 9999)
        return false;
    if (request.mode == PeriodMode::Month)
        return request.period.toInt() >= 1 && request.period.toInt() <= 12;
    return request.mode == PeriodMode::Year || QuarterItems().contains(request.period);
}

} // namespace

QString LawRuleTitle(LawRule rule)
{
    switch (rule) {
    case LawRule::WorkingTime:
        return u"Höchstarbeitszeit"_s;
    case LawRule::Pause:
        return u"Ruhepausen"_s;
    case LawRule::Rest:
        return u"Ruhezeit"_s;
    case LawRule::SundayHoliday:
        break;
    }
    return u"Sonn- und Feiertagsarbeit"_s;
}

std::optional<LawReport> RunLawReport(const LawReportContext& context, const LawReportRequest& request)
{
    if (!Complete(request)) {
        context.messenger.show(u"Wählen Sie einen Mitarbeiter und einen Zeitraum !  "_s);
        return std::nullopt;
    }
    return LawReportRun(context, request).run();
}
