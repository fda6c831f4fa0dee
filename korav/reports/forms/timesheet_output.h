#pragma once

#include "korav/reports/core/timesheet.h"
#include "korav/reports/forms/report_output_actions.h"

// The printout of one timesheet: its head names the employee and the month.
PrintoutContent TimesheetPrintout(const Timesheet& sheet, const QDateTime& now);

// "Drucken"
bool PrintTimesheet(ReportOutputContext& context, const Timesheet& sheet);
// "als PDF speichern": asks for the file.
bool SaveTimesheetAsPdf(ReportOutputContext& context, const Timesheet& sheet);

// Every employee with data in the month, each into its own file of
// `folder`. Files written before a failure stay written.
struct TimesheetFolderResult {
    int written = 0;
    QStringList failed; // names of the files that could not be written
};
TimesheetFolderResult SaveTimesheetsToFolder(
    ReportOutputContext& context, const TimesheetSource& source, int year, int month, const QString& folder);

// One employee's sheet; nothing, after the message, for an employee without
// personnel number or without working times in the month.
std::optional<Timesheet> TimesheetToSign(
    Messenger& messenger, const TimesheetSource& source, const QString& name, int year, int month);
