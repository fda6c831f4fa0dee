#include "korav/reports/core/korav_month_file.h"

#include "tests/support/qt_printers.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace KoravMonthFile;

namespace {

const QDate kSaved(2024, 3, 7);

TEST(KoravMonthFileTest, NamesAndKeys)
{
    EXPECT_EQ(FileName(2024, 3, u"4711"_s), u"az2024034711mon.kvd"_s);
    EXPECT_EQ(PelinFileName(2024, 3, u"4711"_s), u"az2024034711.kvd"_s);
    EXPECT_EQ(FileName(2024, 3, u"ABCDEFGHIJKLMN"_s), u"az202403ABCDEFGHIJKLmon.kvd"_s);
    EXPECT_EQ(MonthKey(2024, 11, u"4711"_s), u"az2024114711"_s);
    EXPECT_EQ(EntryKey(2024, 11, u"4711"_s), u"pz2024114711"_s);
    EXPECT_EQ(CollectionFolder(u"/data/"_s, 2024, 3), u"/data/auswtg/202403/"_s);
}

TEST(KoravMonthFileTest, MonthLineAndEntryLineByteForByte)
{
    EXPECT_EQ(MonthLineValue(kSaved, u"8"_s, u"30"_s, u"Messe"_s), u"20240307  830----------------Messe"_s);
    EXPECT_EQ(MonthLineValue(kSaved, u"160"_s, u"00"_s, QString(70, u'x')),
        u"2024030716000----------------"_s + QString(60, u'x'));
    const QStringList entries { NewEntry(u"P100"_s, QDate(2024, 3, 5), u"15000"_s),
        NewEntry(u"S7"_s, QDate(2024, 3, 6), u"00930"_s) };
    EXPECT_EQ(entries, (QStringList { u"P100=2024030515000P100"_s, u"S7=2024030600930S7"_s }));
    EXPECT_EQ(EntryLineValue(entries), u"2024030515000P100####2024030600930S7####"_s);
}

TEST(KoravMonthFileTest, EntryLineIsCutAtEveryMarkAndEntriesAtTwentySevenCharacters)
{
    const QStringList entries
        = ParseEntryValue(u"2024030515000P100####20240305001001234567890123456789####rest"_s);
    EXPECT_EQ(entries,
        (QStringList { u"P100=2024030515000P100"_s, u"12345678901234=202403050010012345678901234"_s }));
    EXPECT_TRUE(ParseEntryValue(u"no mark at all"_s).isEmpty());
}

TEST(KoravMonthFileTest, ReadingTakesFieldsByPositionAndSurvivesShortValues)
{
    const StringList lines({ u"az2024034711=20240307  830----------------Messe Halle"_s,
        u"pz2024034711=2024030515000P100####"_s });
    const MonthRecord record = ReadMonth(lines, 2024, 3, u"4711"_s);
    EXPECT_EQ(record.hoursText, u"  8"_s);
    EXPECT_EQ(record.minutesText, u"30"_s);
    EXPECT_EQ(record.remark, u"Messe Halle"_s);
    EXPECT_EQ(record.entries, QStringList { u"P100=2024030515000P100"_s });

    const MonthRecord shortRecord = ReadMonth(StringList({ u"az2024034711=2024"_s }), 2024, 3, u"4711"_s);
    EXPECT_TRUE(shortRecord.hoursText.isEmpty());
    EXPECT_TRUE(shortRecord.entries.isEmpty());
}

TEST(KoravMonthFileTest, StoringKeepsForeignLinesAndPlaces)
{
    StringList lines({ u"first=1"_s, u"AZ2024034711=old"_s, u"middle=2"_s, u"az2024044711=other month"_s });
    MonthRecord record { u"160"_s, u"00"_s, u"Messe"_s, { u"P100=2024030515000P100"_s } };
    StoreMonth(lines, 2024, 3, u"4711"_s, kSaved, record);
    EXPECT_EQ(lines.lines(),
        (QStringList { u"first=1"_s, u"AZ2024034711=2024030716000----------------Messe"_s, u"middle=2"_s,
            u"az2024044711=other month"_s, u"pz2024034711=2024030515000P100####"_s }));

    record.entries.append(u"S7=2024030600930S7"_s);
    lines.append(u"last=3"_s);
    StoreMonth(lines, 2024, 3, u"4711"_s, kSaved, record);
    EXPECT_EQ(lines.at(4), u"pz2024034711=2024030515000P100####2024030600930S7####"_s);
    EXPECT_EQ(lines.at(5), u"last=3"_s);

    record.entries.clear();
    StoreMonth(lines, 2024, 3, u"4711"_s, kSaved, record);
    EXPECT_EQ(lines.lines(),
        (QStringList { u"first=1"_s, u"AZ2024034711=2024030716000----------------Messe"_s, u"middle=2"_s,
            u"az2024044711=other month"_s, u"last=3"_s }));
}

// A damaged file may hold the entry line twice: storing a month without
// entries must not bring the older line back.
TEST(KoravMonthFileTest, StoringWithoutEntriesRemovesEveryEntryLine)
{
    StringList lines({ u"az2024034711=old"_s, u"pz2024034711=2024030515000P100####"_s,
        u"pz2024034711=2024030600930S7####"_s });
    StoreMonth(lines, 2024, 3, u"4711"_s, kSaved, { u"160"_s, u"00"_s, u"Messe"_s, {} });
    EXPECT_TRUE(ReadMonth(lines, 2024, 3, u"4711"_s).entries.isEmpty());
    EXPECT_EQ(lines.size(), 1);
}

TEST(KoravMonthFileTest, SavedFileIsUtf8WithMarkAndCrLf)
{
    TempFolder folder;
    StringList lines;
    StoreMonth(
        lines, 2024, 3, u"4711"_s, kSaved, { u"8"_s, u"05"_s, u"Büro"_s, { u"P100=2024030500805P100"_s } });
    ASSERT_TRUE(SaveLines(folder.path(u"az2024034711mon.kvd"_s), lines));
    EXPECT_EQ(folder.read(u"az2024034711mon.kvd"_s),
        QByteArray("\xEF\xBB\xBF"
                   "az2024034711=20240307  805----------------B\xC3\xBCro\r\n"
                   "pz2024034711=2024030500805P100####\r\n"));
    EXPECT_EQ(LoadLines(folder.path(u"az2024034711mon.kvd"_s)), lines);
    EXPECT_TRUE(LoadLines(folder.path(u"missing.kvd"_s)).isEmpty());
}

TEST(KoravMonthFileTest, MonthFolderFallsBackToAusw)
{
    TempFolder folder;
    const QString root = folder.path() + u'/';
    EXPECT_EQ(PrepareMonthFolder(root, 2024, 3), root + u"auswtg/202403/"_s);
    EXPECT_TRUE(QDir(root + u"auswtg/202403"_s).exists());

    TempFolder blocked;
    const QString blockedRoot = blocked.path() + u'/';
    blocked.write(u"auswtg"_s, "a file where the folder belongs");
    EXPECT_EQ(PrepareMonthFolder(blockedRoot, 2024, 3), blockedRoot + u"ausw/"_s);
    EXPECT_TRUE(QDir(blockedRoot + u"ausw"_s).exists());
}

} // namespace
