#include "korav/reports/core/month_sums.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList Entries(const QStringList& durations)
{
    QStringList entries;
    for (const QString& d : durations) {
        const QString key = u"K%1"_s.arg(entries.size() + 1);
        entries.append(key + u"=20240301"_s + d + key);
    }
    return entries;
}

TEST(MonthSumsTest, NothingEnteredShowsNoTimes)
{
    const MonthSums s = ComputeMonthSums({}, {}, {}, 0);
    EXPECT_EQ(s.working, 0);
    EXPECT_EQ(s.workingText, u"--- "_s);
    EXPECT_EQ(s.assignedText, u"--- "_s);
    EXPECT_EQ(s.openText, u"--- "_s);
    EXPECT_EQ(s.openColour, kOpenGrey);
    EXPECT_FALSE(s.openBarShown);
    EXPECT_EQ(s.differenceText, u"--- "_s);
    EXPECT_EQ(s.differenceColour, kOpenGrey);
}

struct OpenCase {
    const char16_t* hours;
    const char16_t* minutes;
    QStringList durations;
    int open;
    const char16_t* text;
    Rgb colour;
    bool bar;
};

TEST(MonthSumsTest, OpenTimeTextAndColour)
{
    const OpenCase cases[] = {
        { u"160", u"00", { u"15030"_s }, 570, u"  9:30 ", kOpenSalmon, false },
        { u"160", u"00", { u"16100"_s }, -60, u"- 1:00 ", kOpenGreen, true },
        { u"160", u"00", { u"15000"_s, u"01000"_s }, 0, u"--- ", kOpenGreen, false },
        { u"  8", u"30", {}, 510, u"  8:30 ", kOpenSalmon, false },
        { u"", u"", { u"00100"_s }, -60, u"--- ", kOpenGrey, true },
    };
    for (const OpenCase& c : cases) {
        const MonthSums s = ComputeMonthSums(
            QString::fromUtf16(c.hours), QString::fromUtf16(c.minutes), Entries(c.durations), 0);
        EXPECT_EQ(s.open, c.open);
        EXPECT_EQ(s.openText, QString::fromUtf16(c.text));
        EXPECT_EQ(s.openColour, c.colour);
        EXPECT_EQ(s.openBarShown, c.bar);
    }
}

TEST(MonthSumsTest, OpenTimeOfAThousandHoursIsNotShown)
{
    const MonthSums s = ComputeMonthSums(u"999"_s, u"59"_s, {}, 0);
    EXPECT_EQ(s.openText, u"999:59 "_s);
    const MonthSums over = ComputeMonthSums(u"1000"_s, u"00"_s, {}, 0);
    EXPECT_EQ(over.open, 60000);
    EXPECT_TRUE(over.openLimitExceeded);
    EXPECT_FALSE(over.openText.has_value());
    EXPECT_FALSE(over.openColour.has_value());
}

TEST(MonthSumsTest, DifferenceToTheTarget)
{
    const MonthSums under = ComputeMonthSums(u"160"_s, u"00"_s, {}, 160 * 60 + 330);
    EXPECT_EQ(under.difference, -330);
    EXPECT_EQ(under.differenceText, u" - 5:30 "_s);
    EXPECT_EQ(under.differenceColour, kOpenSalmon);
    const MonthSums over = ComputeMonthSums(u"160"_s, u"00"_s, {}, 8064);
    EXPECT_EQ(over.differenceText, u"  25:36 "_s);
    EXPECT_EQ(over.differenceColour, kOpenGreen);

    EXPECT_EQ(MonthDifferenceText(-720), u" -12:00 "_s);
    EXPECT_EQ(MonthDifferenceText(-123 * 60), u"-123:00 "_s);
    EXPECT_EQ(MonthDifferenceText(-1234 * 60), u"-1234:00 "_s);
    EXPECT_EQ(MonthDifferenceText(0), u"   0:00 "_s);
}

TEST(MonthSumsTest, EntryRowDurationBlanksLeadingZeros)
{
    EXPECT_EQ(EntryDurationText(u"00830"), u"  8:30"_s);
    EXPECT_EQ(EntryDurationText(u"01200"), u" 12:00"_s);
    EXPECT_EQ(EntryDurationText(u"10000"), u"100:00"_s);
    EXPECT_EQ(EntryDurationText(u"00005"), u"  0:05"_s);
}

TEST(MonthSumsTest, ReportsGetTheDialogsTotalsFromTheFile)
{
    const StringList lines({ u"foreign=1"_s,
        u"az2024034711=20240307160"
        u"00----------------Messe"_s,
        u"pz2024034711=2024030515030P100####2024030500100X9####"_s });
    const KoravMonthTotals t = KoravMonthSums(lines, u"4711"_s, 2024, 3, 8064);
    EXPECT_EQ(t.working(), 9600);
    EXPECT_EQ(t.assigned(), 9090);
    EXPECT_EQ(t.open(), 510);
    EXPECT_EQ(t.entries(), (QStringList { u"P100=2024030515030P100"_s, u"X9=2024030500100X9"_s }));
    EXPECT_EQ(t.sums.difference, 1536);

    const KoravMonthTotals other = KoravMonthSums(lines, u"4711"_s, 2024, 4, 100);
    EXPECT_EQ(other.working(), 0);
    EXPECT_TRUE(other.entries().isEmpty());
}

} // namespace
