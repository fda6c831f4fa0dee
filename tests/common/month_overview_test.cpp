#include "common/month_overview.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kUnderscores = u" "_s + QString(119, u'_');
const QString kGrey = u" "_s + QString(119, QChar(0x2584));
const QString kBlank60(60, u' ');

OverviewDay Day(
    int comeH, int comeM, int goH, int goM, const QString& remark, QList<BookedMinutes> entries = {})
{
    OverviewDay day;
    day.record.times.hasCome = true;
    day.record.times.come = { comeH, comeM };
    day.record.times.go = { goH, goM };
    day.record.entries = std::move(entries);
    day.remark = remark;
    return day;
}

MonthOverviewInput March2021()
{
    MonthOverviewInput in;
    in.year = 2021;
    in.month = 3; // starts on a Monday
    in.employeeName = u"Erika Muster"_s;
    in.standDate = QDate(2021, 3, 20);
    in.standTime = QTime(9, 5);
    in.activities = StringList({ u"P100=Messebau"_s, u"900=Pause"_s });
    in.degree = u"80"_s;
    in.fullTimeTarget = 168 * 60;
    in.personalTarget = 8064;
    return in;
}

} // namespace

TEST(MonthOverview, HeadLines)
{
    const MonthOverview overview = BuildMonthOverview(March2021());
    EXPECT_EQ(overview.head,
        (QStringList {
            u""_s,
            u" Monat  3/2021   Erika Muster        Stand: 20.03.2021 09:05"_s,
            kUnderscores,
            u""_s,
            u" Tag      Anwesenheit     Bemerkung                                                     Einzel-  Tagessummen"_s,
            u"          Schlüssel-Nr.   Beschreibung                                                  zeiten   Arbeit Zugeord.   Offen"_s,
        }));
}

TEST(MonthOverview, DaysWithTotalsEntriesAndWideComeHour)
{
    MonthOverviewInput in = March2021();
    in.days = { Day(7, 30, 16, 15, {}),
        Day(10, 5, 18, 0, u"Messe"_s, { { u"P100"_s, 240 }, { u"900"_s, 30 }, { u"X1"_s, 15 } }) };
    const QStringList body = BuildMonthOverview(in).body;

    // 1 March is a Monday: empty line, grey line, empty line.
    EXPECT_EQ(body.mid(0, 3), (QStringList { u""_s, kGrey, u""_s }));
    const QString day1 = u" Mo,  1.  7:30 - 16:15    "_s + kBlank60 + u"     8:45"_s;
    EXPECT_EQ(body.at(3), day1 + u"    8:45    0:00     8:45"_s);

    EXPECT_EQ(body.at(4), kUnderscores);
    // 10:05–18:00 is 475 minutes, pause 30: working 445, assigned 255, open 190.
    const QString day2 = u" Di,  2.  10:05 - 18:00   "_s + u"Messe"_s + QString(55, u' ') + u"     7:55"_s;
    EXPECT_EQ(body.at(5), day2 + u"    7:25    4:15     3:10"_s);
    EXPECT_EQ(body.at(6), u""_s);
    EXPECT_EQ(body.at(7), u"          P100            Messebau"_s + QString(52, u' ') + u"     4:00"_s);
    EXPECT_EQ(body.at(8), u"          900             Pause"_s + QString(55, u' ') + u"     0:30"_s);
    EXPECT_EQ(body.at(9),
        u"          X1              Tätigkeit nicht in Liste vorhanden !"_s + QString(24, u' ')
            + u"     0:15"_s);
    EXPECT_EQ(body.at(10), kUnderscores);
    EXPECT_EQ(body.at(11), u" Mi,  3.  ---"_s);
    // Saturday 6 March: two empty lines and the grey line.
    const qsizetype saturday = body.indexOf(u" Sa,  6.  ---"_s);
    ASSERT_GT(saturday, 3);
    EXPECT_EQ(body.mid(saturday - 3, 3), (QStringList { u""_s, u""_s, kGrey }));
}

TEST(MonthOverview, ClosingLinesWithSignRule)
{
    MonthOverviewInput in = March2021();
    in.days = { Day(7, 30, 16, 15, {}) };
    const MonthOverview overview = BuildMonthOverview(in);
    const QStringList tail = overview.body.mid(overview.body.size() - 7);
    const QString blank64(64, u' ');
    EXPECT_EQ(tail,
        (QStringList {
            kUnderscores,
            u"                               "_s + blank64 + u"  Arbeit Zugeord.   Offen"_s,
            u""_s,
            u"          Monatssummen         "_s + blank64 + u"    8:45    0:00     8:45"_s,
            u"          Arbeitszeit Soll   (   80% von 168:00 )   "_s + QString(43, u' ') + u"  134:24"_s,
            u"          Arbeitszeit Ist-Soll "_s + blank64 + u" -125:39"_s,
            kUnderscores,
        }));
    EXPECT_EQ(overview.monthDifference, 525 - 8064);
}

TEST(MonthOverview, EmptyMonth)
{
    MonthOverviewInput in = March2021();
    in.fullTimeTarget = 0;
    in.personalTarget = 0;
    const QStringList body = BuildMonthOverview(in).body;
    EXPECT_EQ(body.count(u" Mo,  1.  ---"_s), 1);
    EXPECT_EQ(body.at(body.size() - 4),
        u"          Monatssummen         "_s + QString(64, u' ') + u"    0:00    0:00      ---"_s);
    EXPECT_EQ(body.at(body.size() - 3),
        u"          Arbeitszeit Soll   (   80% von     ---)   "_s + QString(43, u' ') + u"     ---"_s);
}

TEST(MonthOverview, SignRuleNeverLosesADigit)
{
    EXPECT_EQ(SignedFourWide(-45), u" - 0:45"_s);
    EXPECT_EQ(SignedFourWide(-6000), u"-100:00"_s);
    EXPECT_EQ(SignedFourWide(-60000), u"-1000:00"_s);
    EXPECT_EQ(SignedFourWide(75), u"   1:15"_s);
}

TEST(MonthOverview, FileNameAndText)
{
    EXPECT_EQ(OverviewFileName(u"12345678901234"_s, 3, 2021, QDate(2021, 3, 20), QTime(9, 5)),
        u"pelin_1234567890123_03_2021__20032021_09h05.txt"_s);
    MonthOverview overview;
    overview.head = { u"a"_s };
    overview.body = { u""_s, u"b"_s };
    EXPECT_EQ(OverviewFileText(overview), u"a\r\n\r\nb\r\n"_s);
}

TEST(MonthOverview, ViewerDiffersOnlyWhereItShould)
{
    MonthOverviewInput in = March2021();
    in.days = { Day(7, 30, 16, 15, u"Messe"_s, { { u"P100"_s, 120 }, { u"Q7"_s, 60 } }) };
    const MonthOverview pelin = BuildMonthOverview(in);
    in.layout = OverviewLayout::Viewer;
    in.standText = u"30.03.2021 17:05"_s;
    const MonthOverview viewer = BuildMonthOverview(in);
    EXPECT_EQ(viewer.head.at(1),
        u" Monat :  3 / 2021   Mitarbeiter(in) : Erika Muster    Stand: 30.03.2021 17:05"_s);
    EXPECT_EQ(viewer.head.mid(2), pelin.head.mid(2));
    // Monday the 1st: the grey line and one empty line, no empty line before.
    EXPECT_EQ(pelin.body.mid(0, 3), (QStringList { u""_s, kGrey, u""_s }));
    EXPECT_EQ(viewer.body.mid(0, 2), (QStringList { kGrey, u""_s }));
    const QString dayLine = u" Mo,  1.  7:30 - 16:15    "_s + u"Messe"_s.leftJustified(60) + u"     8:45"_s;
    EXPECT_EQ(pelin.body.at(3), dayLine + u"    8:45    3:00     5:45"_s);
    EXPECT_EQ(viewer.body.at(2), dayLine + u"    8:45    2:00     6:45"_s);
    EXPECT_EQ(pelin.body.at(6),
        u"          Q7              Tätigkeit nicht in Liste vorhanden !"_s.leftJustified(86)
            + u"     1:00"_s);
    EXPECT_EQ(viewer.body.at(5), u"          Q7              "_s + kBlank60 + u"     1:00"_s);
    // Saturday the 6th: one empty line and the grey line.
    const qsizetype saturday = viewer.body.indexOf(u" Sa,  6.  ---"_s);
    EXPECT_EQ(viewer.body.mid(saturday - 3, 3), (QStringList { u" Fr,  5.  ---"_s, u""_s, kGrey }));
}
