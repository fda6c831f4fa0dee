#include "common/data_file_codec.h"
#include "tests/support/byte_order_mark.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kReadOther
    = u"Die Termindaten sind verschlüsselt und können  \nvon dieser Programmversion nicht eingelesen werden !  "_s;

// Builds a scrambled file from the format description, independently of the
// codec: alphabet shift by n, then the 16-bit complement.
QByteArray ScrambledFile(const QString& plain, int n)
{
    const QString alphabet = u"qW5(hR2)zM8-cT0.uG7_kB3xY9aN1vE6mJ4bQsAfLtDiZoKgUrCyPeHnXjSwFlVpIdO"_s;
    QString body;
    for (QChar c : plain) {
        const qsizetype j = alphabet.indexOf(c);
        if (j >= 0)
            c = alphabet[(j + n) % 67];
        body += QChar(char16_t(~c.unicode()));
    }
    QByteArray bytes = kBom + QStringLiteral("-CR%1P-\r\n").arg(n, 2, 10, QChar(u'0')).toUtf8();
    if (!body.isEmpty())
        bytes += body.toUtf8() + "\r\n";
    return bytes;
}

struct CodecFixture : ::testing::Test {
    TempFolder dir;
    ScriptedMessenger messenger;
    QList<int> waits;
    DataFileCodec korav { CodecProgram::Korav, messenger, [this](int ms) { waits.append(ms); } };
    DataFileCodec pelin { CodecProgram::Pelin, messenger, [this](int ms) { waits.append(ms); } };

    StringList roundTrip(const QStringList& lines)
    {
        StringList list(lines);
        EXPECT_TRUE(korav.SaveDataFile(dir.path(u"f.kvd"_s), list));
        StringList loaded({ u"stale"_s });
        pelin.LoadDataFile(dir.path(u"f.kvd"_s), loaded);
        return loaded;
    }
};

} // namespace

TEST_F(CodecFixture, RoundTripKeepsEveryLine)
{
    const QList<QStringList> cases = {
        { u"a"_s },
        { u""_s, u""_s, u"x"_s, u""_s },
        { u"="_s, u"#"_s, u"  blanks  "_s, u"key=value=more"_s },
        { u"Name=Jürgen Größe-Öß äöüÄÖÜß"_s },
        { QString(5000, u'x') + u"qW5(hR2)zM8-cT0.uG7_kB3"_s },
        { u"dbversion=161020"_s, u"LAN_aktiv=1"_s, u"progordner=/srv/prog/"_s },
    };
    for (const QStringList& lines : cases)
        EXPECT_EQ(roundTrip(lines).lines(), lines);
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(CodecFixture, ScrambledLayoutMatchesTheFormat)
{
    StringList list({ u"dbversion=161020"_s, u"Jörg"_s });
    ASSERT_TRUE(korav.SaveDataFile(dir.path(u"f.kvd"_s), list));
    EXPECT_EQ(dir.read(u"f.kvd"_s), ScrambledFile(u"dbversion=161020\r\nJörg\r\n"_s, kFixedCodingNumber));
    EXPECT_EQ(list.size(), 2) << "the list holds the file's two lines after saving";
    EXPECT_EQ(list.at(0), u"-CR37P-"_s);
}

TEST_F(CodecFixture, EmptyListGivesHeaderOnlyAndLoadsEmpty)
{
    StringList list;
    ASSERT_TRUE(korav.SaveDataFile(dir.path(u"f.kvd"_s), list));
    EXPECT_EQ(dir.read(u"f.kvd"_s), QByteArray("\xEF\xBB\xBF-CR37P-\r\n"));
    StringList loaded({ u"stale"_s });
    pelin.LoadDataFile(dir.path(u"f.kvd"_s), loaded);
    EXPECT_TRUE(loaded.isEmpty());
}

TEST(DataFileFormat, HeaderHasTwoDigits)
{
    EXPECT_EQ(DataFileFormat::HeaderLine(7), u"-CR07P-"_s);
    EXPECT_EQ(DataFileFormat::HeaderLine(37), u"-CR37P-"_s);
}

TEST_F(CodecFixture, ReadsIndependentlyScrambledFile)
{
    dir.write(u"f.kvd"_s, ScrambledFile(u"key=Wert mit Ümlaut\r\n\r\nzeile=3\r\n"_s, kFixedCodingNumber));
    StringList loaded;
    pelin.LoadDataFile(dir.path(u"f.kvd"_s), loaded);
    EXPECT_EQ(loaded.lines(), (QStringList { u"key=Wert mit Ümlaut"_s, u""_s, u"zeile=3"_s }));
}

TEST_F(CodecFixture, PlainFilesAreReturnedAsTheyAre)
{
    for (const QByteArray& bom : { QByteArray(), kBom }) {
        dir.write(u"p.kvd"_s, bom + "-CR37X-\r\nName=J\xC3\xBCrgen\r\n\r\nx");
        StringList loaded;
        pelin.LoadDataFile(dir.path(u"p.kvd"_s), loaded);
        EXPECT_EQ(loaded.lines(), (QStringList { u"-CR37X-"_s, u"Name=Jürgen"_s, u""_s, u"x"_s }));
    }
}

TEST_F(CodecFixture, MissingFileEmptiesTheListSilently)
{
    StringList list({ u"old"_s });
    pelin.LoadDataFile(dir.path(u"none.kvd"_s), list);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(CodecFixture, ShortBodiesAreDecodedToo)
{
    for (const QString& plain : { u"a\r\n"_s, u"a=1\r\n"_s, u"\r\n"_s }) {
        dir.write(u"f.kvd"_s, ScrambledFile(plain, kFixedCodingNumber));
        StringList list;
        pelin.LoadDataFile(dir.path(u"f.kvd"_s), list);
        EXPECT_EQ(list.toText(), plain);
    }
}

TEST_F(CodecFixture, FileCodedWithTenSwitchesTheProgram)
{
    dir.write(u"ten.kvd"_s, ScrambledFile(u"a=1\r\nb=2\r\n"_s, 10));
    dir.write(u"own.kvd"_s, ScrambledFile(u"a=1\r\nb=2\r\n"_s, kFixedCodingNumber));
    StringList list;
    korav.LoadDataFile(dir.path(u"ten.kvd"_s), list);
    EXPECT_EQ(list.lines(), (QStringList { u"a=1"_s, u"b=2"_s }));
    EXPECT_EQ(korav.CodingNumber(), 10);

    korav.LoadDataFile(dir.path(u"own.kvd"_s), list);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(messenger.messages, QStringList { kReadOther });

    StringList out({ u"x=1"_s });
    ASSERT_TRUE(korav.SaveDataFile(dir.path(u"new.kvd"_s), out));
    EXPECT_TRUE(dir.read(u"new.kvd"_s).startsWith("\xEF\xBB\xBF-CR10P-\r\n"));
}

TEST_F(CodecFixture, OtherCodingNumberEmptiesTheListWithTheProgramsMessage)
{
    dir.write(u"f.kvd"_s, ScrambledFile(u"a=1\r\nb=2\r\n"_s, 12));
    StringList list({ u"old"_s });
    pelin.LoadDataFile(dir.path(u"f.kvd"_s), list);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(messenger.messages,
        QStringList {
            u"Die Termindaten sind verschlüsselt und können\nvon dieser Programmversion nicht eingelesen werden!"_s });
    EXPECT_EQ(pelin.CodingNumber(), kFixedCodingNumber);
}

TEST_F(CodecFixture, TooLargeCodingNumber)
{
    korav.SetCodingNumber(56);
    StringList list({ u"a=1"_s });
    EXPECT_FALSE(korav.SaveDataFile(dir.path(u"f.kvd"_s), list));
    EXPECT_FALSE(dir.exists(u"f.kvd"_s));
    dir.write(u"g.kvd"_s, ScrambledFile(u"a=1\r\nb=2\r\n"_s, 56));
    korav.LoadDataFile(dir.path(u"g.kvd"_s), list);
    EXPECT_EQ(list.size(), 1) << "the scrambled body line stays";
    EXPECT_EQ(messenger.messages,
        (QStringList { u"Codierungszahl ist zu groß.  \nKeine Datenspeicherung möglich.  "_s,
            u"Codierungszahl ist zu groß  "_s }));
}

TEST_F(CodecFixture, RefusesCharactersTheFormatCannotCarry)
{
    dir.write(u"f.kvd"_s, "old");
    for (const QString& text : { u"Preis=5 €"_s, u"Von–bis"_s, u"x\uFFF2"_s }) {
        messenger.messages.clear();
        StringList list({ u"a=1"_s, text });
        EXPECT_FALSE(korav.SaveDataFile(dir.path(u"f.kvd"_s), list));
        EXPECT_EQ(list.size(), 2) << "the caller's lines stay";
        ASSERT_EQ(messenger.messages.size(), 1);
        EXPECT_TRUE(messenger.messages[0].contains(u"f.kvd"_s));
        EXPECT_TRUE(messenger.messages[0].contains(text.back()));
    }
    EXPECT_EQ(dir.read(u"f.kvd"_s), QByteArray("old"));
}

TEST_F(CodecFixture, WriteFailureIsRetriedThreeTimesThenReported)
{
    dir.write(u"blocked.kvd/x"_s, "");
    StringList list({ u"a=1"_s });
    EXPECT_FALSE(korav.SaveDataFile(dir.path(u"blocked.kvd"_s), list));
    EXPECT_EQ(waits, (QList<int> { 1000, 1000, 1000 }));
    EXPECT_EQ(messenger.messages,
        QStringList { u"Zugriffsfehler\n\nDatei blocked.kvd konnte nicht gespeichert werden [Err25a]  "_s });
}
