#include "korav/reports/forms/timesheet_output.h"

#include "common/clock.h"
#include "common/fixed_width.h"
#include "common/messenger.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

bool WritePdf(Messenger& messenger, const QString& path, const Timesheet& sheet, const QDateTime& now)
{
    QString error;
    if (PrintReportToPdf(path, TimesheetPrintout(sheet, now), &error))
        return true;
    messenger.show(path + u"\n\n"_s + error);
    return false;
}

QString NoTimesheetDataMessage(const QString& name, int year, int month)
{
    return u"Für %1 sind im Monat %2/%3 keine Arbeitszeiten vorhanden !  "_s.arg(
        name, FixedWidth::TwoDigits(month), FixedWidth::FourDigits(year));
}

} // namespace

std::optional<Timesheet> TimesheetToSign(
    Messenger& messenger, const TimesheetSource& source, const QString& name, int year, int month)
{
    const std::optional<Timesheet> sheet = ReadTimesheet(source, name, year, month);
    if (!sheet) {
        messenger.show(u"Für Mitarbeiter %1 ist keine Personalnummer vorhanden !  "_s.arg(name));
        return std::nullopt;
    }
    if (!sheet->hasData()) {
        messenger.show(NoTimesheetDataMessage(name, year, month));
        return std::nullopt;
    }
    return sheet;
}

PrintoutContent TimesheetPrintout(const Timesheet& sheet, const QDateTime& now)
{
    PrintoutContent content;
    content.jobTitle = TimesheetFileName(sheet).chopped(4);
    content.title = TimesheetTitle(sheet);
    content.lines = TimesheetLines(sheet);
    content.now = now;
    return content;
}

bool PrintTimesheet(ReportOutputContext& context, const Timesheet& sheet)
{
    return context.print(TimesheetPrintout(sheet, context.clock.now()));
}

bool SaveTimesheetAsPdf(ReportOutputContext& context, const Timesheet& sheet)
{
    const QString path = context.chooseFile(u"Speichern als"_s, TimesheetFileName(sheet));
    if (path.isEmpty() || !WritePdf(context.messenger, path, sheet, context.clock.now()))
        return false;
    context.messenger.show(u"Stundenzettel ist in Datei\n\n%1\n\ngespeichert."_s.arg(path));
    return true;
}

TimesheetFolderResult SaveTimesheetsToFolder(
    ReportOutputContext& context, const TimesheetSource& source, int year, int month, const QString& folder)
{
    TimesheetFolderResult result;
    const QDateTime now = context.clock.now();
    for (const QString& name : source.directory.names) {
        const std::optional<Timesheet> sheet = ReadTimesheet(source, name, year, month);
        if (!sheet || !sheet->hasData())
            continue;
        const QString path = QDir(folder).filePath(TimesheetFileName(*sheet));
        if (WritePdf(context.messenger, path, *sheet, now))
            ++result.written;
        else
            result.failed.append(TimesheetFileName(*sheet));
    }
    if (result.written == 0 && result.failed.isEmpty())
        context.messenger.show(NoTimesheetDataMessage(u"alle Mitarbeiter"_s, year, month));
    else if (result.written > 0)
        context.messenger.show(u"%1 Stundenzettel sind im Ordner\n\n%2\n\ngespeichert."_s.arg(result.written)
                                   .arg(QDir::toNativeSeparators(folder)));
    return result;
}
