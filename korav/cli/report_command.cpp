#include "korav/cli/report_command.h"

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/messenger.h"
#include "korav/cli/admin_session.h"
#include "korav/cli/command_options.h"
#include "korav/cli/exit_codes.h"
#include "korav/cli/report_output.h"
#include "korav/core/activity_chooser.h"
#include "korav/core/korav_config.h"
#include "korav/reports/core/account_report.h"
#include "korav/reports/core/annual_check.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/law_report.h"
#include "korav/reports/core/pelin_month_viewer.h"
#include "korav/reports/core/project_overview.h"
#include "korav/reports/core/project_overview_start.h"
#include "korav/reports/core/timesheet.h"
#include "korav/reports/forms/timesheet_output.h"

#include <QFileInfo>
#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct ReportKind {
    QString name; // the word of the command line
    QString title; // for messages
    QList<OutputFormat> formats; // what the form's output buttons offer
};

const QList<ReportKind>& ReportKinds()
{
    static const QList<ReportKind> kinds = {
        { u"employee"_s, u"Die Mitarbeiter-Übersicht"_s,
            { OutputFormat::Text, OutputFormat::Pdf, OutputFormat::Workbook, OutputFormat::Csv } },
        { u"project"_s, u"Die Projekt-Übersicht"_s,
            { OutputFormat::Text, OutputFormat::Pdf, OutputFormat::Workbook, OutputFormat::Csv } },
        { u"check"_s, u"Die Übersicht der Arbeitszeit-Dateien"_s, { OutputFormat::Text, OutputFormat::Pdf } },
        { u"viewer"_s, u"Die PELIN-Monatsübersicht"_s, { OutputFormat::Text } },
        { u"account"_s, u"Das Arbeitszeitkonto"_s,
            { OutputFormat::Text, OutputFormat::Pdf, OutputFormat::Workbook, OutputFormat::Csv } },
        { u"law"_s, u"Der Bericht Arbeitszeitgesetz"_s,
            { OutputFormat::Text, OutputFormat::Pdf, OutputFormat::Workbook, OutputFormat::Csv } },
        { u"timesheet"_s, u"Der Stundenzettel"_s, { OutputFormat::Pdf } },
    };
    return kinds;
}

std::optional<OutputFormat> FormatNamed(const QString& name)
{
    if (name == u"txt")
        return OutputFormat::Text;
    if (name == u"pdf")
        return OutputFormat::Pdf;
    if (name == u"xlsx")
        return OutputFormat::Workbook;
    if (name == u"csv")
        return OutputFormat::Csv;
    return std::nullopt;
}

PeriodMode ModeOf(const CommandOptions& options)
{
    if (options.month)
        return PeriodMode::Month;
    return options.quarter ? PeriodMode::Quarter : PeriodMode::Year;
}

QString PeriodText(const CommandOptions& options)
{
    if (options.month)
        return QString::number(*options.month);
    return options.quarter.value_or(QString());
}

int ExitFor(bool done)
{
    return done ? kExitSuccess : kExitRefused;
}

// The report's own lists offer only what the data folder holds.
bool Offered(const QStringList& entries, const QString& entry, Messenger& messenger)
{
    if (entries.contains(entry))
        return true;
    messenger.show(u"Mitarbeiter %1 ist nicht vorhanden !  "_s.arg(entry));
    return false;
}

class ReportRun {
public:
    ReportRun(const AdminSession& session, const CommandOptions& options, OutputFormat format)
        : session_(session),
          options_(options),
          format_(format),
          root_(session.store().folder().root()),
          codec_(CodecProgram::Korav, session.messenger())
    {
    }

    int employeeOverview();
    int projectOverview();
    int annualCheck();
    int monthViewer();
    int accountReport();
    int lawReport();
    int timesheet();

private:
    Messenger& messenger() const { return session_.messenger(); }
    QString yearText() const { return QString::number(*options_.year); }
    bool write(const ReportSelection& selection, const QStringList& lines, const ExportBuffer& buffer = {},
        const StringList& projects = {}) const
    {
        ReportOutputContext context = CommandOutputContext(session_, options_.out);
        return WriteReport(format_, context, selection, lines, buffer, projects);
    }
    // The description as the activity chooser hands it over, after a blank.
    std::optional<QString> activityLabel(const QString& key) const;

    const AdminSession& session_;
    const CommandOptions& options_;
    OutputFormat format_;
    QString root_;
    DataFileCodec codec_;
};

int ReportRun::employeeOverview()
{
    const EmployeeDirectory directory = LoadEmployeeDirectory(root_);
    const QStringList entries = EmployeeOverviewEntries(directory);
    const QString employee = options_.employee.value_or(kAllEmployees.toString());
    if (!Offered(entries, employee, messenger()))
        return kExitRefused;
    const PeriodMode mode = ModeOf(options_);
    const EmployeeOverviewRequest request { mode, entries, employee, PeriodText(options_), yearText() };
    const EmployeeOverviewReport report = RunEmployeeOverview(
        { root_, directory, session_.clock(), session_.startDate(), codec_, messenger(), {} }, request);
    if (report.outcome != EmployeeOverviewReport::Outcome::Built)
        return kExitRefused;
    const ReportSelection selection { ReportForm::Employee, mode, employee, PeriodText(options_),
        yearText() };
    return ExitFor(write(
        selection, report.lines, report.exportLines, KoravMonthFile::LoadLines(root_ + u"dprojekte.kvd"_s)));
}

std::optional<QString> ReportRun::activityLabel(const QString& key) const
{
    const StringList list = ActivityChooser::BuildList(session_.store(), ActivityChooser::kProjectOverview);
    for (const QString& line : list.lines()) {
        if (StringList::KeyOf(line) == key)
            return u' ' + StringList::ValueOf(line);
    }
    messenger().show(u"Tätigkeit %1 ist nicht vorhanden !  "_s.arg(key));
    return std::nullopt;
}

int ReportRun::projectOverview()
{
    if (!session_.requireSystemAdmin(u"Die Projekt-Übersicht"_s))
        return kExitRefused;
    const QString key = options_.activity.value_or(kAllActivitiesKey.toString());
    const std::optional<QString> label = activityLabel(key);
    if (!label)
        return kExitRefused;
    if (CheckProjectOverviewStart(true, true, session_.clock(), session_.startDate(), messenger())
        != ProjectOverviewStart::Ready)
        return kExitRefused;
    StringList rates;
    codec_.LoadDataFile(root_ + u"zmasatz.kvd"_s, rates);
    const ProjectOverviewData data = ProjectOverviewData::Load(root_, rates);
    ProjectOverviewInput input;
    input.mode = ModeOf(options_);
    input.periodText = PeriodText(options_);
    input.year = *options_.year;
    input.activityKey = key;
    input.activityLabel = *label;
    input.forecastRate = options_.forecast;
    input.bookings = [this](const QString& number, int year, int month) {
        return CollectedBookings(root_, number, year, month);
    };
    const ProjectOverview overview = BuildProjectOverview(data, input);
    const ReportSelection selection { ReportForm::Project, input.mode, key, input.periodText, yearText() };
    return ExitFor(write(selection, overview.lines, overview.exportLines, data.projects));
}

int ReportRun::annualCheck()
{
    const EmployeeDirectory directory = LoadEmployeeDirectory(root_);
    const QStringList entries = EmployeeOverviewEntries(directory);
    const QString employee = options_.employee.value_or(kAllEmployees.toString());
    if (!Offered(entries, employee, messenger()))
        return kExitRefused;
    const std::optional<QStringList> lines = RunAnnualCheck(root_, directory, session_.startDate(),
        { entries, employee, yearText(), options_.onlyMissing }, messenger());
    if (!lines)
        return kExitRefused;
    return ExitFor(write({ ReportForm::Check, PeriodMode::Year, employee, QString(), yearText() }, *lines));
}

int ReportRun::monthViewer()
{
    PelinMonthViewer viewer(root_, messenger(), codec_, session_.clock(), session_.startDate());
    viewer.Open();
    const QString employee = options_.employee.value_or(QString());
    if (!employee.isEmpty() && !Offered(viewer.directory().names, employee, messenger()))
        return kExitRefused;
    if (!viewer.Show(employee, *options_.month, *options_.year)) {
        if (!employee.isEmpty() && !viewer.directory().personnelNumber(employee))
            messenger().show(u"Für Mitarbeiter %1 ist keine Personalnummer vorhanden !  "_s.arg(employee));
        return kExitRefused;
    }
    return ExitFor(viewer.SaveText(CommandFileChooser(options_.out)));
}

int ReportRun::accountReport()
{
    const QStringList entries = EmployeeOverviewEntries(LoadEmployeeDirectory(root_));
    const QString employee = options_.employee.value_or(kAllEmployees.toString());
    if (!Offered(entries, employee, messenger()))
        return kExitRefused;
    const AccountReport report
        = RunAccountReport({ root_, session_.clock(), session_.startDate(), codec_, messenger(), {} },
            { entries, employee, yearText() });
    if (report.outcome != AccountReport::Outcome::Built)
        return kExitRefused;
    return ExitFor(write({ ReportForm::Account, PeriodMode::Year, employee, QString(), yearText() },
        report.lines, report.exportLines));
}

int ReportRun::lawReport()
{
    const EmployeeDirectory directory = LoadEmployeeDirectory(root_);
    const QStringList entries = EmployeeOverviewEntries(directory);
    const QString employee = options_.employee.value_or(kAllEmployees.toString());
    if (!Offered(entries, employee, messenger()))
        return kExitRefused;
    const StringList projects = KoravMonthFile::LoadLines(root_ + u"dprojekte.kvd"_s);
    const LawReportContext context { root_, directory, projects,
        HolidaySettings::FromConfig(KoravConfig::Load(session_.store())), messenger() };
    const LawReportRequest request { ModeOf(options_), entries, employee, PeriodText(options_), yearText() };
    const std::optional<LawReport> report = RunLawReport(context, request);
    if (!report)
        return kExitRefused;
    const ReportSelection selection { ReportForm::Law, request.mode, employee, request.period, yearText() };
    return ExitFor(write(selection, report->lines, report->exportLines, projects));
}

// One employee's sheet into the file of "--out", or with 00-Alle every
// employee's sheet into the folder of "--out".
int ReportRun::timesheet()
{
    const TimesheetSource source = TimesheetSource::Load(root_, codec_, session_.clock().today());
    const QString employee = options_.employee.value_or(kAllEmployees.toString());
    if (!Offered(EmployeeOverviewEntries(source.directory), employee, messenger()))
        return kExitRefused;
    ReportOutputContext context = CommandOutputContext(session_, options_.out);
    const int year = *options_.year;
    const int month = *options_.month;
    if (employee == kAllEmployees) {
        if (!QFileInfo(options_.out).isDir()) {
            messenger().show(u"Ordner %1 ist nicht vorhanden !  "_s.arg(options_.out));
            return kExitRefused;
        }
        const TimesheetFolderResult result
            = SaveTimesheetsToFolder(context, source, year, month, options_.out);
        return ExitFor(result.written > 0 && result.failed.isEmpty());
    }
    const std::optional<Timesheet> sheet = TimesheetToSign(messenger(), source, employee, year, month);
    if (!sheet)
        return kExitRefused;
    return ExitFor(SaveTimesheetAsPdf(context, *sheet));
}

} // namespace

bool CheckReportFormat(const CommandOptions& options, Messenger& messenger)
{
    const auto kind = std::find_if(ReportKinds().begin(), ReportKinds().end(),
        [&options](const ReportKind& k) { return k.name == options.report; });
    const std::optional<OutputFormat> format = FormatNamed(options.format);
    if (kind != ReportKinds().end() && format && kind->formats.contains(*format))
        return true;
    const QString title = kind != ReportKinds().end() ? kind->title : options.report;
    messenger.show(u"%1 kann nicht im Format '%2' ausgegeben werden !  "_s.arg(title, options.format));
    return false;
}

int RunReportCommand(const AdminSession& session, const CommandOptions& options)
{
    ReportRun run(session, options, *FormatNamed(options.format));
    if (options.report == u"employee")
        return run.employeeOverview();
    if (options.report == u"project")
        return run.projectOverview();
    if (options.report == u"check")
        return run.annualCheck();
    if (options.report == u"account")
        return run.accountReport();
    if (options.report == u"law")
        return run.lawReport();
    if (options.report == u"timesheet")
        return run.timesheet();
    return run.monthViewer();
}
