#pragma once

#include "korav/reports/forms/report_output_actions.h"

class AdminSession;

// The output formats of the command line.
enum class OutputFormat { Text, Pdf, Workbook, Csv };

// The report forms' output context with the save dialog answered by the
// command line: the named file, or the proposed name inside a named folder.
ReportOutputContext CommandOutputContext(const AdminSession& session, const QString& out);
ReportOutputContext::FileChooser CommandFileChooser(const QString& out);

// What a report form's output buttons write, for the chosen format.
bool WriteReport(OutputFormat format, ReportOutputContext& context, const ReportSelection& selection,
    const QStringList& lines, const ExportBuffer& buffer, const StringList& projects);
