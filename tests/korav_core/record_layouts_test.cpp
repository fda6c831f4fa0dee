#include "korav/core/activity_list_file.h"
#include "korav/core/hourly_rates_file.h"
#include "korav/core/pelin_base_files.h"
#include "korav/core/target_records_file.h"
#include "korav/core/year_targets_file.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(YearTargetsFile, KeyAndRightAlignedValue)
{
    EXPECT_EQ(YearTargetsFile::Line(2023, 3, u"Anna", u"164.25"), u"202303Anna=    164.25"_s);
    EXPECT_EQ(YearTargetsFile::Line(2023, 12, u"Anna", u"nuvo"), u"202312Anna=      nuvo"_s);
    const StringList file({ u"202303ANNA=    164.25"_s, u"202304Anna=      nuvo"_s });
    EXPECT_EQ(YearTargetsFile::Target(file, 2023, 3, u"anna"), u"164.25"_s);
    EXPECT_EQ(YearTargetsFile::Target(file, 2023, 4, u"Anna"), u"nuvo"_s);
    EXPECT_EQ(YearTargetsFile::Target(file, 2023, 5, u"Anna"), u""_s);
}

TEST(YearTargetsFile, IsSavedUnderItsYear)
{
    KoravFixture f;
    ASSERT_TRUE(
        YearTargetsFile::Save(f.store, 2023, StringList({ YearTargetsFile::Line(2023, 1, u"A", u"8") })));
    EXPECT_EQ(f.read(u"zmonsoll2023.kvd"_s), kBom + "202301A=         8\r\n");
    EXPECT_EQ(YearTargetsFile::Load(f.store, 2023).size(), 1);
}

TEST(TargetRecordsFile, DayPartUnitsAndLine)
{
    using TargetRecordsFile::MonthUnit;
    EXPECT_EQ(TargetRecordsFile::DayPart(true, u"8", u"0"), u"10800"_s);
    EXPECT_EQ(TargetRecordsFile::DayPart(false, u" 7", u"30"), u"00730"_s);
    EXPECT_EQ(TargetRecordsFile::Unit({ 3, 2023, 164, 15, true }), u"03202316415"_s);
    EXPECT_EQ(TargetRecordsFile::Unit({ 4, 2023, 0, 0, false }), u"00000000000"_s);

    QList<MonthUnit> units(14);
    units[1] = { 1, 2023, 168, 0, true };
    const QString line = TargetRecordsFile::Line(u"P-0001", u"10800", units);
    EXPECT_EQ(
        line, u"mszP-0001=10800"_s + u"00000000000"_s + u"01202316800"_s + u"00000000000"_s.repeated(12));
    EXPECT_EQ(line.size(), 3 + 6 + 1 + 5 + 14 * 11);
}

TEST(HourlyRatesFile, ForecastKeyAndValue)
{
    EXPECT_EQ(
        HourlyRatesFile::Line(2023, HourlyRatesFile::kForecast, u"101.25"), u"2023PrognoseNr=    101.25"_s);
    const StringList file({ HourlyRatesFile::Line(2023, u"P1", u"nuvo") });
    EXPECT_EQ(HourlyRatesFile::Rate(file, 2023, u"P1"), u"nuvo"_s);
    EXPECT_EQ(HourlyRatesFile::Rate(file, 2024, u"P1"), u""_s);
}

TEST(ActivityListFile, CutFieldsAndKeptSorted)
{
    KoravFixture f;
    f.write(u"zprojekte.kvd"_s, kBom + "b2=Zwei\r\na15=Fuenfzehn\r\nA1=Eins\r\n");
    StringList projects = ActivityListFile::Load(f.store, KoravFile::kProjects);
    ActivityListFile::Insert(projects, ActivityListFile::Line(u"a0", u"x"_s.repeated(120)));
    ActivityListFile::Insert(projects, ActivityListFile::Line(u"B1", u"y"));
    ASSERT_TRUE(ActivityListFile::Save(f.store, KoravFile::kProjects, projects));
    EXPECT_EQ(f.read(u"zprojekte.kvd"_s),
        kBom + "a0=" + QByteArray(100, 'x') + "\r\nA1=Eins\r\na15=Fuenfzehn\r\nB1=y\r\nb2=Zwei\r\n");
    EXPECT_EQ(ActivityListFile::Line(u"123456789012345", u"d"), u"12345678901234=d"_s);
}

TEST(PelinBaseFiles, EmployeeRecordAndConfigLines)
{
    EXPECT_EQ(PelinBaseFiles::EmployeeRecord(u"geheim", u"P1", u"Anna Berg", u"62.5"),
        u"geheim=P1#Anna Berg#62.5#"_s);
    const StringList config(
        { u"bezeichnung5=Amt"_s, u"landcode=1"_s, u"url_update=u"_s, u"KEY_LAESTAMM=4"_s });
    EXPECT_EQ(PelinBaseFiles::ConfigLinesForPelin(config),
        (QStringList { u"KEY_LAESTAMM=4"_s, u"url_update=u"_s, u"bezeichnung5=Amt"_s }));
}

TEST(PelinBaseFiles, ActivityListHoldsProjectsFirst)
{
    const StringList projects({ u"A=1"_s, u"B=2"_s });
    const StringList others({ u"P=Pause"_s });
    EXPECT_EQ(PelinBaseFiles::ActivityList(projects, others).lines(),
        (QStringList { u"A=1"_s, u"B=2"_s, u"P=Pause"_s }));
}

TEST(PelinBaseFiles, PelinConfigInItsOrderWithDefaults)
{
    const StringList config({ u"zeitordner=/z"_s, u"x=1"_s, u"progordner=/p"_s });
    EXPECT_EQ(PelinBaseFiles::PelinConfig(config).lines(),
        (QStringList { u"LAN_aktiv=1"_s, u"progordner=/p"_s, u"zeitordner=/z"_s, u"LDAP_aktiv=0"_s,
            u"landcode=0"_s, u"feiertag=000000"_s, u"dbversion=161020"_s }));
    EXPECT_TRUE(PelinBaseFiles::PelinConfig(StringList({ u"progordner=/p"_s })).isEmpty());
}

TEST(PelinBaseFiles, MarkerStampAndCollectionText)
{
    EXPECT_EQ(PelinBaseFiles::UploadMarker().lines(), QStringList { u"Zeitstempel für Upload"_s });
    const QDateTime time(QDate(2023, 3, 6), QTime(14, 5, 8));
    EXPECT_EQ(PelinBaseFiles::CollectionStampLine(u"az202303P1.kvd", time),
        u"az202303P1.kvd=2023_03_06_14_05_08"_s);
    EXPECT_EQ(PelinBaseFiles::CollectionText(time), u"zuletzt am Mo, 06.03.2023 14:05"_s);
}
