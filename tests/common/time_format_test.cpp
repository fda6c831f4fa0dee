#include "common/open_time_colours.h"
#include "common/time_format.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

DayValues Day(bool hasCome, int attendance, int pause, int assigned)
{
    DayValues values;
    values.hasCome = hasCome;
    values.attendance = attendance;
    values.pause = pause;
    values.assigned = assigned;
    return values;
}

MonthValues Month(int actual, int target, int assigned)
{
    MonthValues values;
    values.attendance = actual;
    values.target = target;
    values.assigned = assigned;
    return values;
}

} // namespace

TEST(TimeFormat, DayValues)
{
    const struct {
        DayValues values;
        DayTexts texts;
    } cases[] = {
        // 8:00 with a pause of 0:30 and nothing else.
        { Day(true, 480, 30, 0), { u"  8:00 "_s, u"  0:30 "_s, u"  7:30 "_s, u"--- "_s, u"  7:30 "_s } },
        { Day(true, 485, 0, 485), { u"  8:05 "_s, u"--- "_s, u"  8:05 "_s, u"  8:05 "_s, u"--- "_s } },
        // More assigned than worked: the open time carries its minus sign in front.
        { Day(true, 480, 0, 525), { u"  8:00 "_s, u"--- "_s, u"  8:00 "_s, u"  8:45 "_s, u"- 0:45 "_s } },
        { Day(true, 600, 0, 0), { u" 10:00 "_s, u"--- "_s, u" 10:00 "_s, u"--- "_s, u" 10:00 "_s } },
        // Come and go equal: attendance shown as 0:00, nothing else.
        { Day(true, 0, 0, 0), { u"  0:00 "_s, u"--- "_s, u"--- "_s, u"--- "_s, u"--- "_s } },
        { Day(false, 0, 0, 0), { u"--- "_s, u"--- "_s, u"--- "_s, u"--- "_s, u"--- "_s } },
        // Pause beyond the attendance: a negative working time keeps its sign readable.
        { Day(true, 30, 45, 0), { u"  0:30 "_s, u"  0:45 "_s, u"- 0:15 "_s, u"--- "_s, u"- 0:15 "_s } },
        { Day(true, 6000, 0, 0), { u"100:00 "_s, u"--- "_s, u"100:00 "_s, u"--- "_s, u"100:00 "_s } },
    };
    for (const auto& c : cases) {
        const DayTexts texts = FormatDayValues(c.values);
        const std::string label = std::to_string(c.values.attendance) + '/' + std::to_string(c.values.pause)
            + '/' + std::to_string(c.values.assigned);
        EXPECT_EQ(texts.attendance, c.texts.attendance) << label;
        EXPECT_EQ(texts.pause, c.texts.pause) << label;
        EXPECT_EQ(texts.working, c.texts.working) << label;
        EXPECT_EQ(texts.assigned, c.texts.assigned) << label;
        EXPECT_EQ(texts.open, c.texts.open) << label;
    }
}

TEST(TimeFormat, MonthValues)
{
    const struct {
        MonthValues values;
        MonthTexts texts;
    } cases[] = {
        // Month without records.
        { Month(0, 0, 0), { u"  0:00 "_s, u"--- "_s, u"--- "_s, u"  0:00 "_s, u""_s } },
        // Difference -330: the minus goes in after the first blank.
        { Month(7734, 8064, 7734), { u"128:54 "_s, u"134:24 "_s, u" -  5:30 "_s, u"128:54 "_s, u"--- "_s } },
        // Difference -9000: the hours fill the second place, the minus takes the first.
        { Month(600, 9600, 0), { u" 10:00 "_s, u"160:00 "_s, u"-150:00 "_s, u"  0:00 "_s, u" 10:00 "_s } },
        { Month(9690, 9600, 9735),
            { u"161:30 "_s, u"160:00 "_s, u"   1:30 "_s, u"162:15 "_s, u"- 0:45 "_s } },
        // No target: no difference either.
        { Month(480, 0, 480), { u"  8:00 "_s, u"--- "_s, u"--- "_s, u"  8:00 "_s, u"--- "_s } },
        // A thousand hours short: the minus is put in front instead of over a digit.
        { Month(0, 60000, 0), { u"  0:00 "_s, u"1000:00 "_s, u"-1000:00 "_s, u"  0:00 "_s, u""_s } },
        { Month(0, 0, 6000), { u"  0:00 "_s, u"--- "_s, u"--- "_s, u"100:00 "_s, u"-100:00 "_s } },
    };
    for (const auto& c : cases) {
        const MonthTexts texts = FormatMonthValues(c.values);
        const std::string label = std::to_string(c.values.actual()) + '/' + std::to_string(c.values.target)
            + '/' + std::to_string(c.values.assigned);
        EXPECT_EQ(texts.actual, c.texts.actual) << label;
        EXPECT_EQ(texts.target, c.texts.target) << label;
        EXPECT_EQ(texts.difference, c.texts.difference) << label;
        EXPECT_EQ(texts.assigned, c.texts.assigned) << label;
        EXPECT_EQ(texts.open, c.texts.open) << label;
    }
}

TEST(TimeFormat, TargetHint)
{
    EXPECT_EQ(TargetHint(u"80", 10080, true), u" 80% von 168:00 "_s);
    EXPECT_EQ(TargetHint(u"62.5", 0, true), u" 62.5% von --- "_s);
    EXPECT_EQ(TargetHint(u"80", 10080, false), u"  80% von 168:00 "_s);
    EXPECT_EQ(TargetHint(u"80", 0, false), u"  80% von --- "_s);
}

TEST(OpenTimeColours, DayField)
{
    const struct {
        DayValues values;
        DayOpenColours colours;
    } cases[] = {
        { Day(false, 0, 0, 0), { kOpenGrey, std::nullopt } },
        { Day(true, 0, 0, 30), { kOpenGrey, std::nullopt } },
        { Day(true, 30, 30, 0), { kOpenYellow, std::nullopt } },
        { Day(true, 30, 30, 60), { kOpenYellow, std::nullopt } },
        { Day(true, 480, 30, 0), { kOpenSalmon, std::nullopt } },
        { Day(true, 480, 0, 480), { kOpenGreen, std::nullopt } },
        { Day(true, 480, 0, 525), { kOpenGreen, kOpenOrangeStripe } },
    };
    for (const auto& c : cases)
        EXPECT_TRUE(DayOpenColoursOf(c.values) == c.colours)
            << c.values.attendance << '/' << c.values.pause << '/' << c.values.assigned;
    EXPECT_EQ(kOpenSalmon, (Rgb { 255, 186, 140 }));
    EXPECT_EQ(kOpenGreen, (Rgb { 181, 230, 29 }));
    EXPECT_EQ(kOpenYellow, (Rgb { 255, 221, 140 }));
    EXPECT_EQ(kOpenGrey, (Rgb { 228, 228, 228 }));
    EXPECT_EQ(kOpenOrangeStripe, (Rgb { 255, 168, 111 }));
}

TEST(OpenTimeColours, MonthField)
{
    EXPECT_EQ(MonthOpenColourOf(Month(480, 0, 400)), kOpenSalmon);
    EXPECT_EQ(MonthOpenColourOf(Month(480, 0, 525)), kOpenSalmon);
    EXPECT_EQ(MonthOpenColourOf(Month(480, 0, 480)), kOpenGreen);
    EXPECT_EQ(MonthOpenColourOf(Month(0, 0, 0)), kOpenGrey);
}
