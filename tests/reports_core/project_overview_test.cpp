#include "korav/reports/core/project_overview.h"

#include "tests/support/qt_printers.h"
#include "tests/support/temp_folder.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kSep = u" "_s + QString(119, u'-');
const QString kDashes = u"       "_s + QString(75, u'-');

// "%-Ns" and "%Ns"
QString L(const QString& text, int width)
{
    return text.leftJustified(width, u' ');
}
QString R(const QString& text, int width)
{
    return text.rightJustified(width, u' ');
}
// "%-6.6s %-14.14s %s" with an empty first field
QString Heading(const QString& key, const QString& text)
{
    return u"       "_s + L(key, 14) + u' ' + text;
}
// "%-6.6s %-14.14s %-30.30s %7i:%2.2i %16.16s €" with two empty fields
QString Row(const QString& name, const QString& time, const QString& amount)
{
    return QString(22, u' ') + L(name, 30) + u' ' + R(time, 10) + u' ' + R(amount, 16) + u" €"_s;
}
QStringList Closing(const QString& time, const QString& amount)
{
    return { QString(22, u' ') + u"Gesamtsumme"_s, Row(u"Gelistete Projekte"_s, time, amount), kSep,
        QString() };
}

using Bookings = QMap<QString, QList<ActivityBooking>>; // "number/month"

class ProjectOverviewTest : public ::testing::Test {
protected:
    ProjectOverviewTest()
    {
        data.projects = StringList({ u"00-Alle=Alle Tätigkeiten"_s, u"P1=Planung"_s, u"P10=Prüfung"_s,
            u"S1=Pause"_s, u"X2=Ohne Stunden mit sehr langer Beschreibung"_s });
        data.pauseKey = u"S1"_s;
        data.names = { u"Anna Berg"_s, u"Bert Clas"_s };
        data.numbers = StringList({ u"Anna Berg=0001"_s, u"Bert Clas=4711"_s });
        data.rates = StringList(
            { u"2024PrognoseNr=     45,50"_s, u"20240001=     60.00"_s, u"20234711=     99.00"_s });
    }

    ProjectOverview run(PeriodMode mode, const QString& period, const QString& key, bool forecast = true)
    {
        ProjectOverviewInput in;
        in.mode = mode;
        in.periodText = period;
        in.year = 2024;
        in.activityKey = key;
        in.activityLabel = u" "_s + data.projects.value(key);
        in.forecastRate = forecast;
        in.bookings = [this](const QString& number, int, int month) {
            return bookings.value(number + u'/' + QString::number(month));
        };
        return BuildProjectOverview(data, in);
    }

    ProjectOverviewData data;
    Bookings bookings;
};

TEST_F(ProjectOverviewTest, NinetyMinutesAtTheForecastRateOfOneActivity)
{
    bookings[u"0001/3"_s] = { { u"P1"_s, 90 }, { u"P10"_s, 30 } };
    const ProjectOverview overview = run(PeriodMode::Month, u"3"_s, u"P1"_s);
    EXPECT_EQ(overview.lines,
        QStringList({ kSep, QString(), u" Monatswerte 03/2024 für einzelne Projekte (alle Mitarbeiter)"_s,
            u"                     mit Prognose-Stundensatz"_s, QString(), Heading(u"P1"_s, u"Planung"_s),
            QString(), Row(u"Anna Berg"_s, u"1:30"_s, u"68,25"_s), QString(),
            Row(u"Summe"_s, u"1:30"_s, u"68,25"_s), QString(), kSep })
            + Closing(u"1:30"_s, u"68,25"_s));
    EXPECT_TRUE(overview.exportLines.isEmpty());
}

TEST_F(ProjectOverviewTest, AllActivitiesWithPersonalRatesNeverCountThePause)
{
    bookings[u"0001/3"_s] = { { u"P1"_s, 90 }, { u"S1"_s, 30 } };
    bookings[u"4711/3"_s] = { { u"P10"_s, 60 }, { u"Q9"_s, 15 } };
    const ProjectOverview overview = run(PeriodMode::Month, u"3"_s, u"00-Alle"_s, false);
    // "P10" + "4711" + "03" sorts before "P1" + "0001" + "02".
    EXPECT_EQ(overview.lines,
        QStringList({ kSep, QString(), u" Monatswerte 03/2024 für alle Projekte (alle Mitarbeiter)"_s,
            u"                     mit Mitarbeiter-Stundensätzen"_s, QString(),
            Heading(u"P1"_s, u"Planung"_s), QString(), Row(u"Anna Berg"_s, u"1:30"_s, u"90,00"_s), QString(),
            Row(u"Summe"_s, u"1:30"_s, u"90,00"_s), kDashes, QString(), Heading(u"P10"_s, u"Prüfung"_s),
            QString(), Row(u"Bert Clas"_s, u"1:00"_s, u"0,00"_s), QString(),
            Row(u"Summe"_s, u"1:00"_s, u"0,00"_s), kDashes, QString(), Heading(u"Q9"_s, u"???"_s), QString(),
            Row(u"Bert Clas"_s, u"0:15"_s, u"0,00"_s), QString(), Row(u"Summe"_s, u"0:15"_s, u"0,00"_s),
            QString(), kSep })
            + Closing(u"2:45"_s, u"90,00"_s)
            + QStringList({ QString(), u"       Projekte/Tätigkeiten ohne Stunden :"_s, QString(),
                u"       X2             Ohne Stunden mit sehr lange...        ---"_s, kSep, QString() }));
}

TEST_F(ProjectOverviewTest, EmptyMonthPrintsOneSummeWithDashesAndZero)
{
    const ProjectOverview overview = run(PeriodMode::Month, u"2"_s, u"00-Alle"_s);
    EXPECT_EQ(overview.lines,
        QStringList({ kSep, QString(), u" Monatswerte 02/2024 für alle Projekte (alle Mitarbeiter)"_s,
            u"                     mit Prognose-Stundensatz"_s, QString(),
            Row(u"Summe"_s, u"---"_s, u"0,00"_s), QString(), kSep })
            + Closing(u"0:00"_s, u"0,00"_s));
}

TEST_F(ProjectOverviewTest, SingleActivityWithoutHoursInAQuarter)
{
    bookings[u"0001/2"_s] = { { u"P1"_s, 90 } };
    const ProjectOverview overview = run(PeriodMode::Quarter, u"1"_s, u"X2"_s);
    EXPECT_EQ(overview.lines,
        QStringList({ kSep, QString(),
            u" Quartalswerte 1/2024 für einzelne Projekte (alle Mitarbeiter, Prognose-StdSatz)"_s, QString(),
            Heading(u"X2"_s, u" Ohne Stunden mit sehr langer Beschreibung"_s), QString(), QString(),
            Row(u"1.Quartal 2024"_s, u"---"_s, u"0,00"_s), kSep, QString() })
            + Closing(u"0:00"_s, u"0,00"_s));
    EXPECT_TRUE(overview.exportLines.isEmpty());
}

TEST_F(ProjectOverviewTest, InterleavedKeysFormSeparateGroupsCountedOnce)
{
    bookings[u"0001/3"_s] = { { u"P1"_s, 60 } };
    bookings[u"4711/3"_s] = { { u"P10"_s, 30 }, { u"P1"_s, 120 } };
    const QStringList lines = run(PeriodMode::Month, u"3"_s, u"00-Alle"_s).lines;
    const qsizetype p1 = lines.indexOf(Heading(u"P1"_s, u"Planung"_s));
    const qsizetype p10 = lines.indexOf(Heading(u"P10"_s, u"Prüfung"_s));
    const qsizetype p1Again = lines.indexOf(Heading(u"P1"_s, u"Planung"_s), p1 + 1);
    ASSERT_GE(p1, 0);
    EXPECT_GT(p10, p1);
    EXPECT_GT(p1Again, p10);
    EXPECT_EQ(lines.at(p1 + 4), Row(u"Summe"_s, u"1:00"_s, u"45,50"_s));
    EXPECT_EQ(lines.at(p1Again + 4), Row(u"Summe"_s, u"2:00"_s, u"91,00"_s));
    EXPECT_TRUE(lines.contains(Row(u"Gelistete Projekte"_s, u"3:30"_s, u"159,25"_s)));
}

TEST_F(ProjectOverviewTest, YearBlockWritesRowsAndExportLines)
{
    bookings[u"0001/1"_s] = { { u"P1"_s, 90 } };
    bookings[u"0001/2"_s] = { { u"P1"_s, 30 } };
    const ProjectOverview overview = run(PeriodMode::Year, QString(), u"P1"_s);
    EXPECT_EQ(overview.lines,
        QStringList({ kSep, QString(),
            u" Jahreswerte 2024 für einzelne Projekte (alle Mitarbeiter, Prognose-StdSatz)"_s, QString(),
            Heading(u"P1"_s, u"Planung"_s), QString(), Row(u"Anna Berg"_s, u"2:00"_s, u"91,00"_s), QString(),
            Row(u"Jahr 2024 gesamt"_s, u"2:00"_s, u"91,00"_s), kSep, QString() })
            + Closing(u"2:00"_s, u"91,00"_s));
    EXPECT_EQ(overview.exportLines,
        (QStringList { u"P1             2024 Anna Berg                            2.00        91.00  45.50"_s,
            u"P1             2024 Jahr 2024 gesamt                     2.00        91.00"_s }));
}

// One step per employee and month of the range, also for a name without
// master data, each after that employee's month was read.
TEST_F(ProjectOverviewTest, ProgressStepsThroughEveryEmployeeMonth)
{
    data.names.append(u"Carl Dorn"_s);
    ProjectOverviewInput in;
    in.mode = PeriodMode::Quarter;
    in.periodText = u"1-2"_s;
    in.year = 2024;
    in.activityKey = u"00-Alle"_s;
    QStringList events;
    in.bookings = [&](const QString& number, int, int month) {
        events.append(u"read %1/%2"_s.arg(number).arg(month));
        return QList<ActivityBooking>();
    };
    in.progress = [&](int value, int maximum) { events.append(u"%1 of %2"_s.arg(value).arg(maximum)); };
    BuildProjectOverview(data, in);

    QStringList expected { u"0 of 18"_s };
    int step = 0;
    for (int month = 1; month <= 6; ++month) {
        for (const QString& number : { u"0001"_s, u"4711"_s })
            expected << u"read %1/%2"_s.arg(number).arg(month) << u"%1 of 18"_s.arg(++step);
        expected << u"%1 of 18"_s.arg(++step);
    }
    EXPECT_EQ(events, expected);
}

// Names, personnel numbers and rate keys match whatever their letter case,
// and the first line of a key counts, as in every key=value list.
TEST_F(ProjectOverviewTest, LookUpsIgnoreLetterCaseAndTakeTheFirstLine)
{
    data.names = { u"anna berg"_s };
    data.numbers = StringList({ u"Anna Berg=00a1"_s, u"ANNA BERG=4711"_s });
    data.rates = StringList({ u"202400A1=     10.00"_s, u"202400a1=     99.00"_s });
    data.projects = StringList({ u"00-Alle=Alle Tätigkeiten"_s, u"p1=Planung"_s, u"P1=Doppelt"_s });
    bookings[u"00a1/3"_s] = { { u"P1"_s, 60 } };
    const ProjectOverview overview = run(PeriodMode::Month, u"3"_s, u"00-Alle"_s, false);
    EXPECT_TRUE(overview.lines.contains(Heading(u"P1"_s, u"Planung"_s)));
    EXPECT_TRUE(overview.lines.contains(Row(u"Anna Berg"_s, u"1:00"_s, u"10,00"_s)));
}

TEST(ProjectOverviewLoad, AnEmployeeListedTwiceCountsOnce)
{
    TempFolder folder;
    folder.write(u"zamasta.kvd"_s,
        "Berg=Anna Berg#0001#x#100#\r\nberg2=ANNA BERG#0002#x#100#\r\nClas=Bert Clas#4711#x#80#\r\n");
    const ProjectOverviewData data = ProjectOverviewData::Load(folder.path() + u'/', StringList());
    EXPECT_EQ(data.names, QStringList({ u"Anna Berg"_s, u"Bert Clas"_s }));
    EXPECT_EQ(data.numbers.lines(), QStringList({ u"Anna Berg=0001"_s, u"Bert Clas=4711"_s }));
}

TEST(ProjectOverviewFormats, RatesAndAmounts)
{
    const StringList rates({ u"2024PrognoseNr=      nuvo"_s, u"20244711=   1234,5 x"_s });
    EXPECT_EQ(HourlyRate(rates, 2024, u"4711"_s, false), 1234.5);
    EXPECT_EQ(HourlyRate(rates, 2024, u"4711"_s, true), 0.0);
    EXPECT_EQ(HourlyRate(rates, 2025, u"4711"_s, false), 0.0);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(EuroAmount(1234567.5), u"1.234.567,50"_s);
    EXPECT_EQ(EuroAmount(0), u"0,00"_s);
    QLocale::setDefault(QLocale::system());
}

TEST(CollectedBookings, PelinFileFirstThenKoravMonthFile)
{
    TempFolder folder;
    folder.write(u"auswtg/202403/az2024034711mon.kvd"_s,
        "az2024034711=2024040216000----------------\r\npz2024034711=2024040215030P100####\r\n");
    folder.write(u"auswtg/202404/az2024044711mon.kvd"_s, "pz2024044711=2024040215030P100####\r\n");
    folder.write(u"auswtg/202404/az2024044711.kvd"_s,
        "az202404024711=20240402073016150000000000000000\r\n"
        "pz202404024711=2024040200130P1####2024040200030S1####\r\n");
    const QString root = folder.path() + u'/';
    const QList<ActivityBooking> march = CollectedBookings(root, u"4711"_s, 2024, 3);
    ASSERT_EQ(march.size(), 1);
    EXPECT_EQ(march.at(0).key, u"P100"_s);
    EXPECT_EQ(march.at(0).minutes, 150 * 60 + 30);
    const QList<ActivityBooking> april = CollectedBookings(root, u"4711"_s, 2024, 4);
    ASSERT_EQ(april.size(), 2);
    EXPECT_EQ(april.at(0).key, u"P1"_s);
    EXPECT_EQ(april.at(0).minutes, 90);
    EXPECT_TRUE(CollectedBookings(root, u"4711"_s, 2024, 5).isEmpty());
}

} // namespace
