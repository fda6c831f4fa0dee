#include "common/month_list.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using MonthFile::ActivityEntryText;
using MonthFile::DayRecordText;

namespace {

const QDate kWritten(2023, 3, 7);

DayRecordText Day(const QString& remark = u"Messe"_s)
{
    return DayRecordText { {}, u"07"_s, u"30"_s, u"16"_s, u"15"_s, remark };
}

const QList<ActivityEntryText> kTwoEntries { { u"20230307"_s, u"00400"_s, u"P100"_s },
    { u"20230307"_s, u"00315"_s, u"P200"_s } };

class MonthListTest : public ::testing::Test {
protected:
    QByteArray saved()
    {
        EXPECT_TRUE(list.save(dir.path()));
        return dir.read(u"az2023034711.kvd"_s);
    }

    TempFolder dir;
    MonthList list { 2023, 3, u"4711"_s };
};

} // namespace

TEST(MonthFileFormat, NamesAndKeys)
{
    EXPECT_EQ(MonthFile::FileName(2023, 3, u"4711"_s), u"az2023034711.kvd"_s);
    EXPECT_EQ(MonthFile::FileName(2023, 12, u"ABCDEFGHIJKLMN"_s), u"az202312ABCDEFGHIJKL.kvd"_s);
    EXPECT_EQ(MonthFile::DayKey(QDate(2023, 3, 6), u"4711"_s), u"az202303064711"_s);
    EXPECT_EQ(MonthFile::ActivityKey(QDate(2023, 3, 6), u"4711"_s), u"pz202303064711"_s);
}

TEST_F(MonthListTest, ExampleDayByteForByte)
{
    ASSERT_TRUE(list.storeDay(6, Day(), kTwoEntries, kWritten));
    EXPECT_EQ(saved(),
        QByteArray("az202303064711=2023030707301615----------------Messe\r\n"
                   "pz202303064711=2023030700400P100####2023030700315P200####\r\n"));

    const MonthList::Day day = list.readDay(6);
    ASSERT_TRUE(day.record);
    EXPECT_EQ(day.record->writeDate, u"20230307"_s);
    EXPECT_EQ(day.record->remark, u"Messe"_s);
    EXPECT_EQ(day.entries, kTwoEntries);
    EXPECT_EQ(day.entries[0].minutes(), 240);
    EXPECT_EQ(day.entries[1].minutes(), 195);
}

TEST_F(MonthListTest, FirstActivityIsAppendedAfterAllLinesAndLastRemovalKeepsTheDay)
{
    list.storeDay(6, Day(), {}, kWritten);
    list.storeDay(7, Day(), {}, kWritten);
    EXPECT_EQ(list.lines().size(), 2);

    list.storeDay(6, Day(), kTwoEntries.first(1), kWritten);
    ASSERT_EQ(list.lines().size(), 3);
    EXPECT_EQ(list.lines().at(2), u"pz202303064711=2023030700400P100####"_s);

    list.storeDay(6, Day(), {}, kWritten);
    EXPECT_EQ(list.lines().lines(),
        QStringList({ u"az202303064711=2023030707301615----------------Messe"_s,
            u"az202303074711=2023030707301615----------------Messe"_s }));
}

TEST_F(MonthListTest, RemarkChangeRewritesInPlaceWithTodaysDateAndCutsTo60)
{
    list.storeDay(6, Day(), {}, kWritten);
    list.storeDay(7, Day(), {}, kWritten);
    const QString seventy = QString(60, u'a') + QString(10, u'b');
    list.storeDay(6, Day(seventy), {}, QDate(2023, 3, 20));

    EXPECT_EQ(list.lines().at(0), u"az202303064711=2023032007301615----------------"_s + QString(60, u'a'));
    EXPECT_EQ(list.readDay(6).record->remark, QString(60, u'a'));
}

TEST_F(MonthListTest, EmptyComeHourStoresNothingAndAtMost30EntriesAreWritten)
{
    EXPECT_FALSE(list.storeDay(6, DayRecordText {}, kTwoEntries, kWritten));
    EXPECT_TRUE(list.lines().isEmpty());

    QList<ActivityEntryText> many;
    for (int i = 0; i < 35; ++i)
        many.append({ u"20230307"_s, u"00010"_s, u"A"_s + QString::number(i) });
    list.storeDay(6, Day(), many, kWritten);
    EXPECT_EQ(list.readDay(6).entries.size(), 30);
}

TEST_F(MonthListTest, ForeignLinesSurviveInTheirPlaces)
{
    dir.write(u"az2023034711.kvd"_s,
        "x=1\r\naz202303064711=20230301080012001111111111111111alt\r\n"
        "kommentar ohne gleich\r\npz202303064711=2023030100100P1####\r\ny=2\r\n");
    ASSERT_EQ(list.load(dir.path()), MonthList::LoadResult::Loaded);
    list.storeDay(6, Day(), {}, kWritten);
    list.deleteDay(9);
    EXPECT_EQ(saved(),
        QByteArray("x=1\r\naz202303064711=2023030707301615----------------Messe\r\n"
                   "kommentar ohne gleich\r\ny=2\r\n"));
}

TEST_F(MonthListTest, DeleteAndPasteDay)
{
    list.storeDay(6, Day(), kTwoEntries, kWritten);
    list.storeDay(8, Day(), {}, kWritten);
    EXPECT_FALSE(list.pasteDay(8, list.dayValue(6), list.activityValue(6)));
    ASSERT_TRUE(list.pasteDay(9, list.dayValue(6), list.activityValue(6)));
    list.deleteDay(6);

    EXPECT_EQ(list.lines().lines(),
        QStringList({ u"az202303084711=2023030707301615----------------Messe"_s,
            u"az202303094711=2023030707301615----------------Messe"_s,
            u"pz202303094711=2023030700400P100####2023030700315P200####"_s }));
}

TEST(MonthFileFormat, ShortAndMalformedValuesReadAsEmptyFields)
{
    const DayRecordText shortDay = MonthFile::ParseDayValue(u"2023030707");
    EXPECT_EQ(shortDay.comeHour, u"07"_s);
    EXPECT_EQ(shortDay.comeMinute, QString());
    EXPECT_EQ(shortDay.remark, QString());

    const QList<ActivityEntryText> entries
        = MonthFile::ParseActivityValue(u"20230307####2023030700100ABCDEFGHIJKLMNOPQ####rest ohne Ende");
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].duration, QString());
    EXPECT_EQ(entries[0].minutes(), 0);
    EXPECT_EQ(entries[1].activity, u"ABCDEFGHIJKLMN"_s);
}

// Entries end at the first "####" after the previous end, wherever it falls.
TEST(MonthFileFormat, EntriesEndAtTheFirstFourHashes)
{
    const struct {
        QString value;
        QStringList entries;
    } cases[] = {
        { u""_s, {} },
        { u"####"_s, { u""_s } },
        { u"a#####b####"_s, { u"a"_s, u"#b"_s } },
        { u"ab###c####"_s, { u"ab###c"_s } },
        { u"abc#######"_s, { u"abc"_s } },
        { u"x##########y"_s, { u"x"_s, u""_s } },
        { u"1234567#"_s, {} },
    };
    for (const auto& c : cases) {
        QStringList entries;
        for (const MonthFile::ActivityEntryView& entry : MonthFile::ActivityEntryViews(c.value))
            entries << entry.date.toString();
        EXPECT_EQ(entries, c.entries) << c.value.toStdString();
    }
}

TEST(MonthFileFormat, DurationTextFromEntryFields)
{
    EXPECT_EQ(MonthFile::DurationText(u"1"_s, u"30"_s), u"00130"_s);
    EXPECT_EQ(MonthFile::DurationText(u"12"_s, u"05"_s), u"01205"_s);
    EXPECT_EQ(MonthFile::DurationText(u"123"_s, u"45"_s), u"12345"_s);
}

TEST_F(MonthListTest, EncodingIsKeptAndNewFilesAreWindows1252)
{
    list.storeDay(6, Day(u"Grüße"_s), {}, kWritten);
    EXPECT_EQ(saved(),
        QByteArray("az202303064711=2023030707301615----------------Gr\xFC\xDF"
                   "e\r\n"));

    dir.write(u"az2023034711.kvd"_s, "\xEF\xBB\xBFx=\xC3\xA4\r\n");
    ASSERT_EQ(list.load(dir.path()), MonthList::LoadResult::Loaded);
    list.storeDay(6, Day(u"Grüße"_s), {}, kWritten);
    EXPECT_EQ(saved(),
        QByteArray("\xEF\xBB\xBFx=\xC3\xA4\r\n"
                   "az202303064711=2023030707301615----------------Gr\xC3\xBC\xC3\x9F"
                   "e\r\n"));
}

TEST_F(MonthListTest, CharacterOutsideWindows1252IsNotLost)
{
    list.storeDay(6, Day(u"Łódź"_s), {}, kWritten);
    saved();
    MonthList again(2023, 3, u"4711"_s);
    ASSERT_EQ(again.load(dir.path()), MonthList::LoadResult::Loaded);
    EXPECT_EQ(again.readDay(6).record->remark, u"Łódź"_s);
}

TEST_F(MonthListTest, UnreadableFileIsReportedAndNeverOverwritten)
{
    EXPECT_EQ(list.load(dir.path()), MonthList::LoadResult::Missing);
    QDir(dir.path()).mkdir(u"az2023034711.kvd"_s);
    EXPECT_EQ(list.load(dir.path()), MonthList::LoadResult::Unreadable);
    EXPECT_FALSE(list.writable());
    EXPECT_FALSE(list.save(dir.path()));
    EXPECT_TRUE(QFileInfo(dir.path(u"az2023034711.kvd"_s)).isDir());
}

// The reports read many months: one pass over the text must find what the
// list look-ups find, whatever the letter case and line ends.
TEST(MonthFileFormat, MonthRecordsFindTheEmployeesDaysOfTheMonth)
{
    const QString text = u"AZ20230406ab12=first\r\n"
                         "az20230406AB12=second\n"
                         "pz20230406ab12=2023040600100P1####\r"
                         "az20230407ab123=longer number\r\n"
                         "az20230407ab13=other employee\r\n"
                         "az20230507ab12=other month\r\n"
                         "az20230431ab12=no such day\r\n"
                         "az20230400ab12=day zero\r\n"
                         "no equals sign\r\n"
                         "\r\n"
                         "Az20230430Ab12=last day=with equals"_s;
    const MonthFile::MonthRecords records(text, 2023, 4, u"AB12"_s);
    EXPECT_EQ(records.days(), 30);
    EXPECT_EQ(records.dayValue(6), u"first"_s);
    EXPECT_EQ(records.activityValue(6), u"2023040600100P1####"_s);
    EXPECT_EQ(records.dayValue(30), u"last day=with equals"_s);
    for (int day : { 0, 1, 7, 31, 32 })
        EXPECT_TRUE(records.dayValue(day).isEmpty()) << day;
    EXPECT_TRUE(records.activityValue(30).isEmpty());
}

TEST(MonthFileFormat, MonthRecordsBreakLinesWhereverTheBreaksFall)
{
    const QString breaks[] = { u"\r\n"_s, u"\r"_s, u"\n"_s };
    QString text;
    for (int day = 1; day <= 12; ++day)
        text += MonthFile::DayKey(QDate(2023, 3, day), u"4711"_s) + u'=' + QString(day, u'x') + u'\t'
            + breaks[day % 3];
    const MonthFile::MonthRecords records(text, 2023, 3, u"4711"_s);
    for (int day = 1; day <= 12; ++day)
        EXPECT_EQ(records.dayValue(day), QString(QString(day, u'x') + u'\t')) << day;
}

TEST(MonthFileFormat, MonthRecordsMatchKeysBeyondAsciiByCaseFolding)
{
    const QString text = u"az20230301MUELLER=spelled out\r\nAZ20230302MÜLLER=capitals\r\n"_s;
    const MonthFile::MonthRecords records(text, 2023, 3, u"Müller"_s);
    EXPECT_TRUE(records.dayValue(1).isEmpty());
    EXPECT_EQ(records.dayValue(2), u"capitals"_s);
}

// A damaged file may hold a day twice; deleting the day must not bring the
// older line back.
TEST_F(MonthListTest, DeletingADayRemovesEveryLineOfItsKeys)
{
    dir.write(u"az2023034711.kvd"_s,
        "az202303064711=2023030708001600----------------Neu\r\n"
        "pz202303064711=2023030600130P100####\r\n"
        "az202303064711=2023030107001500----------------Alt\r\n"
        "pz202303064711=2023030100200P200####\r\n");
    ASSERT_EQ(list.load(dir.path()), MonthList::LoadResult::Loaded);
    list.deleteDay(6);
    EXPECT_TRUE(list.lines().isEmpty()) << list.lines().toText().toStdString();
    EXPECT_FALSE(list.readDay(6).record.has_value());
}
