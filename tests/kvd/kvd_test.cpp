#include "tests/support/byte_order_mark.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_folder.h"
#include "tools/kvd/kvd_command.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Scrambles by the format description, independently of the codec.
QByteArray Scrambled(const QString& plain, int n)
{
    const QString alphabet = u"qW5(hR2)zM8-cT0.uG7_kB3xY9aN1vE6mJ4bQsAfLtDiZoKgUrCyPeHnXjSwFlVpIdO"_s;
    QString body;
    for (QChar c : plain) {
        const qsizetype j = alphabet.indexOf(c);
        body += QChar(char16_t(~(j >= 0 ? alphabet[(j + n) % 67] : c).unicode()));
    }
    return kBom + QStringLiteral("-CR%1P-\r\n").arg(n, 2, 10, QChar(u'0')).toUtf8() + body.toUtf8() + "\r\n";
}

struct Kvd : ::testing::Test {
    TempFolder dir;
    QString out;
    QString err;

    int run(QStringList args)
    {
        args.prepend(u"kvd"_s);
        FILE* o = std::fopen(dir.path(u"stdout"_s).toLocal8Bit().constData(), "w");
        FILE* e = std::fopen(dir.path(u"stderr"_s).toLocal8Bit().constData(), "w");
        const int code = RunKvd(args, o, e);
        std::fclose(o);
        std::fclose(e);
        out = QString::fromUtf8(dir.read(u"stdout"_s));
        err = QString::fromUtf8(dir.read(u"stderr"_s));
        return code;
    }
};

} // namespace

TEST_F(Kvd, CatPrintsScrambledAndPlainFiles)
{
    dir.write(u"s.kvd"_s, Scrambled(u"Hans Müller=007#Hans Müller#80#\r\nmsz007=1480\r\n"_s, 37));
    EXPECT_EQ(run({ u"cat"_s, dir.path(u"s.kvd"_s) }), 0);
    EXPECT_EQ(out, u"Hans Müller=007#Hans Müller#80#\nmsz007=1480\n"_s);

    dir.write(u"p.kvd"_s, "\xEF\xBB\xBFzeile 1\r\nzeile 2");
    EXPECT_EQ(run({ u"cat"_s, dir.path(u"p.kvd"_s) }), 0);
    EXPECT_EQ(out, u"zeile 1\nzeile 2\n"_s);

    dir.write(u"o.kvd"_s, Scrambled(u"a=1\r\n"_s, 22));
    EXPECT_EQ(run({ u"--code"_s, u"22"_s, u"cat"_s, dir.path(u"o.kvd"_s) }), 0);
    EXPECT_EQ(out, u"a=1\n"_s);
}

TEST_F(Kvd, ScrambleWritesTheFormatByteForByte)
{
    dir.write(u"in.txt"_s,
        "\xEF\xBB\xBF"
        "dbversion=161020\nprogordner=/srv/Gr\xC3\xBC\xC3\x9F"
        "e\n");
    EXPECT_EQ(run({ u"scramble"_s, dir.path(u"in.txt"_s), dir.path(u"pelin.cfg"_s) }), 0);
    EXPECT_EQ(dir.read(u"pelin.cfg"_s), Scrambled(u"dbversion=161020\r\nprogordner=/srv/Grüße\r\n"_s, 37));
}

TEST_F(Kvd, RefusalsGiveOneLineAndANonZeroExit)
{
    EXPECT_NE(run({ u"cat"_s, dir.path(u"none.kvd"_s) }), 0);
    EXPECT_EQ(err.count(u'\n'), 1);

    dir.write(u"o.kvd"_s, Scrambled(u"a=1\r\n"_s, 22));
    EXPECT_NE(run({ u"cat"_s, dir.path(u"o.kvd"_s) }), 0);
    EXPECT_EQ(err,
        u"Die Termindaten sind verschlüsselt und können von dieser Programmversion nicht eingelesen werden !\n"_s);
    EXPECT_TRUE(out.isEmpty());

    dir.write(u"euro.txt"_s, "Preis=5 \xE2\x82\xAC\n");
    EXPECT_NE(run({ u"scramble"_s, dir.path(u"euro.txt"_s), dir.path(u"x.kvd"_s) }), 0);
    EXPECT_TRUE(err.contains(u"€"_s));
    EXPECT_FALSE(dir.exists(u"x.kvd"_s));

    EXPECT_NE(run({ u"scramble"_s, dir.path(u"none.txt"_s), dir.path(u"x.kvd"_s) }), 0);
    EXPECT_NE(run({ u"bogus"_s }), 0);
    EXPECT_EQ(run({ u"--help"_s }), 0);
    EXPECT_TRUE(out.contains(u"kvd cat"_s));
}
