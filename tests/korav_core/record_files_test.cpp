#include "korav/core/backup_settings.h"
#include "korav/core/employee_list_file.h"
#include "korav/core/korav_config.h"
#include "korav/core/korav_state.h"
#include "korav/core/master_data_record.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(EmployeeListFile, IsUtf8WithBomAndCrLfInTheGivenOrder)
{
    KoravFixture f;
    ASSERT_TRUE(EmployeeListFile::Save(f.store, { u"Müller"_s, u"abel"_s, u"Zorn"_s }));
    EXPECT_EQ(f.read(u"zama.kvd"_s), kBom + "M\xC3\xBCller\r\nabel\r\nZorn\r\n");
    EXPECT_EQ(EmployeeListFile::Load(f.store), (QStringList { u"Müller"_s, u"abel"_s, u"Zorn"_s }));
}

TEST(EmployeeListFile, EmptyListIsAFileWithoutLines)
{
    KoravFixture f;
    ASSERT_TRUE(EmployeeListFile::Save(f.store, {}));
    EXPECT_EQ(f.read(u"zama.kvd"_s), kBom);
}

TEST(EmployeeListFile, ReadsAnsiFilesWithoutBomAndSkipsEmptyLines)
{
    KoravFixture f;
    f.write(u"zama.kvd"_s, "M\xFCller\r\n\r\nX");
    EXPECT_EQ(EmployeeListFile::Load(f.store), (QStringList { u"Müller"_s, u"X"_s }));
}

TEST(MasterDataRecord, FormatsTheFourFieldsCutToTheirWidths)
{
    const MasterDataRecord record { u"A"_s.repeated(35), u"1234567890123"_s, u"geheimgeheim9"_s, u"62.5x"_s };
    EXPECT_EQ(record.toValue(), u"A"_s.repeated(30) + u"#123456789012#geheimgeheim#62.5x#"_s);
    EXPECT_EQ(MasterDataLine(u"Kurzname123", record.toValue()),
        u"Kurzname12="_s + u"A"_s.repeated(30) + u"#123456789012#geheimgeheim#62.5x#"_s);
}

struct SplitCase {
    QString value;
    MasterDataRecord record;
};

class MasterDataSplit : public ::testing::TestWithParam<SplitCase> { };

TEST_P(MasterDataSplit, SplitsAtHashWithinSixtyFourCharacters)
{
    EXPECT_EQ(MasterDataRecord::FromValue(GetParam().value), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(Cases, MasterDataSplit,
    ::testing::Values(
        SplitCase { u"Anna Berg#P17#pw#100#"_s, { u"Anna Berg"_s, u"P17"_s, u"pw"_s, u"100"_s } },
        SplitCase { u"Anna Berg#P17"_s, { u"Anna Berg"_s, u"P17"_s, {}, {} } }, SplitCase { u""_s, {} },
        SplitCase { u"a#b#c#123456#"_s, { u"a"_s, u"b"_s, u"c"_s, u"12345"_s } },
        SplitCase { u"x"_s.repeated(62) + u"#P1#pw#100#"_s, { u"x"_s.repeated(30), u"P"_s, {}, {} } }));

TEST(KoravConfig, MissingKeysTakeTheirDefaults)
{
    const StringList empty;
    EXPECT_EQ(KoravConfig::Value(empty, KoravConfig::kCountryCode), u"0"_s);
    EXPECT_EQ(KoravConfig::Value(empty, KoravConfig::kRegionalHolidays), u"000000"_s);
    EXPECT_EQ(KoravConfig::Value(empty, KoravConfig::kMasterPrefixLength), u"5"_s);
    EXPECT_EQ(KoravConfig::Value(empty, KoravConfig::kCaption4), u"Gleitfrei"_s);
    EXPECT_EQ(KoravConfig::Value(empty, KoravConfig::kCaption5), u"Verwaltung"_s);
    EXPECT_EQ(KoravConfig::Value(empty, KoravConfig::kProgramFolder), u""_s);
    EXPECT_EQ(KoravConfig::Value(StringList({ u"LANDCODE=2"_s }), KoravConfig::kCountryCode), u"2"_s);
}

TEST(KoravConfig, UnknownLinesSurviveASave)
{
    KoravFixture f;
    f.write(u"zconfig.kvd"_s, "fremd=1\r\nlandcode=1\r\nohne Gleich\r\n");
    StringList config = KoravConfig::Load(f.store);
    config.setValue(u"landcode"_s, u"2"_s);
    config.setValue(u"feiertag"_s, u"010000"_s);
    ASSERT_TRUE(KoravConfig::Save(f.store, config));
    EXPECT_EQ(f.read(u"zconfig.kvd"_s), kBom + "fremd=1\r\nlandcode=2\r\nohne Gleich\r\nfeiertag=010000\r\n");
}

TEST(KoravState, CollectionTextOrTheNoteThatThereWasNone)
{
    KoravFixture f;
    EXPECT_EQ(KoravState::CollectionText(f.store), u"noch keine Aktualisierung"_s);
    f.write(u"korav_cfg.kvd"_s, kBom + "azstand=zuletzt am Mo, 06.03.2023 14:05\r\n");
    EXPECT_EQ(KoravState::CollectionText(f.store), u"zuletzt am Mo, 06.03.2023 14:05"_s);
}

TEST(BackupSettings, DefaultsAndOnlyExactlyAnSwitchesOn)
{
    const BackupSettings none = BackupSettings::FromList({}, u"/daten"_s);
    EXPECT_TRUE(none.automatic);
    EXPECT_EQ(none.intervalHours(), 1);
    EXPECT_EQ(none.folderCount(), 8);
    EXPECT_EQ(none.backupFolder, u"/daten"_s);
    EXPECT_TRUE(none.lastBackup.isEmpty());

    for (const QString& value : { u"AN"_s, u"An"_s, u"aus"_s, u""_s, u"an "_s })
        EXPECT_FALSE(BackupSettings::FromList(StringList({ u"autobackup="_s + value }), {}).automatic)
            << value.toStdString();
    EXPECT_TRUE(BackupSettings::FromList(StringList({ u"autobackup=an"_s }), {}).automatic);
}

TEST(BackupSettings, ReadsIndexesAndFallsBackWhenOutOfRange)
{
    const BackupSettings s = BackupSettings::FromList(
        StringList({ u"autobackupvall=5"_s, u"autobackupordn=0"_s, u"autobkp-ordner=/sich"_s }), u"/daten"_s);
    EXPECT_EQ(s.intervalHours(), 24);
    EXPECT_EQ(s.folderCount(), 2);
    EXPECT_EQ(s.backupFolder, u"/sich"_s);
    const BackupSettings bad
        = BackupSettings::FromList(StringList({ u"autobackupvall=6"_s, u"autobackupordn=-1"_s }), {});
    EXPECT_EQ(bad.intervalHours(), 1);
    EXPECT_EQ(bad.folderCount(), 8);
}

TEST(BaseDataStore, FailedWriteIsReportedAndLeavesNothingBehind)
{
    KoravFixture f;
    f.write(u"zama.kvd/x"_s, {}); // a folder where the file belongs
    EXPECT_FALSE(EmployeeListFile::Save(f.store, { u"A"_s }));
    ASSERT_EQ(f.messenger.messages.size(), 1);
    EXPECT_TRUE(f.messenger.messages.at(0).startsWith(u"Datei "_s));
}
