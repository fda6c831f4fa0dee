#pragma once

#include "korav/reports/core/report_selection.h"

#include <QString>

// Names, headers and titles under which a report is saved, printed and
// exported.

// The proposed text-file name, every blank turned into "_".
QString TextFileName(const ReportSelection& selection, const OutputMoment& moment);
QString TextHeaderLine(const ReportSelection& selection, const OutputMoment& moment);
QString TextFooterLine(const OutputMoment& moment, QStringView applicationTitle = kReportApplicationTitle);
QString TextSavedMessage(ReportForm form, const QString& fileName);

QString PrintJobTitle(const ReportSelection& selection, const OutputMoment& moment);
QString PrintTitle(const ReportSelection& selection);

QString WorkbookFileName(const ReportSelection& selection, const OutputMoment& moment);
QString WorksheetName(const ReportSelection& selection);
QString WorkbookTitle(const ReportSelection& selection);
QString WorkbookStandText(const OutputMoment& moment);
QString WorkbookSavedMessage(ReportForm form, const QString& fileName);
