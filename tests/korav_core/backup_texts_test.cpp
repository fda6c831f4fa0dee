#include "korav/core/backup_choices.h"
#include "korav/core/backup_schedule.h"
#include "korav/core/backup_texts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime kMarch5 { QDate(2024, 3, 5), QTime(9, 7, 41) };

TEST(BackupTexts, LastBackupAndLogLineFollowTheirFormats)
{
    EXPECT_EQ(LastBackupText(kMarch5, 3, 12, 1),
        u" 05.03.2024 - 09:07 - kop.   3 / ges.  12 Dateien - in Ordner  ..\\terminbkp1"_s);
    EXPECT_EQ(BackupLogLine(kMarch5, 12345, 0, 8),
        u" 2024.03.05 - 09:07 - kop.12345 / ges.   0 Dateien - in Ordner  ..\\terminbkp8"_s);
}

TEST(BackupTexts, TheListTurnsTheLogDateDayFirst)
{
    EXPECT_EQ(
        BackupListLine(u" 2024.03.05 - 09:07 - kop.   3 / ges.  12 Dateien - in Ordner  ..\\terminbkp1"_s),
        u" 05.03.2024 - 09:07 - kop.   3 / ges.  12 Dateien - in Ordner  ..\\terminbkp1"_s);
    EXPECT_EQ(BackupListLine(u"kurz"_s), u"kurz"_s);
}

TEST(BackupTexts, ReadsDateTimeAndFolderFromTheLastBackupText)
{
    const LastBackup last = ParseLastBackup(
        u" 05.03.2024 - 09:07 - kop.   3 / ges.  12 Dateien - in Ordner  ..\\terminbkp6"_s, 8);
    EXPECT_EQ(last.date, 20240305);
    EXPECT_EQ(last.hour, 9);
    EXPECT_EQ(last.minute, 7);
    EXPECT_EQ(last.folderIndex, 6);

    const LastBackup none = ParseLastBackup({}, 4);
    EXPECT_EQ(none.date, 19800101);
    EXPECT_EQ(none.hour * 60 + none.minute, 0);
    EXPECT_EQ(none.folderIndex, 4);

    EXPECT_EQ(ParseLastBackup(u"Unsinn"_s, 8).folderIndex, 0);
}

TEST(BackupTexts, TheRingStartsAgainAfterItsLastFolderOrWhenItGotShorter)
{
    const struct {
        int last, count, next;
    } cases[] = { { 8, 8, 1 }, { 1, 8, 2 }, { 7, 8, 8 }, { 6, 2, 1 }, { 0, 2, 1 }, { 2, 2, 1 } };
    for (const auto& c : cases)
        EXPECT_EQ(NextFolderIndex(c.last, c.count), c.next) << c.last << " of " << c.count;
}

// The last backup three days ago at 23:00 counts as one day ago.
TEST(BackupSchedule, ALaterDayCountsAsExactlyOneDay)
{
    const LastBackup last { 20240302, 23, 0, 1 };
    const struct {
        QDateTime now;
        int hours;
        int minutes;
        bool due;
    } cases[] = {
        { QDateTime(QDate(2024, 3, 5), QTime(8, 0)), 24, 540, false },
        { QDateTime(QDate(2024, 3, 5), QTime(23, 0)), 24, 1440, false },
        { QDateTime(QDate(2024, 3, 5), QTime(23, 1)), 24, 1441, true },
        { QDateTime(QDate(2024, 3, 2), QTime(23, 59)), 1, 59, false },
        { QDateTime(QDate(2024, 3, 3), QTime(0, 1)), 1, 61, true },
        { QDateTime(QDate(2024, 3, 1), QTime(23, 0)), 1, -1440, false },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MinutesSinceBackup(c.now, last), c.minutes) << c.now.toString().toStdString();
        EXPECT_EQ(AutomaticBackupDue(c.now, last, c.hours), c.due) << c.now.toString().toStdString();
    }
    EXPECT_TRUE(AutomaticBackupDue(QDateTime(QDate(2024, 3, 5), QTime(0, 1)), LastBackup {}, 24));
}

TEST(BackupChoicesFile, MissingKeysAndBadValuesTakeTheDefaults)
{
    const BackupChoices none = BackupChoices::FromFile({});
    EXPECT_FALSE(none.automaticOff);
    EXPECT_EQ(none.intervalHours(), 1);
    EXPECT_EQ(none.folderCount(), 8);
    EXPECT_TRUE(none.chosenFolder.isEmpty());

    const BackupChoices odd = BackupChoices::FromFile(StringList(
        { u"autobackup=An"_s, u"autobackupvall=6"_s, u"autobackupordn=-1"_s, u"autobkp-ordner=/mnt/b"_s }));
    EXPECT_TRUE(odd.automaticOff);
    EXPECT_EQ(odd.intervalIndex, 0);
    EXPECT_EQ(odd.folderCountIndex, 3);
    EXPECT_EQ(odd.chosenFolder, u"/mnt/b"_s);

    const BackupChoices set = BackupChoices::FromFile(
        StringList({ u"AUTOBACKUP=an"_s, u"autobackupvall=5"_s, u"autobackupordn=0"_s }));
    EXPECT_FALSE(set.automaticOff);
    EXPECT_EQ(set.intervalHours(), 24);
    EXPECT_EQ(set.folderCount(), 2);
}

TEST(BackupChoicesFile, WritesItsKeysInPlaceAndTheFolderOnlyWhenChosen)
{
    StringList file({ u"fremd=1"_s, u"autobackupordn=3"_s, u"lastbackup=x"_s });
    BackupChoices choices;
    choices.automaticOff = true;
    choices.intervalIndex = 5;
    choices.folderCountIndex = 1;
    choices.writeTo(file);
    EXPECT_EQ(file.lines(),
        (QStringList { u"fremd=1"_s, u"autobackupordn=1"_s, u"lastbackup=x"_s, u"autobackup=aus"_s,
            u"autobackupvall=5"_s }));

    choices.chosenFolder = u"/mnt/b"_s;
    choices.writeTo(file);
    EXPECT_EQ(file.lines().last(), u"autobkp-ordner=/mnt/b"_s);
}

} // namespace
