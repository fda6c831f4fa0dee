#include "korav/reports/core/workbook_export.h"

#include "common/messenger.h"
#include "korav/reports/core/report_names.h"
#include "korav/reports/core/sheet_layout.h"
#include "korav/reports/core/workbook_file.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kColumnB = 2;
constexpr int kColumnC = 3;
constexpr int kFirstDataRow = 7;
constexpr int kFinishingSteps = 30;

int ProgressMaximum(const ExportBuffer& buffer)
{
    return int(buffer.size()) + kFinishingSteps;
}

void ShowProgress(const ExportProgress& progress, int value, const ExportBuffer& buffer)
{
    if (progress)
        progress(value, ProgressMaximum(buffer));
}

QString TrimRight(QString text)
{
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

QString WithoutBlanks(QString text)
{
    return text.remove(u' ');
}

QString Description(const StringList& projects, const QString& key)
{
    const qsizetype i = projects.indexOfKey(key);
    return i < 0 ? u"???"_s : StringList::ValueOf(projects.at(i)).left(100);
}

using Layout = SheetLayout;

QString NumberedHeads(int count)
{
    QStringList heads;
    for (int i = 1; i <= count; ++i)
        heads.append(QString::number(i));
    return heads.join(u'|');
}

// Employee layout, columns C to N.

QString EmployeeGroupKey(const QString& line)
{
    return TrimRight(ExportField(line, 6, 30)) + u'|' + TrimRight(ExportField(line, 37, 4));
}

void WriteEmployeeRow(SheetModel& sheet, int row, const QString& line, const StringList& projects)
{
    const QString type = TrimRight(ExportField(line, 0, 5));
    const QString period = TrimRight(ExportField(line, 42, 6));
    sheet.SetCellText(row, 3, type);
    sheet.SetCellText(row, 4, TrimRight(ExportField(line, 6, 30)));
    sheet.SetCellValue(row, 5, TrimRight(ExportField(line, 37, 4)));
    if (type == u"AZeit"_s) {
        sheet.SetCellText(row, 6, period);
        for (int k = 0; k < 7; ++k)
            sheet.SetCellValue(row, 7 + k, WithoutBlanks(ExportField(line, 52 + 11 * k, 10)));
        sheet.SetCellValue(row, 14, line.size() > 132 ? line.mid(130, 3) : u"(?)"_s);
    } else if (type == u"PZeit"_s) {
        const QString key = TrimRight(ExportField(line, 48, 14));
        sheet.SetCellText(row, 6, key.isEmpty() ? period : key);
        sheet.SetCellValue(row, 12, WithoutBlanks(ExportField(line, 63, 10)));
        sheet.SetCellText(row, 14, key.isEmpty() ? QString() : Description(projects, key));
    }
}

void FormatEmployeeColumns(SheetModel& sheet, int lastRow)
{
    sheet.SetRangeNumberFormat({ kFirstDataRow, 7, lastRow + 3, 13 }, u"####0,00"_s);
    sheet.AlignRangeRight({ kFirstDataRow, 5, lastRow + 3, 6 });
}

// Project layout, columns C to H.

QString ProjectGroupKey(const QString& line)
{
    return TrimRight(ExportField(line, 0, 14));
}

void WriteProjectRow(SheetModel& sheet, int row, const QString& line, const StringList& projects)
{
    const QString key = TrimRight(ExportField(line, 0, 14));
    sheet.SetCellText(row, 3, key);
    sheet.SetCellValue(row, 4, TrimRight(ExportField(line, 15, 4)));
    sheet.SetCellText(row, 5, TrimRight(ExportField(line, 20, 30)));
    sheet.SetCellValue(row, 6, WithoutBlanks(ExportField(line, 51, 10)));
    sheet.SetCellValue(row, 7, WithoutBlanks(ExportField(line, 62, 12)));
    sheet.SetCellText(row, 8, Description(projects, key));
}

void FormatProjectColumns(SheetModel& sheet, int lastRow)
{
    sheet.SetRangeNumberFormat({ kFirstDataRow, 6, lastRow + 3, 6 }, u"0,00"_s);
    sheet.SetRangeNumberFormat({ kFirstDataRow, 7, lastRow + 3, 7 }, u"#.##0,00 €"_s);
}

// Account layout, columns C to K.

void WriteAccountRow(SheetModel& sheet, int row, const QString& line, const StringList&)
{
    sheet.SetCellText(row, 3, TrimRight(ExportField(line, 6, 30)));
    sheet.SetCellValue(row, 4, TrimRight(ExportField(line, 37, 4)));
    sheet.SetCellText(row, 5, TrimRight(ExportField(line, 42, 9)));
    for (int k = 0; k < 5; ++k)
        sheet.SetCellValue(row, 6 + k, WithoutBlanks(ExportField(line, 52 + 11 * k, 10)));
    sheet.SetCellValue(row, 11, line.size() > 110 ? line.mid(108, 3) : QString());
}

void FormatAccountColumns(SheetModel& sheet, int lastRow)
{
    sheet.SetRangeNumberFormat({ kFirstDataRow, 6, lastRow + 3, 10 }, u"####0,00"_s);
    sheet.AlignRangeRight({ kFirstDataRow, 4, lastRow + 3, 5 });
}

Layout AccountLayout()
{
    return { 11,
        { u"Mitarbeiter"_s, u"Jahr"_s, u"Monat"_s, u"Arbeitszeit"_s, u"Sollzeit"_s, u"Diff A-S"_s,
            u"Kontostand"_s, u"Urlaubstage"_s, u"Quelle"_s },
        NumberedHeads(9).split(u'|'), { { 8, u"(4)-(5)"_s } }, EmployeeGroupKey, WriteAccountRow,
        FormatAccountColumns };
}

Layout EmployeeLayout()
{
    return { 14,
        { u"Zeitart"_s, u"Mitarbeiter"_s, u"Jahr"_s, u"Monat"_s, u"Anwesenheit"_s, u"Pause"_s,
            u"Arbeitszeit"_s, u"Sollzeit"_s, u"Diff A-S"_s, u"Zugeordnet"_s, u"Offen"_s,
            u"  Beschreibung Projekt / Sonstige Tätig."_s },
        NumberedHeads(12).split(u'|'), { { 9, u"(5)-(6)"_s }, { 11, u"(7)-(8)"_s }, { 13, u"(7)-(10)"_s } },
        EmployeeGroupKey, WriteEmployeeRow, FormatEmployeeColumns };
}

Layout ProjectLayout()
{
    return { 8,
        { u"Tätigkeits-Nr"_s, u"Jahr"_s, u"Mitarbeiter"_s, u"Dauer"_s, u"Kosten"_s,
            u"  Beschreibung Projekt / Sonstige Tätigk."_s },
        NumberedHeads(6).split(u'|'), {}, ProjectGroupKey, WriteProjectRow, FormatProjectColumns };
}

Layout LayoutOf(ReportForm form)
{
    if (form == ReportForm::Law)
        return LawSheetLayout();
    if (form == ReportForm::Account)
        return AccountLayout();
    return form == ReportForm::Project ? ProjectLayout() : EmployeeLayout();
}

void WriteHeaderRows(SheetModel& sheet, const Layout& layout)
{
    const int x = layout.lastColumn;
    sheet.SetRangeColorIndex({ 4, kColumnC, 6, x }, kHeaderColourIndex);
    sheet.SetRangeBorders({ 4, kColumnC, 4, x }, kBorderColourIndex, kContinuousLine, kBorderTopMask);
    sheet.SetCellValue(4, 1, u"   "_s);
    sheet.SetCellValue(4, kColumnB, u"   "_s);
    for (int i = 0; i < layout.row4.size(); ++i)
        sheet.SetCellValue(4, kColumnC + i, layout.row4.at(i));
    for (int i = 0; i < layout.row5.size(); ++i)
        sheet.SetCellValue(5, kColumnC + i, layout.row5.at(i));
    for (auto it = layout.row6.cbegin(); it != layout.row6.cend(); ++it)
        sheet.SetCellValue(6, it.key(), it.value());
    sheet.SetRangeBorders({ 6, kColumnC, 6, x }, kBorderColourIndex, kContinuousLine, kBorderBottomMask);
}

// Returns the last data row (6 without any).
int WriteDataRows(SheetModel& sheet, const Layout& layout, const ExportBuffer& buffer,
    const StringList& projects, const ExportProgress& progress)
{
    int row = kFirstDataRow - 1;
    int done = 0;
    std::optional<QString> previousKey;
    for (const QString& line : buffer) {
        ShowProgress(progress, ++done, buffer);
        if (line.size() <= 10)
            continue;
        const QString key = layout.groupKey(line);
        if (previousKey && *previousKey != key)
            ++row;
        previousKey = key;
        ++row;
        layout.writeRow(sheet, row, line, projects);
        sheet.SetRangeBorders({ row, kColumnC, row, layout.lastColumn }, kBorderColourIndex, kContinuousLine,
            kBorderBottomMask);
        sheet.SetCellValue(row, kColumnB, QString::number(row - 6));
    }
    return row;
}

void FormatColumns(SheetModel& sheet, const Layout& layout, int lastRow)
{
    const int x = layout.lastColumn;
    layout.formatColumns(sheet, lastRow);
    for (int column = kColumnC; column <= x; ++column)
        sheet.SetRangeBorders(
            { 4, column, lastRow, column }, kBorderColourIndex, kContinuousLine, kBorderLeftMask);
    sheet.SetRangeBorders({ 4, x, lastRow, x }, kBorderColourIndex, kContinuousLine, kBorderRightMask);
    sheet.AlignRangeCenter({ 4, kColumnC, 4, x - 1 });
    sheet.AlignRangeCenter({ 5, kColumnC, 6, x });
    sheet.AutoFitColumns(1, x);
}

void WriteTitle(SheetModel& sheet, const ReportSelection& selection, const OutputMoment& moment)
{
    sheet.SetCellValue(2, kColumnC, WorkbookTitle(selection));
    sheet.SetRangeFontSize({ 2, kColumnC, 2, kColumnC }, 12);
    sheet.SetRangeBold({ 2, kColumnC, 2, kColumnC });
    sheet.SetCellValue(2, 8, WorkbookStandText(moment));
}

} // namespace

SheetModel BuildReportSheet(const ReportSelection& selection, const ExportBuffer& buffer,
    const StringList& projects, const OutputMoment& moment, const ExportProgress& progress)
{
    const Layout layout = LayoutOf(selection.form);
    SheetModel sheet(WorksheetName(selection));
    sheet.SetPaletteColor(kHeaderColourIndex, kHeaderGrey);
    WriteHeaderRows(sheet, layout);
    ShowProgress(progress, 0, buffer);
    const int lastRow = WriteDataRows(sheet, layout, buffer, projects, progress);
    FormatColumns(sheet, layout, lastRow);
    WriteTitle(sheet, selection, moment);
    return sheet;
}

bool ExportWorkbook(const QString& path, const ReportSelection& selection, const ExportBuffer& buffer,
    const StringList& projects, const OutputMoment& moment, Messenger& messenger,
    const ExportProgress& progress)
{
    const SheetModel sheet = BuildReportSheet(selection, buffer, projects, moment, progress);
    if (!IsValidSheetName(sheet.name())) {
        messenger.show(u"0030: Fehler beim Erzeugen des neuen Tabellenblattes  "_s + sheet.name());
        return false;
    }
    if (!WriteWorkbookFile(path, sheet)) {
        messenger.show(u"0020: Fehler beim Speichern der aktuellen Arbeitsmappe  "_s);
        return false;
    }
    ShowProgress(progress, ProgressMaximum(buffer), buffer);
    messenger.show(WorkbookSavedMessage(selection.form, path));
    return true;
}
