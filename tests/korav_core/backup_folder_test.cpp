#include "korav/core/admin_passwords.h"
#include "korav/core/data_folder_takeover.h"
#include "korav/core/employee_list_editor.h"
#include "korav/core/employee_list_file.h"
#include "korav/core/korav_settings.h"
#include "korav/core/master_data_editor.h"
#include "korav/core/program_settings.h"
#include "tests/korav_core/korav_fixture.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kRefusal = u"In einen Sicherungsordner können keine Daten gespeichert werden!"_s;

// A backup copy of a data folder; its files must never change.
class BackupFolder : public ::testing::Test {
protected:
    BackupFolder() : f(u"sicherung/terminbkp3"_s)
    {
        f.write(u"zama.kvd"_s, kBom + "Anna\r\n");
        f.write(u"zamasta.kvd"_s, kBom + "Anna=A#1#p#100#\r\n");
        f.write(u"zconfig.kvd"_s, kBom + "landcode=1\r\n");
    }

    void expectUnchanged() const
    {
        EXPECT_EQ(f.read(u"zama.kvd"_s), kBom + "Anna\r\n");
        EXPECT_EQ(f.read(u"zamasta.kvd"_s), kBom + "Anna=A#1#p#100#\r\n");
        EXPECT_EQ(f.read(u"zconfig.kvd"_s), kBom + "landcode=1\r\n");
        EXPECT_FALSE(QFileInfo::exists(f.path(u"zamino.kvd"_s)));
        EXPECT_FALSE(QFileInfo::exists(f.path(u"prog"_s)));
        EXPECT_FALSE(QFileInfo::exists(f.path(u"zeit"_s)));
    }

    KoravFixture f;
};

} // namespace

TEST_F(BackupFolder, LoadingTheSettingsShowsTheNotice)
{
    const ProgramSettings settings = ProgramSettings::Load(f.store);
    EXPECT_TRUE(settings.backupFolder);
    EXPECT_EQ(settings.errorText, kRefusal);
    EXPECT_EQ(settings.collectionText, u"noch keine Aktualisierung"_s);
}

TEST_F(BackupFolder, EverySaveIsRefused)
{
    EmployeeListEditor list(f.store, {});
    list.load();
    list.add(u"Neu"_s);
    EXPECT_EQ(list.save(), DialogOutcome::Close);

    MasterDataEditor master(f.store, {});
    master.load({ u"Anna"_s });
    master.select(u"Anna"_s);
    master.entries.degree = u"50"_s;
    EXPECT_EQ(master.save(), DialogOutcome::Close);

    EXPECT_FALSE(AdminPasswords::Save(f.store, u"s"_s, u"d"_s));
    EXPECT_FALSE(EmployeeListFile::Save(f.store, { u"X"_s }));

    EXPECT_EQ(f.messenger.all, QStringList(4, kRefusal));
    expectUnchanged();
}

TEST_F(BackupFolder, TakingItOverWritesNothingThere)
{
    QtKoravSettings settings(f.tmp.path(u"settings.ini"_s));
    f.tmp.write(u"programm/"_s + KoravFile::PelinProgram(), "p");
    const std::optional<DataFolder> folder = TakeOverDataFolder(
        f.store.folder().folder(), { f.messenger, settings, {}, f.tmp.path(u"programm"_s) });
    ASSERT_TRUE(folder);
    EXPECT_TRUE(folder->isBackupFolder());
    expectUnchanged();
    EXPECT_FALSE(QFileInfo::exists(f.path(KoravFile::PelinProgram())));
}

TEST_F(BackupFolder, ABackupFolderIsNeverSetUpAsANewDataFolder)
{
    QtKoravSettings settings(f.tmp.path(u"settings.ini"_s));
    f.tmp.write(u"sicherung/terminbkp4/.keep"_s, {});
    f.messenger.answerNext(kAnswerYes);
    EXPECT_FALSE(
        TakeOverDataFolder(f.tmp.path(u"sicherung/terminbkp4"_s), { f.messenger, settings, {}, {} }));
    EXPECT_EQ(f.messenger.all, QStringList { kRefusal });
    EXPECT_FALSE(f.tmp.exists(u"sicherung/terminbkp4/zama.kvd"_s));
}

TEST(OrdinaryFolder, TerminbkpWithTwoDigitsIsAnOrdinaryDataFolder)
{
    KoravFixture f(u"terminbkp12"_s);
    EXPECT_FALSE(ProgramSettings::Load(f.store).backupFolder);
    EXPECT_TRUE(EmployeeListFile::Save(f.store, { u"X"_s }));
}

TEST(BackupTimer, FirstStepOnTheSecondTickThenEveryNinth)
{
    BackupTimerCount timer;
    QList<int> due;
    for (int tick = 1; tick <= 20; ++tick) {
        if (timer.tick(true))
            due.append(tick);
    }
    EXPECT_EQ(due, (QList<int> { 2, 11, 20 }));
}

TEST(BackupTimer, WhileDeactivatedTheCountIsNotReset)
{
    BackupTimerCount timer;
    for (int tick = 0; tick < 5; ++tick)
        EXPECT_FALSE(timer.tick(false));
    EXPECT_EQ(timer.count(), 12);
    EXPECT_TRUE(timer.tick(true));
    timer.restart();
    EXPECT_EQ(timer.count(), 7);
}
