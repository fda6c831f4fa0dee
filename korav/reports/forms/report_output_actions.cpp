#include "korav/reports/forms/report_output_actions.h"

#include "common/clock.h"
#include "common/messenger.h"
#include "common/ui/busy_cursor.h"
#include "common/ui/progress_display.h"
#include "korav/reports/core/csv_export.h"
#include "korav/reports/core/report_names.h"
#include "korav/reports/core/text_report.h"
#include "korav/reports/core/workbook_export.h"

#include <QFileDialog>
#include <QProgressBar>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

OutputMoment MomentOf(const ReportOutputContext& context)
{
    return { context.startDate, context.clock.now().time() };
}

PrintoutContent Printout(
    const ReportOutputContext& context, const ReportSelection& selection, const QStringList& lines)
{
    PrintoutContent content;
    content.jobTitle = PrintJobTitle(selection, MomentOf(context));
    content.title = PrintTitle(selection);
    content.lines = lines;
    content.now = context.clock.now();
    return content;
}

} // namespace

ReportProgress BarProgress(QProgressBar& bar)
{
    return [&bar](int value, int maximum) {
        ShowProgressRunning(&bar);
        bar.setRange(0, maximum);
        bar.setValue(value);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

ReportOutputContext::ReportOutputContext(
    QWidget* parent, Messenger& messenger, const Clock& clock, QDate startDate)
    : parent(parent),
      messenger(messenger),
      clock(clock),
      startDate(startDate),
      chooseFile([parent](const QString& title, const QString& proposed) {
          const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
          return QFileDialog::getSaveFileName(parent, title, folder + u'/' + proposed);
      }),
      print([parent](const PrintoutContent& content) { return PrintReportWithDialog(parent, content); })
{
}

bool SaveReportAsText(
    ReportOutputContext& context, const ReportSelection& selection, const QStringList& lines)
{
    if (selection.subject.isEmpty())
        return false;
    const OutputMoment moment = MomentOf(context);
    const QString path = context.chooseFile(u"Speichern als"_s, TextFileName(selection, moment));
    if (path.isEmpty())
        return false;
    return SaveTextReport(
        path, TextReportOutput(selection, lines, moment), selection.form, context.messenger);
}

bool PrintReportLines(
    ReportOutputContext& context, const ReportSelection& selection, const QStringList& lines)
{
    if (selection.subject.isEmpty())
        return false;
    return context.print(Printout(context, selection, lines));
}

bool SaveReportAsPdf(ReportOutputContext& context, const ReportSelection& selection, const QStringList& lines)
{
    if (selection.subject.isEmpty())
        return false;
    const QString proposed = TextFileName(selection, MomentOf(context)).chopped(4) + u".pdf"_s;
    const QString path = context.chooseFile(u"Speichern als"_s, proposed);
    if (path.isEmpty())
        return false;
    QString error;
    if (!PrintReportToPdf(path, Printout(context, selection, lines), &error)) {
        context.messenger.show(path + u"\n\n"_s + error);
        return false;
    }
    context.messenger.show(TextSavedMessage(selection.form, path));
    return true;
}

bool SaveReportAsWorkbook(ReportOutputContext& context, const ReportSelection& selection,
    const ExportBuffer& buffer, const StringList& projects, QProgressBar* progressBar1)
{
    const OutputMoment moment = MomentOf(context);
    const QString path = context.chooseFile(u" Speichern als"_s, WorkbookFileName(selection, moment));
    if (path.isEmpty())
        return false;
    const BusyCursor wait;
    const bool saved = ExportWorkbook(path, selection, buffer, projects, moment, context.messenger,
        progressBar1 ? BarProgress(*progressBar1) : ExportProgress());
    if (progressBar1)
        ShowProgressIdle(progressBar1);
    return saved;
}

bool SaveReportAsCsv(ReportOutputContext& context, const ReportSelection& selection,
    const ExportBuffer& buffer, const StringList& projects)
{
    const OutputMoment moment = MomentOf(context);
    const QString path = context.chooseFile(u" Speichern als"_s, CsvFileName(selection, moment));
    if (path.isEmpty())
        return false;
    const BusyCursor wait;
    return ExportCsv(path, selection, buffer, projects, moment, context.messenger);
}
