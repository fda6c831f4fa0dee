#include "korav/reports/core/employee_overview.h"

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/employee_file_records.h"
#include "common/fixed_width.h"
#include "common/key_index.h"
#include "common/messenger.h"
#include "common/working_time.h"
#include "korav/reports/core/employee_month.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/month_target.h"
#include "korav/reports/core/report_names.h"
#include "korav/reports/core/year_target_files.h"

#include <QHash>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using namespace FixedWidth;

namespace {

constexpr int kTargetRead = 180;

const QString kSeparator = u' ' + QString(119, u'-');

// A month's target: none when neither the target record nor the year's
// target file holds one for it.
using Target = std::optional<int>;
using YearTargets = std::array<Target, 12>;

std::optional<double> TargetHours(Target minutes)
{
    return minutes ? std::optional(DecimalHours(*minutes)) : std::nullopt;
}

AZeitValues MonthValues(const EmployeeMonth& month, Target target)
{
    const int working = month.hasData ? month.working() : 0;
    const Target difference = target ? Target(working - *target) : std::nullopt;
    if (!month.hasData)
        return { 0, 0, 0, TargetHours(target), TargetHours(difference), 0, 0 };
    return { DecimalHours(month.attendance), DecimalHours(month.pause), DecimalHours(working),
        TargetHours(target), TargetHours(difference), DecimalHours(month.assigned()),
        DecimalHours(month.open()) };
}

// Decimal hours as the export line carries them, read back. The hours of
// whole minutes have hundredths ending in 0, 1/3 or 2/3, never near a
// rounding tie, so rounding them in binary gives the printed value without
// printing it.
double Cut(double hours)
{
    return std::round(hours * 100) / 100;
}

class OverviewBuilder {
public:
    OverviewBuilder(const EmployeeOverviewContext& context, const EmployeeOverviewRequest& request)
        : c_(context), r_(request), year_(request.year.toInt())
    {
    }

    EmployeeOverviewReport run();

private:
    struct PeriodSums {
        int attendance = 0, pause = 0, working = 0, target = 0, difference = 0, assigned = 0, open = 0;
        AZeitSums decimals {};
        ActivityMinutes activities;
    };

    bool monthMode() const { return r_.mode == PeriodMode::Month; }
    void add(const QString& line = QString()) { report_.lines.append(line); }
    void progress(int value) const
    {
        if (c_.progress)
            c_.progress(value, maximum_);
    }
    QString exportPeriod() const { return r_.mode == PeriodMode::Year ? u"ges"_s : r_.period + u'Q'; }
    void employee(const QString& name);
    YearTargets fullTargets(const QString& name, const QString& number);
    void month(const QString& name, const QString& number, int m, Target target, PeriodSums& sums);
    void monthModeBlock(
        const QString& name, int m, Target target, Target fullTarget, const EmployeeMonth& month);
    void periodMonthLine(
        const QString& name, int m, Target target, const EmployeeMonth& month, PeriodSums& sums);
    void monthExport(const QString& name, int m, Target target, const EmployeeMonth& month);
    void periodTotal(const QString& name, const PeriodSums& sums);
    void activityBlock(const QString& name, const PeriodSums& sums);
    void closing();

    const EmployeeOverviewContext& c_;
    const EmployeeOverviewRequest& r_;
    int year_;
    int first_ = 1;
    int last_ = 12;
    int maximum_ = 0;
    int reportAssigned_ = 0;
    StringList projects_;
    KeyIndex descriptions_;
    std::optional<EmployeeMonthReader> reader_;
    StringList employeeFile_;
    std::optional<KeyIndex> targetRecords_;
    YearTargetFiles yearTargets_ { c_.dataRoot };
    KeyIndex numbers_ { c_.directory.numbers };
    KeyIndex degrees_ { c_.directory.degrees };
    KeyIndex shortNames_ { c_.directory.shortNames };
    YearTargets fullTargets_ {};
    double degree_ = 100.0;
    EmployeeOverviewReport report_;
};

EmployeeOverviewReport OverviewBuilder::run()
{
    if (monthMode())
        first_ = last_ = r_.period.toInt();
    else if (r_.mode == PeriodMode::Quarter)
        std::tie(first_, last_) = QuarterMonths(r_.period);
    const bool all = r_.employee == kAllEmployees;
    const QStringList range = all ? r_.employees.mid(1) : QStringList { r_.employee };
    add(kSeparator);
    add();
    maximum_ = int(range.size()) + 4;
    progress(0);
    projects_ = KoravMonthFile::LoadLines(c_.dataRoot + u"dprojekte.kvd"_s);
    descriptions_ = KeyIndex(projects_);
    reader_.emplace(c_.dataRoot, projects_);
    progress(2);
    c_.codec.LoadDataFile(c_.dataRoot + u"dama.kvd"_s, employeeFile_);
    targetRecords_.emplace(employeeFile_);
    progress(5);
    int done = 0;
    for (const QString& name : range) {
        employee(name);
        progress(++done);
        add(kSeparator);
        add();
    }
    closing();
    add(kSeparator);
    add();
    progress(0);
    return report_;
}

// A month's target is the one PELIN was given for that month and year;
// months the record no longer covers, a past year's above all, take it
// from that year's target file.
YearTargets OverviewBuilder::fullTargets(const QString& name, const QString& number)
{
    const QString record
        = targetRecords_->value(EmployeeFile::TargetRecordKey(number)).value_or(QString()).left(kTargetRead);
    const std::optional<QString> shortName = shortNames_.value(name);
    YearTargets targets;
    for (int m = 1; m <= 12; ++m)
        targets[std::size_t(m - 1)] = MonthFullTime(record, yearTargets_, shortName, year_, m);
    if (std::none_of(targets.begin(), targets.end(), [](Target t) { return t.has_value(); }))
        c_.messenger.show(u"Für Mitarbeiter "_s + name + u" sind für das Jahr "_s + FourDigits(year_)
            + u" keine Monats-Sollzeiten vorhanden !  "_s);
    return targets;
}

void OverviewBuilder::employee(const QString& name)
{
    const std::optional<QString> number = numbers_.value(name);
    if (!number) {
        add(u"Für Mitarbeiter "_s + Left(name, 30) + u" sind keine Stammdaten vorhanden!"_s);
        return;
    }
    fullTargets_ = fullTargets(name, *number);
    const std::optional<QString> degree = degrees_.value(name);
    degree_ = degree ? LeadingDecimal(*degree) : 100.0;
    PeriodSums sums;
    if (!monthMode()) {
        add(u' ' + Left(name, 30)
            + u"   Anwesenh.      Pause   Arb.zeit   Sollzeit      Diff.    Tätigk.      Offen"_s);
        add(u' ' + Left(QString(), 20) + u' ' + Left(QString(), 8)
            + u"            1          2     1-2= 3          4     3-4= 5          6     3-6= 7"_s);
        add();
    }
    for (int m = first_; m <= last_; ++m) {
        const Target full = fullTargets_[std::size_t(m - 1)];
        month(name, *number, m, full ? Target(int(*full * degree_ * 0.01)) : std::nullopt, sums);
    }
    if (!monthMode())
        activityBlock(name, sums);
}

void OverviewBuilder::month(
    const QString& name, const QString& number, int m, Target target, PeriodSums& sums)
{
    const EmployeeMonth month = reader_->read(number, year_, m, target.value_or(0));
    sums.activities.add(month.activities);
    if (target) {
        sums.target += *target;
        sums.difference -= *target;
    }
    if (month.hasData) {
        sums.attendance += month.attendance;
        sums.pause += month.pause;
        sums.working += month.working();
        if (target)
            sums.difference += month.working();
        sums.assigned += month.assigned();
        sums.open += month.open();
        reportAssigned_ += month.assigned();
    }
    if (monthMode()) {
        monthModeBlock(name, m, target, fullTargets_[std::size_t(m - 1)], month);
        monthExport(name, m, target, month);
    } else
        periodMonthLine(name, m, target, month, sums);
}

void OverviewBuilder::monthModeBlock(
    const QString& name, int m, Target target, Target fullTarget, const EmployeeMonth& month)
{
    const QString period = TwoDigits(m) + u'/' + FourDigits(year_);
    if (!month.hasData) {
        add(u' ' + Left(name, 30) + u" Zeitdaten "_s + period + u" - keine Daten vorhanden"_s);
        add();
        return;
    }
    const QString lead = Left(QString(), 31) + u' ';
    const auto value = [&](const QString& label, int minutes) {
        add(lead + Left(label, 20) + u' ' + HoursMinutes(minutes, 6));
    };
    add(u' ' + Left(name, 30) + u" Zeitdaten "_s + period + u" Stand: "_s + month.stand.left(16) + u" ("_s
        + month.marker + u')');
    add();
    value(u"Anwesenheit"_s, month.attendance);
    value(u"Pausenzeit"_s, month.pause);
    add();
    // A pause longer than the attendance leaves a negative working time,
    // signed like a difference rather than with a sign on each field.
    add(lead + Left(u"Arbeitszeit"_s, 20) + u' ' + MonthSigned(month.working()));
    const bool hasTarget = target.value_or(0) > 0;
    const QString targetText = hasTarget ? HoursMinutes(*target, 6) + u' ' : u"      ---"_s;
    const QString fullText = fullTarget.value_or(0) > 0 ? HoursMinutes(*fullTarget, 4) + u' ' : u"  ---"_s;
    add(lead + Left(u"Sollzeit"_s, 20) + u' ' + targetText + u"   ( "_s
        + QString::number(degree_, 'f', 2).rightJustified(3, u' ') + u"% von "_s + fullText + u" )"_s);
    add(lead + Left(u"Arb.zeit - Sollzeit"_s, 20) + u' '
        + (hasTarget ? MonthSigned(month.working() - *target) : u"      ---"_s));
    add();
    add();
    add(lead + u"Zugeordnete Tätigkeiten einzeln"_s);
    add();
    for (const ActivityMinutes::Item& item : month.activities.sorted())
        add(lead + Left(item.key, 20) + u' ' + HoursMinutes(item.minutes, 6) + u"   "_s
            + descriptions_.value(item.key).value_or(QString()));
    add();
    value(u"Gesamt"_s, month.assigned());
    add();
    add(lead + Left(u"Arb.Zeit - Zugeo.Zeit"_s, 25));
    add(lead + Left(u"= Offene Zeit"_s, 20) + u' ' + MonthSigned(month.open()));
    add();
}

// The workbook of a month overview gets the month's lines in the layout of
// the period overviews, its activities in the order of the text.
void OverviewBuilder::monthExport(const QString& name, int m, Target target, const EmployeeMonth& month)
{
    report_.exportLines.append(AZeitMonthLine(name, year_, m, MonthValues(month, target), month.marker));
    if (month.activities.isEmpty())
        return;
    double decimalSum = 0;
    for (const ActivityMinutes::Item& item : month.activities.sorted()) {
        report_.exportLines.append(PZeitLine(name, year_, item.key, DecimalHours(item.minutes)));
        decimalSum += Cut(DecimalHours(item.minutes));
    }
    report_.exportLines.append(PZeitTotalLine(name, year_, TwoDigits(m), decimalSum));
}

void OverviewBuilder::periodMonthLine(
    const QString& name, int m, Target target, const EmployeeMonth& month, PeriodSums& sums)
{
    const QString head = Left(QString(), 20) + u" : "_s + TwoDigits(m) + u'/' + FourDigits(year_) + u"   "_s;
    const QString marker = u"  ("_s + month.marker + u')';
    const QString none = Right(u"---"_s, 10);
    const int working = month.hasData ? month.working() : 0;
    const QString targetText = target ? HoursMinutes(*target, 7) : none;
    const QString difference = target ? PeriodSigned(working - *target) : none;
    if (month.hasData)
        add(head + HoursMinutes(month.attendance, 7) + u' ' + HoursMinutes(month.pause, 7) + u' '
            + PeriodSigned(working) + u' ' + targetText + u' ' + difference + u' '
            + HoursMinutes(month.assigned(), 7) + u' ' + PeriodSigned(month.open()) + marker);
    else
        add(head + none + u' ' + none + u' ' + none + u' ' + targetText + u' ' + Right(difference, 10) + u' '
            + none + u' ' + none + marker);
    const AZeitValues values = MonthValues(month, target);
    report_.exportLines.append(AZeitMonthLine(name, year_, m, values, month.marker));
    for (std::size_t i = 0; i < values.size(); ++i)
        sums.decimals[i] += Cut(values[i].value_or(0));
    if (m == last_)
        periodTotal(name, sums);
}

void OverviewBuilder::periodTotal(const QString& name, const PeriodSums& sums)
{
    const QString label = r_.mode == PeriodMode::Year ? QString(FourDigits(year_) + u"ges"_s)
                                                      : QString(r_.period + u"Q/"_s + FourDigits(year_));
    add();
    add(Left(QString(), 20) + u" : "_s + Left(label, 9) + u' ' + HoursMinutes(sums.attendance, 7) + u' '
        + HoursMinutes(sums.pause, 7) + u' ' + PeriodSigned(sums.working) + u' '
        + HoursMinutes(sums.target, 7) + u' ' + PeriodSigned(sums.difference) + u' '
        + HoursMinutes(sums.assigned, 7) + u' ' + PeriodSigned(sums.open));
    add();
    report_.exportLines.append(AZeitTotalLine(name, year_, exportPeriod(), sums.decimals));
}

void OverviewBuilder::activityBlock(const QString& name, const PeriodSums& sums)
{
    const QString lead = Left(QString(), 20) + u" : "_s;
    add();
    add(Left(QString(), 20) + u' ' + Left(u"Zugeordnete Tätigk."_s, 20));
    add();
    if (sums.activities.isEmpty()) {
        add(Left(QString(), 30) + u" : Es sind keine Projektzeiten vorhanden"_s);
        add();
        return;
    }
    double decimalSum = 0;
    for (const ActivityMinutes::Item& item : sums.activities.items()) {
        add(lead + Left(item.key, 19) + u' ' + HoursMinutes(item.minutes, 6) + u"   "_s
            + descriptions_.value(item.key).value_or(QString()));
        report_.exportLines.append(PZeitLine(name, year_, item.key, DecimalHours(item.minutes)));
        decimalSum += Cut(DecimalHours(item.minutes));
    }
    const QString yearText = r_.year.left(4).leftJustified(4, u' ');
    const QString label = r_.mode == PeriodMode::Year ? QString(yearText + u"ges"_s)
                                                      : QString(r_.period + u"Q/"_s + yearText);
    add();
    add(lead + Left(label, 18) + u' ' + HoursMinutes(sums.activities.total(), 7));
    report_.exportLines.append(PZeitTotalLine(name, year_, exportPeriod(), decimalSum));
    add();
}

void OverviewBuilder::closing()
{
    const QString lead
        = monthMode() ? QString(Left(QString(), 31) + u' ') : QString(Left(QString(), 20) + u"   "_s);
    add(lead + u"Gesamtsumme"_s);
    add(lead + u"Gelistete Mitarbeiter"_s);
    add(lead + Left(u"Tätigkeiten"_s, monthMode() ? 19 : 18) + u' ' + HoursMinutes(reportAssigned_, 7));
}

} // namespace

QStringList EmployeeOverviewEntries(const EmployeeDirectory& directory)
{
    QStringList entries = directory.names;
    if (!entries.isEmpty())
        entries.prepend(kAllEmployees.toString());
    return entries;
}

std::pair<int, int> QuarterMonths(const QString& quarter)
{
    static const QStringList texts = QuarterItems();
    static const std::array<std::pair<int, int>, 7> ranges { { { 1, 3 }, { 4, 6 }, { 7, 9 }, { 10, 12 },
        { 1, 6 }, { 1, 9 }, { 1, 12 } } };
    const qsizetype i = texts.indexOf(quarter);
    return i < 0 ? std::pair { 1, 12 } : ranges[std::size_t(i)];
}

EmployeeOverviewReport RunEmployeeOverview(
    const EmployeeOverviewContext& context, const EmployeeOverviewRequest& request)
{
    EmployeeOverviewReport report;
    if (context.clock.today() != context.startDate) {
        context.messenger.show(u"Zeitfehler: Starten Sie das Programm neu !  "_s);
        report.outcome = EmployeeOverviewReport::Outcome::DateChanged;
        return report;
    }
    const bool periodMissing = request.mode != PeriodMode::Year && request.period.isEmpty();
    if (request.employee.isEmpty() || periodMissing || request.year.isEmpty()) {
        context.messenger.show(u"Wählen Sie einen Mitarbeiter und einen Zeitraum !  "_s);
        report.outcome = EmployeeOverviewReport::Outcome::Incomplete;
        return report;
    }
    return OverviewBuilder(context, request).run();
}

QStringList QuarterItems()
{
    return { u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"1-2"_s, u"1-3"_s, u"1-4"_s };
}

QString InitialQuarter(int month)
{
    static const QStringList byQuarter { u"1"_s, u"1-2"_s, u"1-3"_s, u"1-4"_s };
    return byQuarter.value((std::clamp(month, 1, 12) - 1) / 3);
}
