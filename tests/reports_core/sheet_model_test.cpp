#include "korav/reports/core/sheet_model.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ValueCase {
    QString text;
    std::optional<double> number;
};

// A value cell turns into a number exactly where the spreadsheet would read
// a plain decimal: a sign, digits, a point only between digits.
TEST(SheetModelValues, PlainDecimalsBecomeNumbersAndNothingElse)
{
    const ValueCase cases[] = {
        { u"12"_s, 12.0 },
        { u"-3.50"_s, -3.5 },
        { u"0815"_s, 815.0 },
        { u"7\n"_s, 7.0 },
        { u"1."_s, std::nullopt },
        { u".5"_s, std::nullopt },
        { u"-"_s, std::nullopt },
        { QString(), std::nullopt },
        { u"1.2.3"_s, std::nullopt },
        { u" 12"_s, std::nullopt },
        { u"12 "_s, std::nullopt },
        { u"+1"_s, std::nullopt },
        { u"1e3"_s, std::nullopt },
        { u"12,5"_s, std::nullopt },
        { u"--1"_s, std::nullopt },
        { u"1\n\n"_s, std::nullopt },
        { u"٣"_s, std::nullopt },
    };
    SheetModel sheet(u"Blatt"_s);
    for (const ValueCase& c : cases) {
        sheet.SetCellValue(1, 1, c.text);
        EXPECT_EQ(sheet.cell(1, 1)->number, c.number) << c.text.toStdString();
        EXPECT_EQ(sheet.cell(1, 1)->text, c.text);
    }
}

TEST(SheetModelValues, FittingCountsOnlyTheColumnsAskedFor)
{
    SheetModel sheet(u"Blatt"_s);
    sheet.SetCellValue(1, 1, u"abc"_s);
    sheet.SetCellValue(2, 1, u"1234.5"_s);
    sheet.SetRangeNumberFormat({ 2, 1, 2, 1 }, u"#.##0,00 €"_s);
    sheet.SetCellValue(1, 2, u"lang genug"_s);
    sheet.SetCellText(3, 3, QString());
    sheet.SetCellValue(1, 4, u"nicht gefragt"_s);
    sheet.AutoFitColumns(1, 3);
    EXPECT_EQ(sheet.columnWidths(), (QMap<int, double> { { 1, 11.0 }, { 2, 11.0 } })); // "1,234.50 €"
}

} // namespace
