#include "korav/reports/core/pelin_month_viewer.h"

#include "common/clock.h"
#include "common/data_file_codec.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kUnderscores = u" "_s + QString(119, u'_');
const QString kGrey = u" "_s + QString(119, QChar(0x2584));
const QString kBlank64(64, u' ');
const QString kMissing = u"Eine PELIN-Monatsdatei ist für diesen Mitarbeiter nicht vorhanden !\n\n"_s;

QString Padded(const QString& text, int width)
{
    return text.leftJustified(width, u' ');
}

class PelinMonthViewerTest : public ::testing::Test {
protected:
    PelinMonthViewerTest()
    {
        folder.write(u"zamasta.kvd"_s, "Berg=Anna Berg#4711#geheim#80#\r\nOhne=Otto Ohne#\r\n");
        folder.write(u"dprojekte.kvd"_s, "P100=Messebau\r\nS1=Pause\r\n");
        QString msz = u"msz4711=10800"_s + u"12202316000"_s;
        for (int month = 1; month <= 12; ++month)
            msz += QString::number(100 + month).mid(1) + (month == 3 ? u"202416800"_s : u"202416000"_s);
        DataFileCodec writer(CodecProgram::Korav, messenger, [](int) {});
        StringList dama({ u"geheim=4711#Anna Berg#80#"_s, msz });
        writer.SaveDataFile(folder.path(u"dama.kvd"_s), dama);
        viewer.Open();
    }

    // 1 April 2024 is a Monday: 07:30 to 16:15, 2:00 on P100, 0:30 pause
    // and 1:00 on a key missing from the descriptions.
    void writeApril()
    {
        const QString path = u"auswtg/202404/az2024044711.kvd"_s;
        folder.write(path,
            "az202404014711=20240401073016150000000000000000Messe\r\n"
            "pz202404014711=2024040100200P100####2024040100030S1####2024040100100X9####\r\n");
        QFile file(folder.path(path));
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime(QDate(2024, 4, 30), QTime(17, 5)), QFileDevice::FileModificationTime);
    }

    QString root() const { return folder.path() + u'/'; }

    TempFolder folder;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Korav, messenger, [](int) {} };
    FixedClock clock { QDateTime(QDate(2024, 5, 6), QTime(10, 15)) };
    PelinMonthViewer viewer { root(), messenger, codec, clock, QDate(2024, 5, 3) };
};

TEST_F(PelinMonthViewerTest, EmptyHeadHasNoMonthLine)
{
    EXPECT_EQ(viewer.head(),
        (QStringList { u""_s, u""_s, kUnderscores, u""_s,
            u" Tag      Anwesenheit     Bemerkung                                                     Einzel-  Tagessummen"_s,
            u"          Schlüssel-Nr.   Beschreibung                                                  zeiten   Arbeit Zugeord.   Offen"_s }));
    EXPECT_TRUE(viewer.body().isEmpty());
}

TEST_F(PelinMonthViewerTest, MonthStartingOnMondayWithUnknownKeyCountedAsOpen)
{
    writeApril();
    ASSERT_TRUE(viewer.Show(u"Anna Berg"_s, 4, 2024));
    EXPECT_TRUE(messenger.all.isEmpty());
    EXPECT_EQ(viewer.head().at(1),
        u" Monat :  4 / 2024   Mitarbeiter(in) : Anna Berg    Stand: 30.04.2024 17:05"_s);
    const QStringList body = viewer.body();
    // Attendance 8:45, pause 0:30: working 8:15, assigned only P100's 2:00.
    const QStringList start {
        kGrey,
        u""_s,
        u" Mo,  1.  7:30 - 16:15    "_s + Padded(u"Messe"_s, 60) + u"     8:45"
            + u"    8:15    2:00     6:15"_s,
        u""_s,
        u"          P100            "_s + Padded(u"Messebau"_s, 60) + u"     2:00"_s,
        u"          S1              "_s + Padded(u"Pause"_s, 60) + u"     0:30"_s,
        u"          X9              "_s + Padded(QString(), 60) + u"     1:00"_s,
        kUnderscores,
        u" Di,  2.  ---"_s,
    };
    ASSERT_GE(body.size(), start.size());
    EXPECT_EQ(body.first(start.size()), start);
    const qsizetype saturday = body.indexOf(u" Sa,  6.  ---"_s);
    ASSERT_GT(saturday, 2);
    EXPECT_EQ(body.mid(saturday - 2, 2), (QStringList { u""_s, kGrey }));
    const qsizetype monday = body.indexOf(u" Mo,  8.  ---"_s);
    EXPECT_EQ(body.mid(monday - 3, 3), (QStringList { u" So,  7.  ---"_s, kGrey, u""_s }));
    EXPECT_TRUE(
        body.contains(u"          Monatssummen         "_s + kBlank64 + u"    8:15    2:00     6:15"_s));
}

// 50 entries of 20 characters each: the first 48 fill the 960 characters
// the viewer reads of an activity record, the last two lie beyond them.
TEST_F(PelinMonthViewerTest, ActivitiesBeyondNineHundredSixtyCharactersAreNotShown)
{
    QByteArray entries;
    for (int i = 1; i <= 50; ++i)
        entries += "2024040100001K" + QByteArray::number(i).rightJustified(2, '0') + "####";
    folder.write(u"auswtg/202404/az2024044711.kvd"_s,
        "az202404024711=20240402080016000000000000000000\r\npz202404024711=" + entries + "\r\n");
    ASSERT_TRUE(viewer.Show(u"Anna Berg"_s, 4, 2024));
    const QStringList body = viewer.body();
    const auto listed = [&](const QString& key) {
        return body.contains(u"          "_s + Padded(key, 16) + Padded(QString(), 60) + u"     0:01"_s);
    };
    EXPECT_TRUE(listed(u"K01"_s));
    EXPECT_TRUE(listed(u"K48"_s));
    EXPECT_FALSE(listed(u"K49"_s));
    EXPECT_FALSE(listed(u"K50"_s));
}

TEST_F(PelinMonthViewerTest, TargetLineShowsTheDegreeWithTwoDecimals)
{
    folder.write(u"auswtg/202403/az2024034711.kvd"_s, "az202403014711=20240301073016150000000000000000\r\n");
    ASSERT_TRUE(viewer.Show(u"Anna Berg"_s, 3, 2024));
    EXPECT_TRUE(viewer.body().contains(
        u"          Arbeitszeit Soll   (80.00% von 168:00 )   "_s + QString(43, u' ') + u"  134:24"_s));
}

// A day with entries and no day record lists them and counts them, with
// its day line showing no times; a month without target shows "---"
// whole.
TEST_F(PelinMonthViewerTest, EntriesWithoutDayRecordCountAndAMissingTargetShowsWhole)
{
    folder.write(u"auswtg/202504/az2025044711.kvd"_s,
        "az202504014711=20250401080016000000000000000000\r\npz202504024711=2025040200200P100####\r\n");
    ASSERT_TRUE(viewer.Show(u"Anna Berg"_s, 4, 2025));
    const QStringList body = viewer.body();
    const qsizetype day = body.indexOf(u" Mi,  2.  ---"_s);
    ASSERT_GT(day, 0);
    EXPECT_EQ(body.mid(day + 1, 2),
        (QStringList {
            u""_s, u"          P100            "_s + Padded(u"Messebau"_s, 60) + u"     2:00"_s }));
    EXPECT_TRUE(
        body.contains(u"          Monatssummen         "_s + kBlank64 + u"    8:00    2:00     6:00"_s));
    EXPECT_TRUE(body.contains(
        u"          Arbeitszeit Soll   (80.00% von     ---)   "_s + QString(43, u' ') + u"     ---"_s));
}

// November 2023 lies before the target record's months: its target comes
// from the target file of 2023.
TEST_F(PelinMonthViewerTest, AMonthBeforeTheTargetRecordTakesItsYearsTargetFile)
{
    folder.write(u"zmonsoll2023.kvd"_s,
        "\xEF\xBB\xBF"
        "202311Berg=     150.5\r\n");
    folder.write(u"auswtg/202311/az2023114711.kvd"_s, "az202311014711=20231101080016000000000000000000\r\n");
    ASSERT_TRUE(viewer.Show(u"Anna Berg"_s, 11, 2023));
    EXPECT_TRUE(viewer.body().contains(
        u"          Arbeitszeit Soll   (80.00% von 150:30 )   "_s + QString(43, u' ') + u"  120:24"_s));
}

TEST_F(PelinMonthViewerTest, SameChoiceTwiceGivesOneReport)
{
    writeApril();
    ASSERT_TRUE(viewer.Show(u"Anna Berg"_s, 4, 2024));
    const QStringList first = viewer.body();
    ASSERT_TRUE(viewer.Show(u"Anna Berg"_s, 4, 2024));
    EXPECT_EQ(viewer.body(), first);
    EXPECT_EQ(viewer.head().size(), 6);
}

struct MissingCase {
    const char* file;
    QString message;
};

TEST_F(PelinMonthViewerTest, MissingOrEmptyMonthsSayWhyAndLeaveTheReportEmpty)
{
    const MissingCase cases[] = {
        { nullptr, kMissing + u"Eine ersatzweise Erfassung von Monatswerten liegt auch nicht vor."_s },
        { "auswtg/202404/az2024044711mon.kvd", kMissing + u"Monatswerte sind jedoch ersatzweise erfasst."_s },
        { "auswtg/202404/az2024044711.kvd",
            u"Eine PELIN-Monatsdatei für diesen Mitarbeiter ist vorhanden,\n\njedoch wurden noch keine Zeiten erfasst !"_s },
    };
    for (const MissingCase& c : cases) {
        TempFolder data;
        data.write(u"zamasta.kvd"_s, "Berg=Anna Berg#4711#geheim#80#\r\n");
        if (c.file)
            data.write(QString::fromUtf8(c.file), "");
        ScriptedMessenger said;
        PelinMonthViewer view(data.path() + u'/', said, codec, clock, QDate(2024, 5, 3));
        view.Open();
        EXPECT_FALSE(view.Show(u"Anna Berg"_s, 4, 2024));
        EXPECT_EQ(said.messages, QStringList { c.message });
        EXPECT_TRUE(view.body().isEmpty());
    }
}

TEST_F(PelinMonthViewerTest, NoChoiceAsksForOneAndUnknownNameDoesNothing)
{
    EXPECT_FALSE(viewer.Show(QString(), 4, 2024));
    EXPECT_EQ(
        messenger.messages, QStringList { u"Wählen Sie einen Mitarbeiter und einen Zeitraum aus !  "_s });
    EXPECT_FALSE(viewer.Show(u"Otto Ohne"_s, 4, 2024));
    EXPECT_EQ(messenger.messages.size(), 1);
}

TEST_F(PelinMonthViewerTest, SavesHeadAndBodyUnderTheNameOfTheReportMonth)
{
    folder.write(u"auswtg/202403/az2024034711.kvd"_s, "az202403014711=20240301073016150000000000000000\r\n");
    ASSERT_TRUE(viewer.Show(u"Anna Berg"_s, 3, 2024));
    QString proposed;
    const QString target = folder.path(u"out.txt"_s);
    ASSERT_TRUE(viewer.SaveText([&](const QString& title, const QString& name) {
        EXPECT_EQ(title, u"Speichern als"_s);
        proposed = name;
        return target;
    }));
    EXPECT_EQ(proposed, u"Monatsübersicht_Ma_Anna_Berg_03_2024__03052024_10h15.txt"_s);
    const QByteArray bytes = folder.read(u"out.txt"_s);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), viewer.head().size() + viewer.body().size());
    EXPECT_EQ(messenger.messages.last(),
        u"Monatsübersicht ist in Datei  \n\n"_s + target + u"  \n\ngespeichert."_s);
}

TEST(FileStandText, UnreadableTimeReadsNotPresent)
{
    EXPECT_EQ(FileStandText(u"/nonexistent/file.kvd"_s), u"n.vorh."_s);
}

} // namespace
