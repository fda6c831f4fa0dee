#include "korav/reports/core/employee_overview.h"

#include "common/clock.h"
#include "common/data_file_codec.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString B(int blanks)
{
    return QString(blanks, u' ');
}

const QString kSeparator = u" "_s + QString(119, u'-');
const QString kAnna = u"Anna Berg"_s + B(21); // "%-30.30s"

void SetWritten(const QString& path, const QDateTime& time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

// Anna works at 50 % of 160:00 (150:00 in February); her target record was
// built in 2016 and covers December 2015 to January 2017. January comes from
// a collected PELIN file, February has no file, March was completed in KORAV.
class EmployeeOverviewTest : public ::testing::Test {
protected:
    EmployeeOverviewTest()
    {
        folder.write(u"zamasta.kvd"_s,
            "Berg=Anna Berg#4711#x#50#\r\n"
            "Cord=Carl Cord#4712#x#100#\r\n"
            "Ohne=Otto Ohne#\r\n");
        folder.write(u"dprojekte.kvd"_s, "P100=Messebau\r\nS1=Pause\r\nV2=Verwaltung\r\n");
        // Carl's pause outlasts his attendance.
        folder.write(u"auswtg/201605/az2016054712.kvd"_s,
            "az201605024712=2016050208000900\r\npz201605024712=2016050200130S1####\r\n");
        QString msz = u"msz4711=10800"_s + u"12201516000"_s;
        for (int month = 1; month <= 12; ++month)
            msz += QString::number(100 + month).mid(1) + (month == 2 ? u"201615000"_s : u"201616000"_s);
        msz += u"01201716000"_s;
        StringList dama({ u"x=4711#Anna Berg#50#"_s, msz });
        DataFileCodec writer(CodecProgram::Korav, messenger, [](int) {});
        writer.SaveDataFile(folder.path(u"dama.kvd"_s), dama);
        folder.write(u"auswtg/201601/az2016014711.kvd"_s,
            // 08:07-16:58 with 0:30 pause, 4:00 known and 1:00 unknown
            "az201601044711=2016010408071658\r\n"
            "pz201601044711=2016010400030S1####2016010400400P100####2016010400100X9####\r\n"
            // leaving before arrival; more assigned than worked
            "az201601054711=2016010512000800\r\n"
            "pz201601054711=2016010500500P100####\r\n"
            // the pause covers the attendance
            "az201601064711=2016010608000900\r\n"
            "pz201601064711=2016010600100S1####\r\n");
        SetWritten(
            folder.path(u"auswtg/201601/az2016014711.kvd"_s), QDateTime(QDate(2016, 2, 1), QTime(8, 30)));
        folder.write(u"auswtg/201603/az2016034711mon.kvd"_s,
            "az2016034711=20160401 1030----------------Rest\r\n"
            "pz2016034711=2016040100200P100####2016040100100V2####\r\n");
        SetWritten(
            folder.path(u"auswtg/201603/az2016034711mon.kvd"_s), QDateTime(QDate(2016, 4, 1), QTime(9, 5)));
    }

    EmployeeOverviewReport run(PeriodMode mode, const QString& employee, const QString& period)
    {
        const EmployeeOverviewContext context { folder.path() + u'/', directory(), clock, start, codec,
            messenger, {} };
        return RunEmployeeOverview(
            context, { mode, EmployeeOverviewEntries(directory()), employee, period, u"2016"_s });
    }

    EmployeeDirectory directory() const
    {
        QFile file(folder.path(u"zamasta.kvd"_s));
        file.open(QIODevice::ReadOnly);
        return ReadEmployeeDirectory(StringList::FromText(QString::fromUtf8(file.readAll())));
    }

    TempFolder folder;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Korav, messenger, [](int) {} };
    QDate start { 2016, 11, 3 };
    FixedClock clock { QDateTime(start, QTime(10, 0)) };
};

TEST_F(EmployeeOverviewTest, MonthModeFromPelinFile)
{
    const QString lead = B(32);
    const QStringList expected {
        kSeparator,
        u""_s,
        u" "_s + kAnna + u" Zeitdaten 01/2016 Stand: 01.02.2016 08:30 (D)"_s,
        u""_s,
        lead + u"Anwesenheit"_s + B(9) + u"     13:50"_s,
        lead + u"Pausenzeit"_s + B(10) + u"      1:30"_s,
        u""_s,
        lead + u"Arbeitszeit"_s + B(9) + u"     12:20"_s,
        lead + u"Sollzeit"_s + B(12) + u"     80:00    ( 50.00% von  160:00  )"_s,
        lead + u"Arb.zeit - Sollzeit"_s + B(1) + u"   - 67:40"_s,
        u""_s,
        u""_s,
        lead + u"Zugeordnete Tätigkeiten einzeln"_s,
        u""_s,
        lead + u"P100"_s + B(16) + u"      9:00   Messebau"_s,
        lead + u"X9"_s + B(18) + u"      1:00   "_s,
        u""_s,
        lead + u"Gesamt"_s + B(14) + u"     10:00"_s,
        u""_s,
        lead + u"Arb.Zeit - Zugeo.Zeit"_s + B(4),
        lead + u"= Offene Zeit"_s + B(7) + u"      2:20"_s,
        u""_s,
        kSeparator,
        u""_s,
        lead + u"Gesamtsumme"_s,
        lead + u"Gelistete Mitarbeiter"_s,
        lead + u"Tätigkeiten"_s + B(8) + u"      10:00"_s,
        kSeparator,
        u""_s,
    };
    const EmployeeOverviewReport report = run(PeriodMode::Month, u"Anna Berg"_s, u"1"_s);
    EXPECT_EQ(report.outcome, EmployeeOverviewReport::Outcome::Built);
    EXPECT_EQ(report.lines, expected);
    const QString p = u"PZeit "_s + kAnna + u" 2016 "_s;
    EXPECT_EQ(report.exportLines,
        (QStringList {
            u"AZeit "_s + kAnna
                + u" 2016 01             13.83       1.50      12.33      80.00     -67.67      10.00       2.33  (D)"_s,
            p + u"      P100" + QString(10, u' ') + u"       9.00"_s,
            p + u"      X9" + QString(12, u' ') + u"       1.00"_s,
            p + u"01   "_s + u" "_s + QString(14, u' ') + u"      10.00"_s,
        }));
    EXPECT_TRUE(messenger.messages.isEmpty());
}

TEST_F(EmployeeOverviewTest, MonthModeWithoutData)
{
    const QStringList lines = run(PeriodMode::Month, u"Anna Berg"_s, u"2"_s).lines;
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.mid(2, 3),
        (QStringList {
            u" "_s + kAnna + u" Zeitdaten 02/2016 - keine Daten vorhanden"_s, u""_s, kSeparator }));
    EXPECT_EQ(lines.at(lines.size() - 3), B(32) + u"Tätigkeiten"_s + B(8) + u"       0:00"_s);
}

TEST_F(EmployeeOverviewTest, MonthModeFromKoravMonthFile)
{
    const QStringList lines = run(PeriodMode::Month, u"Anna Berg"_s, u"3"_s).lines;
    const QString lead = B(32);
    ASSERT_GE(lines.size(), 21);
    EXPECT_EQ(lines.at(2), u" "_s + kAnna + u" Zeitdaten 03/2016 Stand: 01.04.2016 09:05 (Z)"_s);
    EXPECT_EQ(lines.at(4), lead + u"Anwesenheit"_s + B(9) + u"     10:30"_s);
    EXPECT_EQ(lines.at(5), lead + u"Pausenzeit"_s + B(10) + u"      0:00"_s);
    EXPECT_EQ(lines.at(9), lead + u"Arb.zeit - Sollzeit"_s + B(1) + u"   - 69:30"_s);
    EXPECT_EQ(lines.at(14), lead + u"P100"_s + B(16) + u"      2:00   Messebau"_s);
    EXPECT_EQ(lines.at(15), lead + u"V2"_s + B(18) + u"      1:00   Verwaltung"_s);
    EXPECT_EQ(lines.at(20), lead + u"= Offene Zeit"_s + B(7) + u"      7:30"_s);
}

TEST_F(EmployeeOverviewTest, NegativeWorkingTimeIsSignedLikeADifference)
{
    const QStringList month = run(PeriodMode::Month, u"Carl Cord"_s, u"5"_s).lines;
    ASSERT_GE(month.size(), 8);
    EXPECT_EQ(month.at(7), B(32) + u"Arbeitszeit"_s + B(9) + u"    - 0:30"_s);
    const QStringList quarter = run(PeriodMode::Quarter, u"Carl Cord"_s, u"2"_s).lines;
    EXPECT_TRUE(quarter.contains(B(20)
        + u" : 05/2016         1:00       1:30      -0:30        ---        ---       0:00      -0:30  (D)"_s));
}

TEST_F(EmployeeOverviewTest, QuarterLinesActivitiesAndExport)
{
    const QString head = B(20) + u" : "_s;
    const QString none = u"       ---"_s;
    const QStringList expected {
        kSeparator,
        u""_s,
        u" "_s + kAnna + u"   Anwesenh.      Pause   Arb.zeit   Sollzeit      Diff.    Tätigk.      Offen"_s,
        u" "_s + B(20) + u" "_s + B(8)
            + u"            1          2     1-2= 3          4     3-4= 5          6     3-6= 7"_s,
        u""_s,
        head
            + u"01/2016        13:50       1:30      12:20      80:00     -67:40      10:00       2:20  (D)"_s,
        head + u"02/2016   "_s + none + u" "_s + none + u" "_s + none + u"      75:00     -75:00 "_s + none
            + u" "_s + none + u"  (-)"_s,
        head
            + u"03/2016        10:30       0:00      10:30      80:00     -69:30       3:00       7:30  (Z)"_s,
        u""_s,
        head + u"1Q/2016        24:20       1:30      22:50     235:00    -212:10      13:00       9:50"_s,
        u""_s,
        u""_s,
        B(20) + u" Zugeordnete Tätigk. "_s,
        u""_s,
        head + u"P100"_s + B(15) + u"     11:00   Messebau"_s,
        head + u"X9"_s + B(17) + u"      1:00   "_s,
        head + u"V2"_s + B(17) + u"      1:00   Verwaltung"_s,
        u""_s,
        head + u"1Q/2016"_s + B(11) + u"      13:00"_s,
        u""_s,
        kSeparator,
        u""_s,
        B(23) + u"Gesamtsumme"_s,
        B(23) + u"Gelistete Mitarbeiter"_s,
        B(23) + u"Tätigkeiten"_s + B(7) + u"      13:00"_s,
        kSeparator,
        u""_s,
    };
    const EmployeeOverviewReport report = run(PeriodMode::Quarter, u"Anna Berg"_s, u"1"_s);
    EXPECT_EQ(report.lines, expected);

    const QString a = u"AZeit "_s + kAnna + u" 2016 "_s;
    const QString p = u"PZeit "_s + kAnna + u" 2016 "_s;
    const QStringList exports {
        a + u"01             13.83       1.50      12.33      80.00     -67.67      10.00       2.33  (D)"_s,
        a + u"02              0.00       0.00       0.00      75.00     -75.00       0.00       0.00  (-)"_s,
        a + u"03             10.50       0.00      10.50      80.00     -69.50       3.00       7.50  (Z)"_s,
        a + u"1Q             24.33       1.50      22.83     235.00    -212.17      13.00       9.83 "_s,
        p + B(5) + u" P100" + B(10) + u"      11.00"_s,
        p + B(5) + u" X9" + B(12) + u"       1.00"_s,
        p + B(5) + u" V2" + B(12) + u"       1.00"_s,
        p + u"1Q   "_s + u" "_s + B(14) + u"      13.00"_s,
    };
    EXPECT_EQ(report.exportLines, exports);
}

TEST_F(EmployeeOverviewTest, QuarterOneToThreeEndsAfterSeptember)
{
    const QStringList lines = run(PeriodMode::Quarter, u"Anna Berg"_s, u"1-3"_s).lines;
    const qsizetype total = lines.indexOf(B(20)
        + u" : 1-3Q/2016      24:20       1:30      22:50     715:00    -692:10      13:00       9:50"_s);
    ASSERT_GT(total, 0);
    EXPECT_TRUE(lines.at(total - 2).startsWith(B(20) + u" : 09/2016   "_s));
    EXPECT_TRUE(lines.contains(B(20) + u" : 1-3Q/2016"_s + B(9) + u"      13:00"_s));
}

TEST_F(EmployeeOverviewTest, YearOfAllEmployeesReportsMissingDataAndTargets)
{
    const EmployeeOverviewReport report = run(PeriodMode::Year, kAllEmployees.toString(), QString());
    EXPECT_EQ(messenger.messages,
        QStringList {
            u"Für Mitarbeiter Carl Cord sind für das Jahr 2016 keine Monats-Sollzeiten vorhanden !  "_s });
    EXPECT_TRUE(report.lines.contains(B(20)
        + u" : 2016ges        24:20       1:30      22:50     955:00    -932:10      13:00       9:50"_s));
    // Carl has no target at all.
    const QString none = u"       ---"_s;
    EXPECT_TRUE(report.lines.contains(B(20) + u" : 12/2016   "_s + none + u" "_s + none + u" "_s + none
        + u" "_s + none + u" "_s + none + u" "_s + none + u" "_s + none + u"  (-)"_s));
    EXPECT_TRUE(report.lines.contains(B(30) + u" : Es sind keine Projektzeiten vorhanden"_s));
    EXPECT_TRUE(report.lines.contains(
        u"Für Mitarbeiter "_s + u"Otto Ohne"_s + B(21) + u" sind keine Stammdaten vorhanden!"_s));
    EXPECT_TRUE(report.exportLines.contains(u"AZeit "_s + kAnna + u" 2016 ges      "_s
        + u"      24.33       1.50      22.83     955.00    -932.17      13.00       9.83 "_s));
}

// A review of 2015 in 2016: December 2015 is still in the target record;
// the months before come from the year's target file ("nuvo" and a missing
// line are no target), never from the units of 2016.
TEST_F(EmployeeOverviewTest, PastYearTakesTheTargetsOfItsOwnYear)
{
    folder.write(u"zmonsoll2015.kvd"_s,
        "\xEF\xBB\xBF"
        "201510Berg=     150.5\r\n201511Berg=      nuvo\r\n201512Berg=       999\r\n");
    const QString head = B(20) + u" : "_s;
    const QString none = u"       ---"_s;
    const QString noData = none + u" "_s + none + u" "_s + none + u" "_s;
    const EmployeeOverviewContext context { folder.path() + u'/', directory(), clock, start, codec, messenger,
        {} };
    const EmployeeOverviewReport report = RunEmployeeOverview(
        context, { PeriodMode::Year, EmployeeOverviewEntries(directory()), u"Anna Berg"_s, {}, u"2015"_s });

    EXPECT_TRUE(messenger.messages.isEmpty());
    EXPECT_TRUE(report.lines.contains(
        head + u"09/2015   "_s + noData + none + u" "_s + none + u" "_s + none + u" "_s + none + u"  (-)"_s));
    EXPECT_TRUE(report.lines.contains(
        head + u"10/2015   "_s + noData + u"     75:15     -75:15 "_s + none + u" "_s + none + u"  (-)"_s));
    EXPECT_TRUE(report.lines.contains(
        head + u"11/2015   "_s + noData + none + u" "_s + none + u" "_s + none + u" "_s + none + u"  (-)"_s));
    EXPECT_TRUE(report.lines.contains(
        head + u"12/2015   "_s + noData + u"     80:00     -80:00 "_s + none + u" "_s + none + u"  (-)"_s));
    EXPECT_TRUE(report.lines.contains(
        head + u"2015ges         0:00       0:00       0:00     155:15    -155:15       0:00       0:00"_s));
    const QString a = u"AZeit "_s + kAnna + u" 2015 "_s;
    EXPECT_TRUE(report.exportLines.contains(a
        + u"11              0.00       0.00       0.00        ---        ---       0.00       0.00  (-)"_s));
    EXPECT_TRUE(report.exportLines.contains(
        a + u"ges             0.00       0.00       0.00     155.25    -155.25       0.00       0.00 "_s));
}

// "Tätigk." counts every entry but the pause, listed or not, and "Offen" is
// working time minus that, in every line alike: the total is the sum of
// the months, and the workbook's values are the text's.
TEST_F(EmployeeOverviewTest, TotalsAreTheSumsOfTheirMonthLines)
{
    // February books 0:50 on a key missing from the list; March's PELIN
    // file takes the place of its KORAV month file.
    folder.write(u"auswtg/201602/az2016024711.kvd"_s,
        "az201602014711=2016020108000850\r\npz201602014711=2016020100050X9####\r\n");
    folder.write(u"auswtg/201603/az2016034711.kvd"_s,
        "az201603014711=2016030108000850\r\npz201603014711=2016030100050P100####\r\n");
    const EmployeeOverviewReport report = run(PeriodMode::Quarter, u"Anna Berg"_s, u"1"_s);
    const QString head = B(20) + u" : "_s;
    EXPECT_TRUE(report.lines.contains(head
        + u"02/2016         0:50       0:00       0:50      75:00     -74:10       0:50       0:00  (D)"_s));
    EXPECT_TRUE(report.lines.contains(
        head + u"1Q/2016        15:30       1:30      14:00     235:00    -221:00      11:40       2:20"_s));
    EXPECT_TRUE(report.lines.contains(head + u"1Q/2016"_s + B(11) + u"      11:40"_s));
    // The period's decimals add the months' two-decimal values: two months
    // of 0:50 add 1.66, not the 1.67 of their minutes.
    const QString a = u"AZeit "_s + kAnna + u" 2016 "_s;
    EXPECT_TRUE(report.exportLines.contains(
        a + u"1Q             15.49       1.50      13.99     235.00    -221.01      11.66       2.33 "_s));
}

TEST_F(EmployeeOverviewTest, ChangedDateAndIncompleteSelectionStop)
{
    clock.set(QDateTime(start.addDays(1), QTime(0, 1)));
    EXPECT_EQ(run(PeriodMode::Year, u"Anna Berg"_s, QString()).outcome,
        EmployeeOverviewReport::Outcome::DateChanged);
    clock.set(QDateTime(start, QTime(11, 0)));
    const EmployeeOverviewReport incomplete = run(PeriodMode::Quarter, u"Anna Berg"_s, QString());
    EXPECT_EQ(incomplete.outcome, EmployeeOverviewReport::Outcome::Incomplete);
    EXPECT_TRUE(incomplete.lines.isEmpty());
    EXPECT_EQ(messenger.messages,
        (QStringList { u"Zeitfehler: Starten Sie das Programm neu !  "_s,
            u"Wählen Sie einen Mitarbeiter und einen Zeitraum !  "_s }));
}

TEST(EmployeeOverviewFormat, SignedTimesAndQuarterRanges)
{
    EXPECT_EQ(QuarterMonths(u"1-3"_s), std::make_pair(1, 9));
    EXPECT_EQ(QuarterMonths(u"4"_s), std::make_pair(10, 12));
    EXPECT_EQ(QuarterMonths(u"x"_s), std::make_pair(1, 12));
    EXPECT_EQ(EmployeeOverviewEntries({}), QStringList());
}

} // namespace
