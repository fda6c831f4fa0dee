#include "korav/reports/core/month_target.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// "msz" record: daily part, then December of 2023 and January to December
// of 2024, then January of 2025.
StringList EmployeeFile(const QString& march)
{
    QString value = u"10800"_s + u"12202316000"_s;
    for (int month = 1; month <= 12; ++month)
        value += month == 3 ? march : QString::number(100 + month).mid(1) + u"202416000"_s;
    value += u"01202516000"_s;
    return StringList({ u"geheim=4711#Anna Berg#80#"_s, u"msz4711="_s + value });
}

TEST(MonthTargetTest, DegreeScalesTheFullTimeTarget)
{
    const MonthTarget t = MonthTargetOf(EmployeeFile(u"03202416800"_s), u"4711"_s, 3, 2024, u"80"_s);
    EXPECT_TRUE(t.hasRecord);
    EXPECT_EQ(t.fullTime, 10080);
    EXPECT_EQ(t.target, 8064);
    EXPECT_EQ(t.label, u"134:24 "_s);
    EXPECT_EQ(t.hint, u" 80.00% von 168:00 "_s);
}

TEST(MonthTargetTest, TargetIsTruncatedTowardZero)
{
    const MonthTarget t = MonthTargetOf(EmployeeFile(u"03202410001"_s), u"4711"_s, 3, 2024, u"33.33"_s);
    EXPECT_EQ(t.fullTime, 6001);
    EXPECT_EQ(t.target, 2000);
    EXPECT_EQ(t.label, u" 33:20 "_s);
    EXPECT_EQ(t.hint, u" 33.33% von 100:01 "_s);
}

TEST(MonthTargetTest, MissingDegreeMonthOrRecord)
{
    const MonthTarget noDegree
        = MonthTargetOf(EmployeeFile(u"03202416800"_s), u"4711"_s, 3, 2024, std::nullopt);
    EXPECT_EQ(noDegree.target, 10080);
    EXPECT_EQ(noDegree.hint, u" 100.00% von 168:00 "_s);

    const MonthTarget otherYear = MonthTargetOf(EmployeeFile(u"03202416800"_s), u"4711"_s, 3, 2022, u"80"_s);
    EXPECT_TRUE(otherYear.hasRecord);
    EXPECT_EQ(otherYear.target, 0);
    EXPECT_EQ(otherYear.label, u"--- "_s);
    EXPECT_EQ(otherYear.hint, u" 80.00% von --- "_s);

    // The search ends after the 13th unit: January of the following year
    // is not found.
    EXPECT_EQ(MonthTargetOf(EmployeeFile(u"03202416800"_s), u"4711"_s, 1, 2025, u"100"_s).fullTime, 0);

    const MonthTarget none = MonthTargetOf(EmployeeFile(u"03202416800"_s), u"0815"_s, 3, 2024, u"80"_s);
    EXPECT_FALSE(none.hasRecord);
    EXPECT_TRUE(none.label.isEmpty());
    EXPECT_TRUE(none.hint.isEmpty());
}

TEST(MonthTargetTest, LeadingDecimal)
{
    EXPECT_DOUBLE_EQ(LeadingDecimal(u"62.5"), 62.5);
    EXPECT_DOUBLE_EQ(LeadingDecimal(u"80 %"), 80);
    EXPECT_DOUBLE_EQ(LeadingDecimal(u"abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingDecimal(u""), 0);
}

} // namespace
