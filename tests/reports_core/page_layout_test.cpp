#include "korav/reports/core/page_layout.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PageLayoutTest, GeometryFollowsThePageSize)
{
    // H = 1000, B = 2000: u = 35, v = 98, h = 17.
    const PageGeometry g = PageGeometry::ForPage(1000, 2000);
    EXPECT_EQ(g.lineHeight, 17);
    EXPECT_EQ(g.top, 35);
    EXPECT_EQ(g.bottom, 982); // 1000 - 17.5
    EXPECT_EQ(g.left, 98);
    EXPECT_EQ(g.right, 1951); // 2000 - 49
    EXPECT_EQ(g.headBottom, 122); // 35 + 87.5
    EXPECT_EQ(g.bodyTop, 140);
    EXPECT_EQ(g.bodyBottom, 957); // 982 - 24.5
    EXPECT_EQ(g.footTop, 947);
    EXPECT_EQ(g.linesPerPage, 45); // (957 - 140 - 51) / 17
    EXPECT_EQ(g.textX(), 147);
    EXPECT_EQ(g.lineY(1), 157);
    EXPECT_EQ(g.titleBoxTop(), 98);
    EXPECT_EQ(g.titleBoxBottom(), 133);
    EXPECT_EQ(g.titleY(), 108); // 35 + 73.5
    EXPECT_EQ(g.footRuleY(), 957);
    EXPECT_EQ(g.footTextY(), 964);
    EXPECT_EQ(g.footPageX(), 882);
    EXPECT_EQ(g.footStampX(), 1559);
}

TEST(PageLayoutTest, PagesHoldExactlyTheirLines)
{
    const PageGeometry g = PageGeometry::ForPage(1000, 2000);
    EXPECT_EQ(g.pageCount(0), 1);
    EXPECT_EQ(g.pageCount(45), 1);
    EXPECT_EQ(g.pageCount(46), 2);
    EXPECT_EQ(g.pageCount(90), 2);

    QStringList lines;
    for (int i = 1; i <= 7; ++i)
        lines.append(QString::number(i));
    const QList<PrintedPage> pages = PaginateLines(lines, 3);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0].lines, (QStringList { u"1"_s, u"2"_s, u"3"_s }));
    EXPECT_EQ(pages[2].number, 3);
    EXPECT_EQ(pages[2].lines, QStringList { u"7"_s });
    EXPECT_EQ(PaginateLines({}, 3).size(), 1);
}

TEST(PageLayoutTest, FootTexts)
{
    EXPECT_EQ(FootProgramText(u"KORAV"), u"Programm KORAV"_s);
    EXPECT_EQ(FootPageText(1, 12), u"1 / 12"_s);
    EXPECT_EQ(FootStampText(QDateTime(QDate(2024, 1, 5), QTime(7, 3))), u"05.01.2024 07:03"_s);
}

TEST(PageLayoutTest, LinesWiderThanThePageGetASmallerFont)
{
    EXPECT_DOUBLE_EQ(FittingPointSize(9, 500, 600), 9);
    EXPECT_DOUBLE_EQ(FittingPointSize(9, 600, 600), 9);
    EXPECT_DOUBLE_EQ(FittingPointSize(9, 900, 600), 6);
    EXPECT_DOUBLE_EQ(FittingPointSize(9, 900, 0), 9);
}

} // namespace
