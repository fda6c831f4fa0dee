#include "common/windows1252.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Windows1252, DecodesEveryRangeOfBytes)
{
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        { "", u""_s },
        { "Pause\r\n", u"Pause\r\n"_s },
        { "K\xE4se \xA0\xFF", u"Käse \u00A0ÿ"_s },
        { "\x80 \x9F \x81", u"€ Ÿ \u0081"_s },
        { "B\xFCro \x80", u"Büro €"_s },
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeWindows1252(c.bytes), c.text) << c.bytes.toHex().constData();
}
