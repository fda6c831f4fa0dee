#include "common/string_list.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

struct SplitCase {
    QString text;
    QStringList lines;
};

class StringListSplit : public ::testing::TestWithParam<SplitCase> { };

TEST_P(StringListSplit, BreaksAtEveryKindOfLineEnd)
{
    EXPECT_EQ(StringList::FromText(GetParam().text).lines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, StringListSplit,
    ::testing::Values(SplitCase { u""_s, {} }, SplitCase { u"a"_s, { u"a"_s } },
        SplitCase { u"a\r\n"_s, { u"a"_s } },
        SplitCase { u"a\r\nb\rc\nd"_s, { u"a"_s, u"b"_s, u"c"_s, u"d"_s } },
        SplitCase { u"\r\n\r\nx\n\n"_s, { u""_s, u""_s, u"x"_s, u""_s } },
        SplitCase { u"a\n\rb"_s, { u"a"_s, u""_s, u"b"_s } }));

TEST(StringList, JoinPutsCrLfAfterEveryLine)
{
    EXPECT_EQ(StringList({ u"a"_s, u""_s, u"b=c"_s }).toText(), u"a\r\n\r\nb=c\r\n"_s);
    EXPECT_EQ(StringList().toText(), QString());
}

TEST(StringList, LookUpIgnoresCaseAndTakesTheFirstMatch)
{
    const StringList list({ u"x"_s, u"Key=first"_s, u"KEY=second"_s, u"other=a=b"_s });
    EXPECT_EQ(list.value(u"key"), u"first"_s);
    EXPECT_EQ(list.value(u"OTHER"), u"a=b"_s);
    EXPECT_EQ(list.value(u"x", u"fallback"_s), u"fallback"_s) << "a line without '=' has no key";
    EXPECT_EQ(list.value(u"ke"), QString());
}

TEST(StringList, SetChangesInPlaceOrAppends)
{
    StringList list({ u"b=1"_s, u"A=2"_s });
    list.setValue(u"a"_s, u"3"_s);
    list.setValue(u"c"_s, u"4"_s);
    EXPECT_EQ(list.lines(), (QStringList { u"b=1"_s, u"a=3"_s, u"c=4"_s }));
}

TEST(StringList, SortedListInsertsInCaseInsensitiveOrder)
{
    StringList list({ u"beta=1"_s, u"Delta=2"_s, u"alpha=3"_s });
    list.setSorted(true);
    list.setValue(u"Charlie"_s, u"4"_s);
    list.append(u"ECHO=5"_s);
    EXPECT_EQ(
        list.lines(), (QStringList { u"alpha=3"_s, u"beta=1"_s, u"Charlie=4"_s, u"Delta=2"_s, u"ECHO=5"_s }));
}
