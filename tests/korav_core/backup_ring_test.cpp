#include "common/file_store_failure.h"
#include "korav/core/backup_list.h"
#include "korav/core/backup_texts.h"
#include "tests/korav_core/backup_fixture.h"
#include "tests/support/byte_order_mark.h"
#include "tests/support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

class BackupRingTest : public ::testing::Test, public BackupFixture {
protected:
    QString bkp(int index, const QString& name = {}) const
    {
        return data(u"terminbkp%1/"_s.arg(index) + name);
    }
    void writeSettings(const QByteArray& lines) const { folder.write(u"data/zbackup.kvd"_s, kBom + lines); }
};

TEST_F(BackupRingTest, TheFirstBackupCopiesEveryDataFileAndTheSubtreeIntoFolderOne)
{
    const BackupOutcome outcome = ring->BackupAusfuehren();

    ASSERT_TRUE(outcome.ran);
    EXPECT_EQ(outcome.folderIndex, 1);
    // The log was written after the copy, zbackup.kvd did not exist yet.
    QStringList expected = backedUpFiles();
    expected.removeAll(u"zbackup.kvd"_s);
    QStringList withLog = expected;
    withLog.append(u"bkp_log.txt"_s);
    withLog.sort();
    EXPECT_EQ(FilesBelow(bkp(1)), withLog) << FilesBelow(bkp(1)).join(u' ').toStdString();
    for (const QString& name : expected)
        EXPECT_EQ(read(bkp(1, name)), read(data(name))) << name.toStdString();
    EXPECT_EQ(outcome.copied, 6);
    EXPECT_EQ(outcome.examined, 6);
    EXPECT_EQ(
        lastBackup(), u" 05.03.2024 - 14:07 - kop.   6 / ges.   6 Dateien - in Ordner  ..\\terminbkp1"_s);
    EXPECT_EQ(read(bkp(1, u"bkp_log.txt"_s)),
        kBom + " 2024.03.05 - 14:07 - kop.   6 / ges.   6 Dateien - in Ordner  ..\\terminbkp1\r\n");
    EXPECT_EQ(ring->lastBackupText(), lastBackup());
    EXPECT_FALSE(exists(data(u"~zbackup.kvd"_s)));
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(BackupRingTest, TheRingOfEightStartsAgainAtOne)
{
    QList<int> folders;
    for (int i = 0; i < 9; ++i)
        folders.append(ring->BackupAusfuehren().folderIndex);
    EXPECT_EQ(folders, (QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 1 }));
    EXPECT_TRUE(lastBackup().endsWith(u"..\\terminbkp1"_s));
}

TEST_F(BackupRingTest, ALaterBackupCopiesOnlyChangedAndNewFilesAndCountsAllItExamines)
{
    ring->setFolderCountIndex(0); // two folders
    ring->BackupAusfuehren();
    ring->BackupAusfuehren();
    const QDateTime later(QDate(2024, 3, 5), QTime(12, 0, 0));
    put(u"zprojekte.kvd"_s, "P1=Projekt\r\nP2=Neu\r\n", later);
    put(u"auswtg/202403/az202403P1.kvd"_s, "new month", later);
    // Older than its copy: a data file put back from elsewhere is not copied.
    setTime(data(u"zama.kvd"_s), QDateTime(QDate(2024, 1, 1), QTime(8, 0)));

    const BackupOutcome outcome = ring->BackupAusfuehren();

    EXPECT_EQ(outcome.folderIndex, 1);
    // zprojekte.kvd, the new month, and zbackup.kvd which folder 1 lacked.
    EXPECT_EQ(outcome.copied, 3);
    EXPECT_EQ(outcome.examined, 8);
    EXPECT_EQ(read(bkp(1, u"zprojekte.kvd"_s)), "P1=Projekt\r\nP2=Neu\r\n");
    EXPECT_EQ(read(bkp(1, u"auswtg/202403/az202403P1.kvd"_s)), "new month");
    EXPECT_EQ(QFileInfo(bkp(1, u"zprojekte.kvd"_s)).lastModified(), later);
    EXPECT_TRUE(lastBackup().contains(u"kop.   3 / ges.   8 Dateien"_s));
}

TEST_F(BackupRingTest, ShorteningTheRingAfterFolderSixGoesBackToOneAndListsAllLogs)
{
    for (int i = 0; i < 6; ++i) {
        clock.set(QDateTime(QDate(2024, 3, 1 + i), QTime(9, 0)));
        ring->BackupAusfuehren();
    }
    ring->setFolderCountIndex(0);
    clock.set(QDateTime(QDate(2024, 3, 10), QTime(9, 0)));

    EXPECT_EQ(ring->BackupAusfuehren().folderIndex, 1);

    const QStringList list = ring->BackupListeAnzeigen();
    ASSERT_EQ(list.size(), 6);
    EXPECT_TRUE(list[0].startsWith(u" 10.03.2024 - 09:00"_s)) << list[0].toStdString();
    EXPECT_TRUE(list[0].endsWith(u"terminbkp1"_s));
    EXPECT_TRUE(list[1].startsWith(u" 06.03.2024 - 09:00"_s));
    EXPECT_TRUE(list[1].endsWith(u"terminbkp6"_s));
    EXPECT_TRUE(list[5].startsWith(u" 02.03.2024 - 09:00"_s));
}

TEST_F(BackupRingTest, TheListLooksAtAllEightFoldersAndSortsNewestFirst)
{
    folder.write(u"data/terminbkp8/bkp_log.txt"_s, kBom + " 2023.12.31 - 23:59 - a\r\n");
    folder.write(u"data/terminbkp2/bkp_log.txt"_s, kBom + " 2024.01.02 - 08:00 - b\r\n");
    folder.write(u"data/terminbkp5/bkp_log.txt"_s, " 2024.01.02 - 07:59 - c");
    folder.write(u"data/terminbkp9/bkp_log.txt"_s, " 2025.01.01 - 00:00 - ring holds eight at most");
    ring->setFolderCountIndex(0);

    EXPECT_EQ(ring->BackupListeAnzeigen(),
        (QStringList {
            u" 02.01.2024 - 08:00 - b"_s, u" 02.01.2024 - 07:59 - c"_s, u" 31.12.2023 - 23:59 - a"_s }));
}

TEST_F(BackupRingTest, TheAutomaticStepBacksUpWhenTheIntervalHasPassedByTheOneDayRule)
{
    ring->setIntervalIndex(5); // 24 hours
    writeSettings(
        "lastbackup= 02.03.2024 - 23:00 - kop.   1 / ges.   1 Dateien - in Ordner  ..\\terminbkp3\r\n");

    clock.set(QDateTime(QDate(2024, 3, 5), QTime(8, 0)));
    EXPECT_FALSE(ring->AutoBackupPruefen().ran);
    EXPECT_FALSE(exists(bkp(4)));

    clock.set(QDateTime(QDate(2024, 3, 5), QTime(23, 1)));
    const BackupOutcome outcome = ring->AutoBackupPruefen();
    EXPECT_TRUE(outcome.ran);
    EXPECT_EQ(outcome.folderIndex, 4);
    EXPECT_TRUE(lastBackup().startsWith(u" 05.03.2024 - 23:01"_s));
}

TEST_F(BackupRingTest, WithoutALastBackupTheAutomaticStepBacksUpAtOnce)
{
    clock.set(QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
    const BackupOutcome outcome = ring->AutoBackupPruefen();
    EXPECT_TRUE(outcome.ran);
    EXPECT_EQ(outcome.folderIndex, 1);
    EXPECT_TRUE(exists(bkp(1, u"zama.kvd"_s)));
}

TEST_F(BackupRingTest, AHeldLockIsReportedOnceByHandAndSilentlyByTheTimer)
{
    put(u"~zbackup.kvd"_s, {}, clock.now().addSecs(-60));

    EXPECT_FALSE(ring->StartManBackup().ran);
    EXPECT_EQ(messenger.all, (QStringList { u"Datei ist momentan gesperrt ! ( ~zbackup.kvd )"_s }));

    messenger.all.clear();
    EXPECT_FALSE(ring->AutoBackupPruefen().ran);
    EXPECT_TRUE(messenger.all.isEmpty());
    EXPECT_TRUE(exists(data(u"~zbackup.kvd"_s)));
    EXPECT_FALSE(exists(bkp(1)));
}

TEST_F(BackupRingTest, TheTimerClearsALockOfAnEarlierDayAndBacksUpNextTime)
{
    put(u"~zbackup.kvd"_s, {}, QDateTime(QDate(2024, 3, 4), QTime(23, 59)));

    EXPECT_FALSE(ring->AutoBackupPruefen().ran);
    EXPECT_FALSE(exists(data(u"~zbackup.kvd"_s)));
    EXPECT_TRUE(messenger.all.isEmpty());

    EXPECT_TRUE(ring->AutoBackupPruefen().ran);
}

TEST_F(BackupRingTest, AManualStartAsksBeforeOverwritingAnExistingFolder)
{
    writeSettings(
        "lastbackup= 01.03.2024 - 10:00 - kop.   1 / ges.   1 Dateien - in Ordner  ..\\terminbkp2\r\n");
    QDir().mkpath(bkp(3));

    messenger.answerNext(kAnswerNo);
    EXPECT_FALSE(ring->StartManBackup().ran);
    EXPECT_EQ(messenger.questions,
        (QStringList { u" Vorhandene Backup-Dateien in Ordner  ..\\terminbkp3  überschreiben ?  "_s }));
    EXPECT_FALSE(exists(bkp(3, u"zama.kvd"_s)));

    messenger.answerNext(kAnswerYes);
    EXPECT_EQ(ring->StartManBackup().folderIndex, 3);
    EXPECT_TRUE(exists(bkp(3, u"zama.kvd"_s)));

    messenger.questions.clear();
    EXPECT_EQ(ring->StartManBackup().folderIndex, 4);
    EXPECT_TRUE(messenger.questions.isEmpty());
}

TEST_F(BackupRingTest, AFailedCopyIsReportedNotCountedAndCopiedAgainLater)
{
    ring->setFolderCountIndex(0);
    QDir().mkpath(bkp(1, u"zprojekte.kvd"_s)); // a folder where the copy should go

    messenger.answerNext(kAnswerYes);
    const BackupOutcome first = ring->StartManBackup();

    EXPECT_EQ(first.failed, (QStringList { u"zprojekte.kvd"_s }));
    EXPECT_EQ(first.copied, 5);
    EXPECT_EQ(first.examined, 6);
    EXPECT_TRUE(lastBackup().contains(u"kop.   5 / ges.   6 Dateien"_s));
    EXPECT_EQ(messenger.messages,
        (QStringList {
            u"Datensicherung unvollständig: 1 Datei(en) konnten nicht kopiert werden (zprojekte.kvd)"_s }));

    QDir(bkp(1, u"zprojekte.kvd"_s)).removeRecursively();
    ring->StartManBackup();
    messenger.answerNext(kAnswerYes);
    const BackupOutcome third = ring->StartManBackup();
    EXPECT_EQ(third.folderIndex, 1);
    EXPECT_TRUE(third.failed.isEmpty());
    EXPECT_EQ(read(bkp(1, u"zprojekte.kvd"_s)), read(data(u"zprojekte.kvd"_s)));
}

TEST_F(BackupRingTest, TheAutomaticStepReturnsFailuresInsteadOfShowingThem)
{
    QDir().mkpath(bkp(1, u"auswtg/202402/az202402P1.kvd"_s));
    QDir().mkpath(bkp(1, u"zama.kvd"_s));
    QDir().mkpath(bkp(1, u"zamasta.kvd"_s));
    QDir().mkpath(bkp(1, u"zprojekte.kvd"_s));

    const BackupOutcome outcome = ring->AutoBackupPruefen();

    EXPECT_EQ(outcome.failed.size(), 4);
    EXPECT_EQ(outcome.problems,
        (QStringList { u"Datensicherung unvollständig: 4 Datei(en) konnten nicht kopiert werden "
                       u"(zama.kvd, zamasta.kvd, zprojekte.kvd, ...)"_s }));
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(BackupRingTest, AMissingBaseFolderIsReplacedByTheDataFolder)
{
    ring->chooseBaseFolder(folder.path(u"gibt-es-nicht"_s));
    ring->dialogShown();

    EXPECT_TRUE(ring->BackupAusfuehren().ran);

    EXPECT_TRUE(exists(bkp(1, u"zama.kvd"_s)));
    EXPECT_EQ(ring->baseFolder(), data());
    EXPECT_TRUE(ring->settingsChanged());
}

TEST_F(BackupRingTest, BacksUpIntoTheChosenBaseFolder)
{
    QDir().mkpath(folder.path(u"sicher"_s));
    ring->chooseBaseFolder(folder.path(u"sicher"_s));

    EXPECT_TRUE(ring->BackupAusfuehren().ran);

    EXPECT_TRUE(exists(folder.path(u"sicher/terminbkp1/auswtg/202402/az202402P1.kvd"_s)));
    EXPECT_EQ(ring->ringDescription(), u" "_s + folder.path(u"sicher/terminbkp1 bis 8"_s));
}

TEST_F(BackupRingTest, ABackupFolderThatCannotBeCreatedLeavesEverythingAsItWas)
{
    put(u"terminbkp1"_s, "a file in the way", clock.now());

    EXPECT_FALSE(ring->BackupAusfuehren().ran);

    EXPECT_FALSE(exists(data(u"zbackup.kvd"_s)));
    EXPECT_FALSE(exists(data(u"~zbackup.kvd"_s)));
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(BackupRingTest, ASubtreeTargetThatCannotBeCreatedIsReportedAndTheRestGoesOn)
{
    folder.write(u"data/terminbkp1/auswtg"_s, "a file in the way");

    const BackupOutcome outcome = ring->BackupAusfuehren();

    EXPECT_EQ(messenger.messages,
        (QStringList { u"Zielordner "_s + bkp(1, u"auswtg"_s) + u" konnte nicht erstellt werden !"_s }));
    EXPECT_EQ(outcome.examined, 3);
    EXPECT_TRUE(exists(bkp(1, u"bkp_log.txt"_s)));
}

TEST_F(BackupRingTest, HiddenFoldersAndTheBackupFolderItselfAreLeftOutOfTheSubtree)
{
    put(u"auswtg/.git/x"_s, "hidden folder", clock.now());
    put(u"auswtg/202402/.hidden"_s, "hidden file", clock.now());
    QDir().mkpath(data(u"auswtg/sicher"_s));
    ring->chooseBaseFolder(data(u"auswtg/sicher"_s));

    ring->BackupAusfuehren();
    const BackupOutcome second = ring->BackupAusfuehren();

    const QString target = data(u"auswtg/sicher/terminbkp2/"_s);
    EXPECT_TRUE(exists(target + u"auswtg/202402/.hidden"_s));
    EXPECT_FALSE(exists(target + u"auswtg/.git"_s));
    EXPECT_FALSE(exists(target + u"auswtg/sicher"_s));
    EXPECT_EQ(second.examined, 4 + 4);
}

TEST_F(BackupRingTest, ClosingWithoutChangesWritesNothingEvenAfterABackup)
{
    ring->dialogShown();
    ring->BackupAusfuehren();
    const QByteArray before = read(data(u"zbackup.kvd"_s));

    ring->FormClose();

    EXPECT_EQ(read(data(u"zbackup.kvd"_s)), before);
    EXPECT_EQ(before.count("\r\n"), 1);
}

TEST_F(BackupRingTest, ClosingAfterAChangeSavesTheChoicesUnderTheLock)
{
    writeSettings("fremd=bleibt\r\nautobackupordn=3\r\n");
    ring->loadChoices();
    ring->dialogShown();
    ring->setAutomaticOff(true);
    ring->setIntervalIndex(2);

    ring->FormClose();

    EXPECT_EQ(read(data(u"zbackup.kvd"_s)),
        kBom + "fremd=bleibt\r\nautobackupordn=3\r\nautobackup=aus\r\nautobackupvall=2\r\n");
    EXPECT_FALSE(exists(data(u"~zbackup.kvd"_s)));
}

TEST_F(BackupRingTest, ClosingWhileTheLockIsHeldSavesNothingAndLeavesTheLock)
{
    put(u"~zbackup.kvd"_s, {}, clock.now());
    ring->dialogShown();
    ring->setIntervalIndex(2);

    ring->FormClose();

    EXPECT_FALSE(exists(data(u"zbackup.kvd"_s)));
    EXPECT_TRUE(exists(data(u"~zbackup.kvd"_s)));
    EXPECT_EQ(messenger.messages, (QStringList { u"Datei ist momentan gesperrt ! ( ~zbackup.kvd )"_s }));
}

TEST_F(BackupRingTest, RemovingTheLockByHandSaysWhetherThereWasOne)
{
    put(u"~zbackup.kvd"_s, {}, clock.now());
    EXPECT_TRUE(ring->lockExists());
    ring->DateisperreAufheben();
    ring->DateisperreAufheben();
    EXPECT_FALSE(ring->lockExists());
    EXPECT_EQ(messenger.messages,
        (QStringList {
            u"Die Backup-Dateisperre wurde aufgehoben."_s, u"Die Backup-Datei war nicht gesperrt."_s }));
}

TEST_F(BackupRingTest, ABackupFolderOpenedAsDataFolderIsNeverBackedUpNorChanged)
{
    put(u"terminbkp3/zama.kvd"_s, "copy", clock.now());
    BackupRing inBackup(data(u"terminbkp3"_s), messenger, clock);
    inBackup.dialogShown();
    inBackup.setIntervalIndex(1);

    EXPECT_FALSE(inBackup.AutoBackupPruefen().ran);
    EXPECT_TRUE(messenger.all.isEmpty());
    EXPECT_FALSE(inBackup.StartManBackup().ran);
    inBackup.FormClose();

    EXPECT_EQ(messenger.messages,
        (QStringList { u"Von einem Datensicherungsordner kann keine Sicherung erstellt werden !  "_s,
            u"In einen Sicherungsordner können keine Daten gespeichert werden!"_s }));
    EXPECT_EQ(inBackup.folderDescription(),
        u" Von einem Datensicherungsordner kann keine Sicherung erstellt werden !"_s);
    EXPECT_EQ(FilesBelow(data(u"terminbkp3"_s)), (QStringList { u"zama.kvd"_s }));
}

TEST_F(BackupRingTest, ProgressRunsPerFileAndEndsAtZero)
{
    QList<std::pair<int, int>> steps;
    ring->setProgress([&](int done, int total) { steps.append({ done, total }); });

    ring->BackupAusfuehren();

    const QList<std::pair<int, int>> expected
        = { { 1, 3 }, { 2, 3 }, { 3, 3 }, { 1, 3 }, { 2, 3 }, { 3, 3 }, { 0, 0 } };
    EXPECT_EQ(steps, expected);
}

TEST_F(BackupRingTest, WithoutADataFolderNothingIsBackedUpOrSaved)
{
    const QString current = QDir::currentPath();
    QDir::setCurrent(data());
    BackupRing none(QString(), messenger, clock);
    none.setIntervalIndex(1);

    EXPECT_FALSE(none.AutoBackupPruefen().ran);
    EXPECT_FALSE(none.BackupAusfuehren().ran);
    EXPECT_FALSE(none.StartManBackup().ran);
    none.FormClose();

    QDir::setCurrent(current);
    EXPECT_FALSE(exists(data(u"terminbkp1"_s)));
    EXPECT_FALSE(exists(u"/terminbkp1"_s));
    EXPECT_FALSE(exists(data(u"zbackup.kvd"_s)));
    EXPECT_TRUE(messenger.all.isEmpty());
}

std::string PointName(const ::testing::TestParamInfo<FileStore::FailureInjection::Point>& info)
{
    static const char* const kNames[] = { "AfterBytes", "AtFlush", "AtRename" };
    return kNames[int(info.param)];
}

class BackupOntoAFullDisk : public BackupRingTest,
                            public ::testing::WithParamInterface<FileStore::FailureInjection::Point> { };

TEST_P(BackupOntoAFullDisk, EveryCopyEqualsItsSourceOrTheFailureIsReported)
{
    BackupOutcome outcome;
    {
        const FileStore::FailureInjection full(GetParam(), 3, u"terminbkp1/"_s);
        outcome = ring->BackupAusfuehren();
        EXPECT_GT(full.failures(), 0);
    }
    ASSERT_TRUE(outcome.ran);
    EXPECT_EQ(outcome.copied, 0);
    EXPECT_EQ(outcome.failed.size(), 6) << outcome.failed.join(u'|').toStdString();
    EXPECT_EQ(outcome.problems.size(), 2) << outcome.problems.join(u'|').toStdString();
    for (const QString& name : FilesBelow(bkp(1)))
        EXPECT_EQ(read(bkp(1, name)), read(data(name))) << name.toStdString();
    EXPECT_FALSE(exists(bkp(1, u"bkp_log.txt"_s)));
    EXPECT_FALSE(exists(data(u"~zbackup.kvd"_s)));
}

INSTANTIATE_TEST_SUITE_P(Injected, BackupOntoAFullDisk,
    ::testing::Values(FileStore::FailureInjection::Point::AfterBytes,
        FileStore::FailureInjection::Point::AtFlush, FileStore::FailureInjection::Point::AtRename),
    PointName);

TEST_F(BackupRingTest, LinksFifosAndDevicesAreNeverFollowedNorOpenedButNamed)
{
    ASSERT_TRUE(QFile::link(u".."_s, data(u"auswtg/202402/oben"_s)));
    ASSERT_TRUE(QFile::link(data(u"zama.kvd"_s), data(u"verweis.kvd"_s)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(data(u"auswtg/rohr"_s)).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(data(u"rohr.kvd"_s)).constData(), 0600), 0);

    const BackupOutcome outcome = ring->BackupAusfuehren();

    ASSERT_TRUE(outcome.ran);
    EXPECT_EQ(outcome.problems,
        QStringList { SkippedEntriesText(
            { u"rohr.kvd"_s, u"verweis.kvd"_s, u"auswtg/202402/oben"_s, u"auswtg/rohr"_s }) });
    EXPECT_TRUE(outcome.failed.isEmpty());
    QStringList expected = backedUpFiles();
    expected.removeAll(u"verweis.kvd"_s);
    expected.removeAll(u"zbackup.kvd"_s);
    expected.append(u"bkp_log.txt"_s);
    expected.sort();
    EXPECT_EQ(FilesBelow(bkp(1)), expected);
    EXPECT_FALSE(QFileInfo(bkp(1, u"auswtg/202402/oben"_s)).exists());
    EXPECT_FALSE(exists(data(u"~zbackup.kvd"_s)));
}

} // namespace
