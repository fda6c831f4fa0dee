#pragma once

#include "common/string_list.h"
#include "korav/reports/core/export_lines.h"
#include "korav/reports/core/report_selection.h"
#include "korav/reports/core/sheet_model.h"

class Messenger;

// The export of an overview as a CSV file for payroll and other imports:
// the workbook's columns, its header row and its data rows, without title,
// column numbers and the empty rows between groups. Fields are separated by
// ";", numbers carry a decimal comma and no thousands separator, lines end
// with CR LF, and a field is quoted when it holds ";", a quote or a line
// break.

// The CSV text of a report sheet as BuildReportSheet makes it.
QString CsvText(const SheetModel& sheet);

// The workbook's proposed name with the extension "csv".
QString CsvFileName(const ReportSelection& selection, const OutputMoment& moment);

// Writes the file as UTF-8 with byte-order mark, whole or not at all, and
// tells the user where it went or why it failed.
bool ExportCsv(const QString& path, const ReportSelection& selection, const ExportBuffer& buffer,
    const StringList& projects, const OutputMoment& moment, Messenger& messenger);
