#include "korav/reports/core/workbook_export.h"

#include "korav/reports/core/account_report.h"

#include "workbook_reader.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QJsonArray>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const OutputMoment kMoment { QDate(2024, 3, 7), QTime(9, 5) };
const QString kGrey = u"FFE7E7E7"_s;
const QString kBorderGrey = u"FFC0C0C0"_s;
const QString kEmployeeDescriptionHead = u"  Beschreibung Projekt / Sonstige Tätig."_s;

StringList Projects()
{
    return StringList({ u"P100=Messebau Halle 3"_s, u"S1=Pause"_s });
}

ExportBuffer EmployeeBuffer()
{
    return {
        AZeitMonthLine(u"Berg"_s, 2016, 1, { 160.5, 1, 159.5, 168, -8.5, 150, 9.5 }, u'D'),
        AZeitMonthLine(u"Berg"_s, 2016, 2, { 0, 0, 0, 160, -160, 0, 0 }, u'-'),
        AZeitTotalLine(u"Berg"_s, 2016, u"1-2Q"_s, { 160.5, 1, 159.5, 328, -168.5, 150, 9.5 }),
        PZeitLine(u"Berg"_s, 2016, u"P100"_s, 150),
        PZeitLine(u"Berg"_s, 2016, u"0815"_s, 2.5),
        PZeitTotalLine(u"Berg"_s, 2016, u"1-2Q"_s, 152.5),
        u"too short"_s,
        AZeitMonthLine(u"Alt"_s, 2016, 1, { 8, 0, 8, 0, 8, 8, 0 }, u'Z'),
    };
}

// The file stores the width with the spreadsheet's padding of a fraction of
// a character; the whole characters are what was fitted.
int FittedWidth(const QJsonObject& widths, const QString& column)
{
    return int(widths.value(column).toDouble());
}

class WorkbookExportTest : public ::testing::Test {
protected:
    QJsonObject exportAndRead(const ReportSelection& selection, const ExportBuffer& buffer)
    {
        const QString path = folder.path(u"book.xlsx"_s);
        EXPECT_TRUE(ExportWorkbook(path, selection, buffer, Projects(), kMoment, messenger));
        const QJsonObject book = ReadWorkbook(path);
        cells = book.value(u"cells"_s).toObject();
        return book;
    }
    QJsonObject cell(const QString& name) const { return cells.value(name).toObject(); }
    QJsonValue value(const QString& name) const { return cell(name).value(u"value"_s); }
    bool hasSide(const QString& name, const QString& side) const
    {
        const QJsonObject s = cell(name).value(side).toObject();
        return s.value(u"style"_s).toString() == u"thin"_s && s.value(u"colour"_s).toString() == kBorderGrey;
    }

    TempFolder folder;
    ScriptedMessenger messenger;
    QJsonObject cells;
};

TEST_F(WorkbookExportTest, EmployeeQuarterSheetHasGreyBorderedHeaderRows)
{
    const ReportSelection s { ReportForm::Employee, PeriodMode::Quarter, u"00-Alle"_s, u"1-2"_s, u"2016"_s };
    const QJsonObject book = exportAndRead(s, EmployeeBuffer());

    EXPECT_EQ(book.value(u"sheets"_s).toArray(), QJsonArray { u"Quartalsübersicht_1-2_2016"_s });
    const QStringList heads { u"Zeitart"_s, u"Mitarbeiter"_s, u"Jahr"_s, u"Monat"_s, u"Anwesenheit"_s,
        u"Pause"_s, u"Arbeitszeit"_s, u"Sollzeit"_s, u"Diff A-S"_s, u"Zugeordnet"_s, u"Offen"_s,
        kEmployeeDescriptionHead };
    for (int i = 0; i < heads.size(); ++i) {
        const QString column(QChar(u'C' + i));
        EXPECT_EQ(value(column + u'4').toString(), heads[i]) << column.toStdString();
        EXPECT_EQ(value(column + u'5').toDouble(), i + 1);
        for (const QString& row : { u"4"_s, u"5"_s, u"6"_s })
            EXPECT_EQ(cell(column + row).value(u"fill"_s).toString(), kGrey)
                << QString(column + row).toStdString();
        EXPECT_TRUE(hasSide(column + u'4', u"top"_s));
        EXPECT_TRUE(hasSide(column + u'6', u"bottom"_s));
        EXPECT_TRUE(hasSide(column + u'5', u"left"_s));
    }
    EXPECT_EQ(value(u"A4"_s).toString(), u"   "_s);
    EXPECT_EQ(value(u"B4"_s).toString(), u"   "_s);
    EXPECT_TRUE(cell(u"A4"_s).value(u"fill"_s).isNull());
    EXPECT_EQ(value(u"I6"_s).toString(), u"(5)-(6)"_s);
    EXPECT_EQ(value(u"K6"_s).toString(), u"(7)-(8)"_s);
    EXPECT_EQ(value(u"M6"_s).toString(), u"(7)-(10)"_s);
    EXPECT_EQ(cell(u"M4"_s).value(u"align"_s).toString(), u"center"_s);
    EXPECT_TRUE(cell(u"N4"_s).value(u"align"_s).isNull());
    EXPECT_EQ(cell(u"N5"_s).value(u"align"_s).toString(), u"center"_s);
    EXPECT_TRUE(hasSide(u"N4"_s, u"right"_s));
    EXPECT_FALSE(hasSide(u"M4"_s, u"right"_s));

    EXPECT_EQ(value(u"C2"_s).toString(), u"Quartalsübersicht Arbeitsstunden 1-2/2016"_s);
    EXPECT_TRUE(cell(u"C2"_s).value(u"bold"_s).toBool());
    EXPECT_EQ(cell(u"C2"_s).value(u"size"_s).toDouble(), 12);
    EXPECT_EQ(value(u"H2"_s).toString(), u"Stand: 07.03.2024 09:05"_s);
}

TEST_F(WorkbookExportTest, EmployeeRowsAreNumberedGroupedAndSummable)
{
    const ReportSelection s { ReportForm::Employee, PeriodMode::Quarter, u"00-Alle"_s, u"1-2"_s, u"2016"_s };
    exportAndRead(s, EmployeeBuffer());

    // Month line: numbers where the sheet would read numbers.
    EXPECT_EQ(value(u"B7"_s).toDouble(), 1);
    EXPECT_EQ(value(u"C7"_s).toString(), u"AZeit"_s);
    EXPECT_EQ(value(u"D7"_s).toString(), u"Berg"_s);
    EXPECT_EQ(value(u"E7"_s).toDouble(), 2016);
    EXPECT_EQ(value(u"F7"_s).toString(), u"01"_s);
    EXPECT_EQ(cell(u"F7"_s).value(u"align"_s).toString(), u"right"_s);
    const double monthValues[] = { 160.5, 1, 159.5, 168, -8.5, 150, 9.5 };
    for (int k = 0; k < 7; ++k) {
        const QString name = QString(QChar(u'G' + k)) + u'7';
        EXPECT_EQ(cell(name).value(u"type"_s).toString(), u"n"_s) << name.toStdString();
        EXPECT_DOUBLE_EQ(value(name).toDouble(), monthValues[k]);
        EXPECT_EQ(cell(name).value(u"format"_s).toString(), u"####0.00"_s);
    }
    EXPECT_EQ(value(u"N7"_s).toString(), u"(D)"_s);
    EXPECT_TRUE(hasSide(u"C7"_s, u"bottom"_s));
    EXPECT_TRUE(hasSide(u"N7"_s, u"bottom"_s));

    // Total line: period label, and no marker field in the line.
    EXPECT_EQ(value(u"F9"_s).toString(), u"1-2Q"_s);
    EXPECT_EQ(value(u"N9"_s).toString(), u"(?)"_s);
    // Activity lines: key, value in L, description or "???"; the total
    // line shows the period label and no description.
    EXPECT_EQ(value(u"F10"_s).toString(), u"P100"_s);
    EXPECT_DOUBLE_EQ(value(u"L10"_s).toDouble(), 150);
    EXPECT_EQ(value(u"N10"_s).toString(), u"Messebau Halle 3"_s);
    // A key is text, whatever its characters: "0815" keeps its zero.
    EXPECT_EQ(value(u"F11"_s).toString(), u"0815"_s);
    EXPECT_EQ(cell(u"F11"_s).value(u"type"_s).toString(), u"s"_s);
    EXPECT_DOUBLE_EQ(value(u"L11"_s).toDouble(), 2.5);
    EXPECT_EQ(value(u"N11"_s).toString(), u"???"_s);
    EXPECT_EQ(value(u"F12"_s).toString(), u"1-2Q"_s);
    EXPECT_TRUE(value(u"N12"_s).isNull());

    // The short line is skipped; the next employee follows one empty row.
    EXPECT_TRUE(value(u"C13"_s).isNull());
    EXPECT_TRUE(hasSide(u"C13"_s, u"left"_s));
    EXPECT_FALSE(hasSide(u"C13"_s, u"bottom"_s));
    EXPECT_EQ(value(u"D14"_s).toString(), u"Alt"_s);
    EXPECT_EQ(value(u"B14"_s).toDouble(), 8);
    EXPECT_EQ(value(u"N14"_s).toString(), u"(Z)"_s);
    EXPECT_TRUE(hasSide(u"N14"_s, u"right"_s));
    // Formats reach three rows beyond the last; borders stop at it.
    EXPECT_EQ(cell(u"M17"_s).value(u"format"_s).toString(), u"####0.00"_s);
    EXPECT_FALSE(hasSide(u"C15"_s, u"left"_s));
}

TEST_F(WorkbookExportTest, ColumnsAreAsWideAsTheirLongestTextBeforeTheTitle)
{
    const ReportSelection s { ReportForm::Employee, PeriodMode::Year, u"00-Alle"_s, {}, u"2016"_s };
    const QJsonObject book = exportAndRead(s, EmployeeBuffer());
    const QJsonObject widths = book.value(u"widths"_s).toObject();
    EXPECT_EQ(book.value(u"sheets"_s).toArray(), QJsonArray { u"Jahresübersicht_2016"_s });
    EXPECT_EQ(FittedWidth(widths, u"A"_s), 4); // "   "
    EXPECT_EQ(FittedWidth(widths, u"C"_s), 8); // "Zeitart", not the title
    EXPECT_EQ(FittedWidth(widths, u"D"_s), 12); // "Mitarbeiter"
    EXPECT_EQ(FittedWidth(widths, u"G"_s), 12); // "Anwesenheit" beats "160.50"
    EXPECT_EQ(FittedWidth(widths, u"K"_s), 9); // "Diff A-S" is longer than "-168.50"
    EXPECT_EQ(FittedWidth(widths, u"N"_s), kEmployeeDescriptionHead.size() + 1);
}

TEST_F(WorkbookExportTest, ProjectSheetHasItsOwnColumnsAndFormats)
{
    const ReportSelection s { ReportForm::Project, PeriodMode::Year, u"00-Alle"_s, {}, u"2016"_s };
    const ExportBuffer buffer {
        ProjectEmployeeLine(u"P100"_s, 2016, u"Berg"_s, 1.5, 68.25, 45.5),
        ProjectEmployeeLine(u"P100"_s, 2016, u"Alt"_s, 10, 1000, 100),
        ProjectTotalLine(u"P100"_s, 2016, u"Jahr 2016 gesamt"_s, 11.5, 1068.25),
        ProjectTotalLine(u"007"_s, 2016, u"Jahr 2016 gesamt"_s, 2, 0),
    };
    const QJsonObject book = exportAndRead(s, buffer);

    EXPECT_EQ(messenger.messages,
        QStringList {
            u"Daten sind in Datei  \n\n"_s + folder.path(u"book.xlsx"_s) + u"  \n\ngespeichert.  "_s });
    const QStringList heads { u"Tätigkeits-Nr"_s, u"Jahr"_s, u"Mitarbeiter"_s, u"Dauer"_s, u"Kosten"_s,
        u"  Beschreibung Projekt / Sonstige Tätigk."_s };
    for (int i = 0; i < heads.size(); ++i) {
        const QString column(QChar(u'C' + i));
        EXPECT_EQ(value(column + u'4').toString(), heads[i]);
        EXPECT_EQ(value(column + u'5').toDouble(), i + 1);
        EXPECT_EQ(cell(column + u'6').value(u"fill"_s).toString(), kGrey);
    }
    EXPECT_FALSE(cells.contains(u"I4"_s));
    EXPECT_EQ(value(u"C7"_s).toString(), u"P100"_s);
    EXPECT_EQ(value(u"D7"_s).toDouble(), 2016);
    EXPECT_EQ(value(u"E7"_s).toString(), u"Berg"_s);
    EXPECT_DOUBLE_EQ(value(u"F7"_s).toDouble(), 1.5);
    EXPECT_EQ(cell(u"F7"_s).value(u"format"_s).toString(), u"0.00"_s);
    EXPECT_DOUBLE_EQ(value(u"G9"_s).toDouble(), 1068.25);
    EXPECT_EQ(cell(u"G9"_s).value(u"format"_s).toString(), u"#,##0.00 €"_s);
    EXPECT_EQ(value(u"H7"_s).toString(), u"Messebau Halle 3"_s);
    EXPECT_EQ(value(u"E9"_s).toString(), u"Jahr 2016 gesamt"_s);
    EXPECT_TRUE(value(u"C10"_s).isNull());
    EXPECT_EQ(value(u"C11"_s).toString(), u"007"_s);
    EXPECT_EQ(cell(u"C11"_s).value(u"type"_s).toString(), u"s"_s);
    EXPECT_EQ(value(u"H11"_s).toString(), u"???"_s);
    EXPECT_EQ(value(u"B11"_s).toDouble(), 5);
    EXPECT_TRUE(hasSide(u"H11"_s, u"right"_s));
    EXPECT_EQ(FittedWidth(book.value(u"widths"_s).toObject(), u"G"_s), 11); // "1,068.25 €"
}

TEST_F(WorkbookExportTest, AnUnwritableTargetReportsTheSaveStep)
{
    QDir(folder.path()).mkdir(u"book.xlsx"_s);
    const ReportSelection s { ReportForm::Employee, PeriodMode::Year, u"00-Alle"_s, {}, u"2016"_s };
    EXPECT_FALSE(
        ExportWorkbook(folder.path(u"book.xlsx"_s), s, EmployeeBuffer(), Projects(), kMoment, messenger));
    EXPECT_EQ(
        messenger.messages, QStringList { u"0020: Fehler beim Speichern der aktuellen Arbeitsmappe  "_s });
}

// The bar runs over the buffer lines and 30 steps more; short lines count
// too, and it is full only once the file is written.
TEST_F(WorkbookExportTest, ProgressRunsOverTheBufferLinesAndFillsOnceWritten)
{
    const ReportSelection s { ReportForm::Employee, PeriodMode::Year, u"00-Alle"_s, {}, u"2016"_s };
    const ExportBuffer buffer = EmployeeBuffer();
    const int maximum = int(buffer.size()) + 30;
    QList<int> values;
    const auto progress = [&](int value, int max) {
        EXPECT_EQ(max, maximum);
        values.append(value);
    };
    ASSERT_TRUE(
        ExportWorkbook(folder.path(u"book.xlsx"_s), s, buffer, Projects(), kMoment, messenger, progress));
    QList<int> expected;
    for (int i = 0; i <= buffer.size(); ++i)
        expected.append(i);
    expected.append(maximum);
    EXPECT_EQ(values, expected);

    values.clear();
    QDir(folder.path()).mkdir(u"folder.xlsx"_s);
    EXPECT_FALSE(
        ExportWorkbook(folder.path(u"folder.xlsx"_s), s, buffer, Projects(), kMoment, messenger, progress));
    EXPECT_FALSE(values.contains(maximum));
}

TEST(NumberFormatTest, GermanNotationBecomesNeutral)
{
    EXPECT_EQ(NeutralNumberFormat(u"####0,00"_s), u"####0.00"_s);
    EXPECT_EQ(NeutralNumberFormat(u"#.##0,00 €"_s), u"#,##0.00 €"_s);
}

} // namespace

TEST_F(WorkbookExportTest, AccountSheetHasOneRowPerMonthWithItsBalance)
{
    const ReportSelection s { ReportForm::Account, PeriodMode::Year, u"00-Alle"_s, {}, u"2016"_s };
    const ExportBuffer buffer {
        AccountExportLine(u"Berg"_s, 2016, u"Übertrag"_s,
            { std::nullopt, std::nullopt, std::nullopt, -76, std::nullopt }, {}),
        AccountExportLine(u"Berg"_s, 2016, u"01"_s, { 18, 80, -62, -138, 1.5 }, u"D"_s),
        AccountExportLine(u"Cord"_s, 2016, u"01"_s, { 0, 0, 0, 0, 0 }, u"-"_s),
    };
    const QJsonObject book = exportAndRead(s, buffer);
    EXPECT_EQ(book.value(u"sheets"_s).toArray(), QJsonArray { u"Arbeitszeitkonto_2016"_s });
    EXPECT_EQ(value(u"C2"_s).toString(), u"Arbeitszeitkonto 2016"_s);
    const QStringList heads { u"Mitarbeiter"_s, u"Jahr"_s, u"Monat"_s, u"Arbeitszeit"_s, u"Sollzeit"_s,
        u"Diff A-S"_s, u"Kontostand"_s, u"Urlaubstage"_s, u"Quelle"_s };
    for (int i = 0; i < heads.size(); ++i)
        EXPECT_EQ(value(QString(QChar(u'C' + i)) + u'4').toString(), heads[i]);
    EXPECT_EQ(value(u"H6"_s).toString(), u"(4)-(5)"_s);
    EXPECT_EQ(value(u"E7"_s).toString(), u"Übertrag"_s);
    EXPECT_EQ(value(u"F7"_s).toString(), u"---"_s);
    EXPECT_DOUBLE_EQ(value(u"I7"_s).toDouble(), -76);
    EXPECT_EQ(value(u"E8"_s).toString(), u"01"_s);
    const double values[] = { 18, 80, -62, -138, 1.5 };
    for (int k = 0; k < 5; ++k)
        EXPECT_DOUBLE_EQ(value(QString(QChar(u'F' + k)) + u'8').toDouble(), values[k]);
    EXPECT_EQ(value(u"K8"_s).toString(), u"(D)"_s);
    EXPECT_EQ(value(u"C10"_s).toString(), u"Cord"_s); // a new employee after an empty row
}
