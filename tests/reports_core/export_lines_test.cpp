#include "korav/reports/core/export_lines.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ExportLinesTest, EmployeeLinesPutTheirFieldsWhereTheWorkbookReadsThem)
{
    const QString month = AZeitMonthLine(u"Berg"_s, 2016, 3, { 160.5, 1, 159.5, 168, -8.5, 150, 9.5 }, u'D');
    const QString expected = u"AZeit Berg                           2016 03        "_s
        + u"    160.50       1.00     159.50     168.00      -8.50     150.00       9.50  (D)"_s;
    EXPECT_EQ(month, expected);
    EXPECT_EQ(month.mid(52, 10), u"    160.50"_s);
    EXPECT_EQ(month.mid(52 + 66, 10), u"      9.50"_s);
    EXPECT_EQ(month.mid(130, 3), u"(D)"_s);

    const QString total = AZeitTotalLine(u"Berg"_s, 2016, u"1-3Q"_s, { 0, 0, 0, 0, 0, 0, 0 });
    EXPECT_EQ(total.mid(42, 9), u"1-3Q     "_s);
    EXPECT_EQ(total.size(), 129);

    EXPECT_EQ(PZeitLine(u"Berg"_s, 2016, u"P100"_s, 1.5),
        u"PZeit Berg                           2016       P100                 1.50"_s);
    EXPECT_EQ(PZeitTotalLine(u"Berg"_s, 2016, u"ges"_s, 12.25),
        u"PZeit Berg                           2016 ges                       12.25"_s);
}

TEST(ExportLinesTest, ProjectLines)
{
    EXPECT_EQ(ProjectEmployeeLine(u"P100"_s, 2016, u"Berg"_s, 1.5, 68.25, 45.5),
        u"P100           2016 Berg                                 1.50        68.25  45.50"_s);
    EXPECT_EQ(ProjectTotalLine(u"P100"_s, 2016, u"Jahr 2016 gesamt"_s, 1.5, 1068.25),
        u"P100           2016 Jahr 2016 gesamt                     1.50      1068.25"_s);
}

TEST(ExportLinesTest, DecimalHoursOfMinutes)
{
    EXPECT_DOUBLE_EQ(DecimalHours(90), 1.5);
    EXPECT_EQ(ExportNumber(DecimalHours(530)), u"      8.83"_s);
    EXPECT_EQ(ExportNumber(DecimalHours(-330)), u"     -5.50"_s);
}

} // namespace
