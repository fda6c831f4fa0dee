#pragma once

#include "common/string_list.h"
#include "korav/reports/core/report_selection.h"

#include <QStringList>

class Messenger;

// The output list of a text save: an empty line, the header, the report
// lines and the footer.
StringList TextReportOutput(
    const ReportSelection& selection, const QStringList& reportLines, const OutputMoment& moment);

// Writes the output list as UTF-8 with byte-order mark and CR LF line ends,
// whole or not at all, and tells the user where it went or why it failed.
bool SaveTextReport(const QString& path, const StringList& output, ReportForm form, Messenger& messenger);
