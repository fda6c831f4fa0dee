#include "korav/reports/core/account_report.h"

#include "common/account_rules.h"
#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/fixed_width.h"
#include "common/messenger.h"
#include "korav/reports/core/account_book.h"
#include "korav/reports/core/employee_overview.h"

using namespace Qt::StringLiterals;
using namespace FixedWidth;

namespace {

const QString kSeparator = u' ' + QString(119, u'-');
const QString kNone = Right(u"---"_s, 10);

QString Lead(const QString& label)
{
    return Left(QString(), 20) + u" : "_s + Left(label, 9) + u' ';
}

QString Days(int halves)
{
    return Right(AccountRules::DaysText(halves), 6);
}

std::optional<double> Hours(int minutes)
{
    return DecimalHours(minutes);
}

class AccountReportBuilder {
public:
    AccountReportBuilder(const AccountReportContext& context, const AccountReportRequest& request)
        : c_(context),
          r_(request),
          year_(request.year.toInt()),
          book_(context.dataRoot, context.codec, context.startDate)
    {
    }

    AccountReport run();

private:
    void add(const QString& line = QString()) { report_.lines.append(line); }
    void progress(int value, int maximum) const
    {
        if (c_.progress)
            c_.progress(value, maximum);
    }
    void employee(const QString& name);
    void monthLine(const QString& name, const AccountYear& account, int m);
    void totalLine(const QString& name, const AccountYear& account);
    void holidayBlock(const AccountYear& account);

    const AccountReportContext& c_;
    const AccountReportRequest& r_;
    int year_;
    AccountBook book_;
    AccountReport report_;
};

AccountReport AccountReportBuilder::run()
{
    const bool all = r_.employee == kAllEmployees;
    const QStringList range = all ? r_.employees.mid(1) : QStringList { r_.employee };
    const int maximum = int(range.size());
    add(kSeparator);
    add();
    int done = 0;
    for (const QString& name : range) {
        progress(done++, maximum);
        employee(name);
        add(kSeparator);
        add();
    }
    progress(0, maximum);
    return report_;
}

void AccountReportBuilder::employee(const QString& name)
{
    const std::optional<AccountYear> account = book_.year(name, year_);
    if (!account) {
        add(u"Für Mitarbeiter "_s + Left(name, 30) + u" sind keine Stammdaten vorhanden!"_s);
        return;
    }
    add(u' ' + Left(name, 30) + u"  "_s + Right(u"Arb.zeit"_s, 10) + u' ' + Right(u"Sollzeit"_s, 10) + u' '
        + Right(u"Diff."_s, 10) + u' ' + Right(u"Kontostand"_s, 10) + u"   "_s + Right(u"Urlaub"_s, 6));
    add();
    add(Lead(u"Übertrag"_s) + Left(QString(), 32) + PeriodSigned(account->opening));
    report_.exportLines.append(AccountExportLine(name, year_, u"Übertrag"_s,
        { std::nullopt, std::nullopt, std::nullopt, Hours(account->opening), std::nullopt }, {}));
    for (int m = 1; m <= 12; ++m)
        monthLine(name, *account, m);
    add();
    totalLine(name, *account);
    add();
    holidayBlock(*account);
}

void AccountReportBuilder::monthLine(const QString& name, const AccountYear& account, int m)
{
    const AccountMonth& month = account.months[std::size_t(m - 1)];
    const EmployeeMonth& read = book_.month(m);
    const QString marker = u"  ("_s + read.marker + u')';
    const QString period = TwoDigits(m) + u'/' + FourDigits(year_);
    const QString working = read.hasData ? PeriodSigned(month.working) : kNone;
    const QString difference = month.counts ? PeriodSigned(month.difference) : kNone;
    const QString balance = month.counts ? PeriodSigned(month.balance) : kNone;
    add(Lead(period) + working + u' ' + HoursMinutes(month.target, 7) + u' ' + difference + u' ' + balance
        + u"   "_s + Days(month.holidayHalves) + marker);
    const auto when = [&](bool shown, int minutes) { return shown ? Hours(minutes) : std::nullopt; };
    report_.exportLines.append(AccountExportLine(name, year_, TwoDigits(m),
        { when(read.hasData, month.working), Hours(month.target), when(month.counts, month.difference),
            when(month.counts, month.balance), month.holidayHalves / 2.0 },
        QString(read.marker)));
}

void AccountReportBuilder::totalLine(const QString& name, const AccountYear& account)
{
    int working = 0;
    int target = 0;
    for (const AccountMonth& month : account.months) {
        if (!month.counts)
            continue;
        working += month.working;
        target += month.target;
    }
    add(Lead(FourDigits(year_) + u"ges"_s) + PeriodSigned(working) + u' ' + HoursMinutes(target, 7) + u' '
        + PeriodSigned(working - target) + u' ' + PeriodSigned(account.closing()) + u"   "_s
        + Days(account.taken()));
    report_.exportLines.append(AccountExportLine(name, year_, u"ges"_s,
        { Hours(working), Hours(target), Hours(working - target), Hours(account.closing()),
            account.taken() / 2.0 },
        {}));
}

void AccountReportBuilder::holidayBlock(const AccountYear& account)
{
    const auto line = [this](const QString& label, int halves) {
        add(Left(QString(), 20) + u" : "_s + Left(label, 20) + u' ' + Days(halves));
    };
    line(u"Urlaubsanspruch"_s, account.entitlement);
    line(u"Übertrag Vorjahr"_s, account.carried);
    line(u"Genommen"_s, account.taken());
    line(u"Resturlaub"_s, account.remaining());
    add();
}

} // namespace

QString AccountExportLine(const QString& name, int year, const QString& period,
    const std::array<std::optional<double>, 5>& values, const QString& marker)
{
    QString line = u"Konto "_s + Left(name, 30) + u' ' + FourDigits(year) + u' ' + Left(period, 9);
    for (const std::optional<double>& value : values)
        line += u' ' + ExportNumber(value);
    return marker.isEmpty() ? line : line + u"  ("_s + marker + u')';
}

AccountReport RunAccountReport(const AccountReportContext& context, const AccountReportRequest& request)
{
    AccountReport report;
    if (context.clock.today() != context.startDate) {
        context.messenger.show(u"Zeitfehler: Starten Sie das Programm neu !  "_s);
        report.outcome = AccountReport::Outcome::DateChanged;
        return report;
    }
    if (request.employee.isEmpty() || request.year.isEmpty()) {
        context.messenger.show(u"Wählen Sie einen Mitarbeiter und einen Zeitraum !  "_s);
        report.outcome = AccountReport::Outcome::Incomplete;
        return report;
    }
    return AccountReportBuilder(context, request).run();
}
