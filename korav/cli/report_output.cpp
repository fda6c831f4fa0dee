#include "korav/cli/report_output.h"

#include "korav/cli/admin_session.h"

#include <QFileInfo>

ReportOutputContext::FileChooser CommandFileChooser(const QString& out)
{
    return [out](const QString&, const QString& proposedName) {
        return QFileInfo(out).isDir() ? QFileInfo(out).absoluteFilePath() + u'/' + proposedName : out;
    };
}

ReportOutputContext CommandOutputContext(const AdminSession& session, const QString& out)
{
    ReportOutputContext context(nullptr, session.messenger(), session.clock(), session.startDate());
    context.chooseFile = CommandFileChooser(out);
    return context;
}

bool WriteReport(OutputFormat format, ReportOutputContext& context, const ReportSelection& selection,
    const QStringList& lines, const ExportBuffer& buffer, const StringList& projects)
{
    switch (format) {
    case OutputFormat::Text:
        return SaveReportAsText(context, selection, lines);
    case OutputFormat::Pdf:
        return SaveReportAsPdf(context, selection, lines);
    case OutputFormat::Workbook:
        return SaveReportAsWorkbook(context, selection, buffer, projects);
    case OutputFormat::Csv:
        return SaveReportAsCsv(context, selection, buffer, projects);
    }
    return false;
}
