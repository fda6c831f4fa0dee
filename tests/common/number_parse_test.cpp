#include "common/number_parse.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ParseDecimalInt, ReadsLeadingDigitsLikeTheOldParser)
{
    const std::pair<QString, int> cases[] = {
        { u"161020"_s, 161020 },
        { u"   42abc"_s, 42 },
        { u""_s, 0 },
        { u"abc"_s, 0 },
        { u"-330"_s, -330 },
        { u"0480"_s, 480 },
        { u" 1 2"_s, 1 },
        { u"99999999999"_s, 2147483647 },
        { u"\t5"_s, 0 },
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseDecimalInt(text), expected) << text.toStdString();
}

TEST(NormalizeDecimalInput, AcceptsCommaOrPointAndStoresPoint)
{
    EXPECT_EQ(NormalizeDecimalInput(u"62,5"), u"62.5"_s);
    EXPECT_EQ(NormalizeDecimalInput(u"80"), u"80"_s);
    EXPECT_EQ(NormalizeDecimalInput(u" 7.25 "), u"7.25"_s);
    EXPECT_FALSE(NormalizeDecimalInput(u"1,2,3"));
    EXPECT_FALSE(NormalizeDecimalInput(u"12a"));
    EXPECT_FALSE(NormalizeDecimalInput(u","));
    EXPECT_FALSE(NormalizeDecimalInput(u""));
}
