#include "common/file_store_failure.h"
#include "tests/korav_cli/cli_fixture.h"

#include <QDirIterator>

using namespace Qt::StringLiterals;

// A full data disk, played at each point where a write can fail: every
// command ends as a failure with its reason shown, announces no success,
// and leaves the files it could not write as they were.
namespace {

using Point = FileStore::FailureInjection::Point;

struct FullDiskCase {
    const char* name;
    Point point;
};

class FullDataDisk : public CliFixture, public ::testing::WithParamInterface<FullDiskCase> {
protected:
    void expectNoSuccessAnnounced() const
    {
        for (const QString& text : messenger.messages) {
            for (const QString& word : { u"erstellt"_s, u"aktualisiert"_s, u"gespeichert"_s })
                EXPECT_FALSE(text.contains(word) && !text.contains(u"nicht"_s)) << text.toStdString();
        }
    }
};

TEST_P(FullDataDisk, BuildFailsAndLeavesNoEmptyEmployeeFile)
{
    const FileStore::FailureInjection full(GetParam().point, 10, dataFolder());
    EXPECT_EQ(run({ u"build"_s }), 1);
    EXPECT_FALSE(dataExists(u"dama.kvd"_s));
    EXPECT_FALSE(messenger.messages.isEmpty());
    expectNoSuccessAnnounced();
}

TEST_P(FullDataDisk, CollectFailsAndCollectsAgainOnceThereIsRoom)
{
    {
        const FileStore::FailureInjection full(GetParam().point, 10, dataFolder());
        EXPECT_EQ(run({ u"collect"_s }), 1);
    }
    EXPECT_FALSE(dataExists(u"auswtg/202303/az2023034711.kvd"_s));
    expectNoSuccessAnnounced();
    EXPECT_EQ(run({ u"collect"_s }), 0);
    EXPECT_EQ(root.read(u"daten/auswtg/202303/az2023034711.kvd"_s), root.read(u"zeit/az2023034711.kvd"_s));
}

TEST_P(FullDataDisk, BackupFailsWithoutAnEmptyCopyOrLog)
{
    ASSERT_EQ(run({ u"collect"_s }), 0);
    {
        const FileStore::FailureInjection full(GetParam().point, 10, dataPath(u"terminbkp1/"_s));
        EXPECT_EQ(run({ u"backup"_s, u"--now"_s }), 1);
    }
    QDirIterator it(dataPath(u"terminbkp1"_s), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString copy = it.next();
        const QString name = QDir(dataPath(u"terminbkp1"_s)).relativeFilePath(copy);
        EXPECT_EQ(root.read(u"daten/terminbkp1/"_s + name), root.read(u"daten/"_s + name))
            << name.toStdString();
    }
    EXPECT_FALSE(dataExists(u"terminbkp1/bkp_log.txt"_s));
}

TEST_P(FullDataDisk, RestoreFailsKeepsTheOldFileAndTheStateBefore)
{
    ASSERT_EQ(run({ u"backup"_s, u"--now"_s }), 0);
    writeData(u"zamasta.kvd"_s, { u"Erika=Erika Sommer#4711#sommer#90#"_s });
    const QByteArray changed = root.read(u"daten/zamasta.kvd"_s);
    {
        const FileStore::FailureInjection full(GetParam().point, 10, dataPath(u"zamasta.kvd"_s));
        EXPECT_EQ(run({ u"restore"_s, u"--from"_s, u"terminbkp1"_s }), 1);
    }
    EXPECT_EQ(root.read(u"daten/zamasta.kvd"_s), changed);
    EXPECT_EQ(root.read(u"daten/terminbkp2/zamasta.kvd"_s), changed);
    EXPECT_EQ(root.read(u"daten/zama.kvd"_s), root.read(u"daten/terminbkp1/zama.kvd"_s));
    EXPECT_TRUE(messenger.all.contains(
        u"Der Stand vor der Wiederherstellung liegt in "_s + dataPath(u"terminbkp2/"_s)));
    EXPECT_TRUE(std::any_of(messenger.all.begin(), messenger.all.end(), [](const QString& text) {
        return text.startsWith(u"1 Dateien nicht wiederhergestellt : zamasta.kvd ( "_s);
    })) << messenger.all.join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Injected, FullDataDisk,
    ::testing::Values(FullDiskCase { "AfterBytes", Point::AfterBytes },
        FullDiskCase { "AtFlush", Point::AtFlush }, FullDiskCase { "AtRename", Point::AtRename }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
