#include "korav/reports/core/export_lines.h"
#include "korav/reports/core/sheet_layout.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kCountColumn = 13;

QString Field(const QString& line, int from, int width)
{
    return ExportField(line, from, width).trimmed();
}

QString EmployeeKey(const QString& line)
{
    return Field(line, 6, 30);
}

// Columns C to N: type, employee, date, weekday, start, end, working time,
// pause, rest, rule, count, text.
void WriteLawRow(SheetModel& sheet, int row, const QString& line, const StringList&)
{
    const int fields[][2] = { { 0, 5 }, { 6, 30 }, { 37, 10 }, { 48, 3 }, { 52, 5 }, { 58, 5 }, { 64, 6 },
        { 71, 6 }, { 78, 6 }, { 85, 3 }, { 89, 5 } };
    int column = 3;
    for (const auto& [from, width] : fields) {
        if (column == kCountColumn)
            sheet.SetCellValue(row, column++, Field(line, from, width));
        else
            sheet.SetCellText(row, column++, Field(line, from, width));
    }
    sheet.SetCellText(row, column, line.mid(95));
}

void FormatLawColumns(SheetModel& sheet, int lastRow)
{
    sheet.AlignRangeRight({ kFirstSheetDataRow, 7, lastRow + 3, 11 });
}

} // namespace

SheetLayout LawSheetLayout()
{
    QStringList numbers;
    for (int i = 1; i <= 12; ++i)
        numbers.append(QString::number(i));
    return { 14,
        { u"Art"_s, u"Mitarbeiter"_s, u"Datum"_s, u"Wochentag"_s, u"Beginn"_s, u"Ende"_s, u"Arbeitszeit"_s,
            u"Pause"_s, u"Ruhezeit"_s, u"Regel"_s, u"Anzahl"_s, u"Befund"_s },
        numbers, {}, EmployeeKey, WriteLawRow, FormatLawColumns };
}
