#include "common/fixed_width.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace FixedWidth;

struct FieldCase {
    QString got;
    QString expected;
};

class FixedWidthFields : public ::testing::TestWithParam<FieldCase> { };

// Every record key and report column is built here: a wrong width shifts
// every later column of a line.
TEST_P(FixedWidthFields, MatchTheCFormat)
{
    EXPECT_EQ(GetParam().got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FixedWidthFields,
    ::testing::Values(FieldCase { Left(u"Müller", 8), u"Müller  "_s },
        FieldCase { Left(u"Müllerin", 3), u"Mül"_s }, FieldCase { Right(u"7", 3), u"  7"_s },
        FieldCase { Right(u"12345", 2), u"12"_s }, FieldCase { Left(QString(), 2), u"  "_s },
        FieldCase { Right(u"ab", 0), QString() }, FieldCase { Int(42, 5), u"   42"_s },
        FieldCase { Int(-7, 4, 2), u" -07"_s }, FieldCase { Int(123456, 3), u"123456"_s },
        FieldCase { Digits(5, 3), u"005"_s }, FieldCase { Digits(-5, 3), u"-005"_s },
        FieldCase { Digits(2023, 2), u"2023"_s }, FieldCase { TwoDigits(0), u"00"_s },
        FieldCase { FourDigits(99), u"0099"_s }, FieldCase { HoursMinutes(125, 3), u"  2:05"_s },
        FieldCase { HoursMinutes(-90, 2), u"-1:-30"_s }, FieldCase { PeriodSigned(-125), u"     -2:05"_s },
        FieldCase { MonthSigned(-125), u"   - 2:05"_s }, FieldCase { TimeOfDay(QTime(7, 5)), u"07:05"_s },
        FieldCase { FirstWord(u"   12.5 h"), u"12.5"_s }, FieldCase { FirstWord(u"   "), QString() }));
