#include "korav/reports/core/csv_export.h"

#include "common/file_store.h"
#include "common/messenger.h"
#include "korav/reports/core/report_names.h"
#include "korav/reports/core/workbook_export.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kHeaderRow = 4;
constexpr int kFirstDataRow = 7;
constexpr int kFirstColumn = 3; // column B only numbers the rows

QString NumberText(double value, const QString& numberFormat)
{
    QString text
        = numberFormat.contains(u".00"_s) ? QString::number(value, 'f', 2) : QString::number(value, 'g', 15);
    return text.replace(u'.', u',');
}

// A spreadsheet opening the file would take a text beginning with one of
// these for a formula: a name such as "=HYPERLINK(...)" must stay a text.
bool LooksLikeFormula(const QString& text)
{
    return !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front());
}

QString Quoted(QString text)
{
    if (text.contains(u';') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        return u'"' + text.replace(u"\""_s, u"\"\""_s) + u'"';
    return text;
}

QString Field(const SheetCell* cell, bool header)
{
    if (!cell)
        return QString();
    if (cell->number && !header)
        return NumberText(*cell->number, cell->style.numberFormat);
    QString text = header ? cell->text.trimmed() : cell->text;
    if (LooksLikeFormula(text))
        text.prepend(u'\'');
    return Quoted(text);
}

int LastColumn(const SheetModel& sheet)
{
    int last = kFirstColumn;
    for (auto it = sheet.cells().cbegin(); it != sheet.cells().cend(); ++it)
        if (it.key().first == kHeaderRow && !it.value().text.trimmed().isEmpty())
            last = std::max(last, it.key().second);
    return last;
}

int LastRow(const SheetModel& sheet)
{
    int last = kHeaderRow;
    for (auto it = sheet.cells().cbegin(); it != sheet.cells().cend(); ++it)
        last = std::max(last, it.key().first);
    return last;
}

bool HasText(const SheetModel& sheet, int row, int lastColumn)
{
    for (int column = kFirstColumn; column <= lastColumn; ++column) {
        const SheetCell* cell = sheet.cell(row, column);
        if (cell && !cell->text.isEmpty())
            return true;
    }
    return false;
}

QString Line(const SheetModel& sheet, int row, int lastColumn, bool header)
{
    QStringList fields;
    for (int column = kFirstColumn; column <= lastColumn; ++column)
        fields.append(Field(sheet.cell(row, column), header));
    return fields.join(u';');
}

} // namespace

QString CsvText(const SheetModel& sheet)
{
    const int lastColumn = LastColumn(sheet);
    StringList lines;
    lines.append(Line(sheet, kHeaderRow, lastColumn, true));
    const int lastRow = LastRow(sheet);
    for (int row = kFirstDataRow; row <= lastRow; ++row)
        if (HasText(sheet, row, lastColumn))
            lines.append(Line(sheet, row, lastColumn, false));
    return lines.toText();
}

QString CsvFileName(const ReportSelection& selection, const OutputMoment& moment)
{
    return WorkbookFileName(selection, moment).chopped(4) + u"csv"_s;
}

bool ExportCsv(const QString& path, const ReportSelection& selection, const ExportBuffer& buffer,
    const StringList& projects, const OutputMoment& moment, Messenger& messenger)
{
    const SheetModel sheet = BuildReportSheet(selection, buffer, projects, moment);
    QString error;
    if (!FileStore::WriteText(path, CsvText(sheet), TextEncoding::Utf8WithBom, &error)) {
        messenger.show(path + u"\n\n"_s + error);
        return false;
    }
    messenger.show(WorkbookSavedMessage(selection.form, path));
    return true;
}
