#include "common/key_index.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

struct KeyPair {
    QString a;
    QString b;
    bool same = false;
};

class SameKeyCases : public ::testing::TestWithParam<KeyPair> { };

// The fast comparison, the folded copies and the list's look-up must all
// answer alike, or a key found in one place would be missed in another.
TEST_P(SameKeyCases, AgreesWithTheFoldedTextsAndTheListLookUp)
{
    const KeyPair& p = GetParam();
    EXPECT_EQ(SameKey(p.a, p.b), p.same);
    EXPECT_EQ(SameKey(p.b, p.a), p.same);
    EXPECT_EQ(FoldedKey(p.a) == FoldedKey(p.b), p.same);
    const StringList list({ p.a + u"=v"_s });
    EXPECT_EQ(list.indexOfKey(p.b), p.same ? 0 : -1);
    EXPECT_EQ(KeyIndex(list).indexOf(p.b), p.same ? 0 : -1);
}

INSTANTIATE_TEST_SUITE_P(Cases, SameKeyCases,
    ::testing::Values(KeyPair { u"az2023011"_s, u"AZ2023011"_s, true }, KeyPair { u"abc"_s, u"abd"_s, false },
        KeyPair { u"abc"_s, u"ab"_s, false }, KeyPair { u""_s, u""_s, true },
        KeyPair { u"Müller"_s, u"MÜLLER"_s, true }, KeyPair { u"Müller"_s, u"Muller"_s, false },
        KeyPair { u"ab"_s, u"abÄ"_s, false }, KeyPair { u"p\u212A1"_s, u"PK1"_s, true },
        KeyPair { u"ΣΟΦΙΑ"_s, u"σοφια"_s, true }, KeyPair { u"a@"_s, u"a`"_s, false }));

TEST(KeyIndex, FindsTheFirstLineOfAKeyAndSkipsLinesWithoutOne)
{
    const KeyIndex index(
        StringList({ u"Pause"_s, u"Key=first"_s, u"KEY=second"_s, u"other=a=b"_s, u"=empty"_s }));
    EXPECT_EQ(index.indexOf(u"key"), 1);
    EXPECT_EQ(index.value(u"kEy"), u"first"_s);
    EXPECT_EQ(index.value(u"OTHER"), u"a=b"_s);
    EXPECT_EQ(index.value(u""), u"empty"_s);
    EXPECT_EQ(index.indexOf(u"Pause"), -1) << "a line without '=' has no key";
    EXPECT_EQ(index.value(u"ke"), std::nullopt);
}
