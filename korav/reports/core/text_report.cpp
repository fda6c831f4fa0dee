#include "korav/reports/core/text_report.h"

#include "common/file_store.h"
#include "common/messenger.h"
#include "korav/reports/core/report_names.h"

using namespace Qt::StringLiterals;

StringList TextReportOutput(
    const ReportSelection& selection, const QStringList& reportLines, const OutputMoment& moment)
{
    StringList output;
    output.append(QString());
    output.append(TextHeaderLine(selection, moment));
    for (const QString& line : reportLines)
        output.append(line);
    output.append(TextFooterLine(moment));
    return output;
}

bool SaveTextReport(const QString& path, const StringList& output, ReportForm form, Messenger& messenger)
{
    QString error;
    if (!FileStore::WriteText(path, output.toText(), TextEncoding::Utf8WithBom, &error)) {
        messenger.show(path + u"\n\n"_s + error);
        return false;
    }
    messenger.show(TextSavedMessage(form, path));
    return true;
}
