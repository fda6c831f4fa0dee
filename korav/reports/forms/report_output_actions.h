#pragma once

#include "common/string_list.h"
#include "korav/reports/core/export_lines.h"
#include "korav/reports/core/report_selection.h"
#include "korav/reports/forms/report_printout.h"

#include <QDate>
#include <QStringList>

#include <functional>

class Clock;
class Messenger;
class QProgressBar;
class QWidget;

// What the output buttons of the report forms need from their form and the
// program; the dialogs are replaceable so that tests choose files and
// printers themselves.
struct ReportOutputContext {
    using FileChooser = std::function<QString(const QString& title, const QString& proposedName)>;
    using Printing = std::function<bool(const PrintoutContent& content)>;

    ReportOutputContext(QWidget* parent, Messenger& messenger, const Clock& clock, QDate startDate);

    QWidget* parent;
    Messenger& messenger;
    const Clock& clock;
    QDate startDate;
    FileChooser chooseFile; // the save dialog; an empty name cancels
    Printing print; // the print dialog and the printout; false when cancelled
};

using ReportProgress = std::function<void(int value, int maximum)>;
// Moves the bar and lets the window repaint while a report or an export
// runs; clicks wait until it is done.
ReportProgress BarProgress(QProgressBar& bar);

// "in Textdatei speichern"
bool SaveReportAsText(
    ReportOutputContext& context, const ReportSelection& selection, const QStringList& lines);
// "Drucken"
bool PrintReportLines(
    ReportOutputContext& context, const ReportSelection& selection, const QStringList& lines);
// "als PDF speichern": the printout into a PDF file.
bool SaveReportAsPdf(
    ReportOutputContext& context, const ReportSelection& selection, const QStringList& lines);
// "in Exceldatei speichern"; `progressBar1`, when there is one, follows the
// export and is back at 0 afterwards.
bool SaveReportAsWorkbook(ReportOutputContext& context, const ReportSelection& selection,
    const ExportBuffer& buffer, const StringList& projects, QProgressBar* progressBar1 = nullptr);
// "in CSV-Datei speichern": the workbook's columns as a CSV file.
bool SaveReportAsCsv(ReportOutputContext& context, const ReportSelection& selection,
    const ExportBuffer& buffer, const StringList& projects);
