#include "common/file_store_failure.h"
#include "korav/core/backup_list.h"
#include "korav/core/backup_restore.h"
#include "tests/korav_core/backup_fixture.h"
#include "tests/support/byte_order_mark.h"
#include "tests/support/qt_printers.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Point = FileStore::FailureInjection::Point;

// A backup in terminbkp1, and since then a day of work: two files changed,
// one month added.
class BackupRestoreTest : public ::testing::Test, public BackupFixture {
protected:
    BackupRestoreTest()
    {
        ring->BackupAusfuehren();
        put(u"zama.kvd"_s, "ma1=\r\nma2=\r\n", kToday);
        put(u"auswtg/202402/az202402P1.kvd"_s, "month changed", kToday);
        put(u"auswtg/202403/az202403P1.kvd"_s, "month new", kToday);
        todaysState = snapshot();
    }

    QString bkp(int index, const QString& name = {}) const
    {
        return data(u"terminbkp%1/"_s.arg(index) + name);
    }
    // Every file a backup takes, with its content.
    QMap<QString, QByteArray> snapshot(const QString& folder = {}) const
    {
        QMap<QString, QByteArray> files;
        const QString root = folder.isEmpty() ? data() : folder;
        for (const QString& name : backedUpFiles())
            if (exists(root + name))
                files.insert(name, read(root + name));
        return files;
    }
    QStringList logLines(int index) const
    {
        return QString::fromUtf8(read(bkp(index, u"bkp_log.txt"_s)).mid(3)).split(u"\r\n"_s);
    }

    static inline const QDateTime kToday { QDate(2024, 3, 5), QTime(13, 0) };
    QMap<QString, QByteArray> todaysState;
};

TEST_F(BackupRestoreTest, TheWholeFolderComesBackAfterTheStateBeforeIsSavedInAFolderOfItsOwn)
{
    const RestoreResult result = Wiederherstellen(*ring, u"terminbkp1"_s);

    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.restored,
        (QStringList { u"auswtg/202402/az202402P1.kvd"_s, u"auswtg/202402/az202402P1mon.kvd"_s,
            u"auswtg/202403/notiz.txt"_s, u"zama.kvd"_s, u"zamasta.kvd"_s, u"zprojekte.kvd"_s }));
    EXPECT_EQ(result.savedIndex, 2);
    EXPECT_EQ(result.summary,
        (QStringList { u"6 Dateien aus terminbkp1 wiederhergestellt"_s,
            u"Der Stand vor der Wiederherstellung liegt in "_s + QDir::toNativeSeparators(bkp(2)) }));
    EXPECT_TRUE(messenger.all.isEmpty()) << messenger.all.join(u'|').toStdString();

    EXPECT_EQ(read(data(u"zama.kvd"_s)), "ma1=\r\n");
    EXPECT_EQ(read(data(u"auswtg/202402/az202402P1.kvd"_s)), "month");
    // A file the backup does not hold stays as it is.
    EXPECT_EQ(read(data(u"auswtg/202403/az202403P1.kvd"_s)), "month new");
    // The ring's bookkeeping is not taken back: the next backup goes on after
    // the folder with the state before.
    EXPECT_TRUE(lastBackup().endsWith(u"..\\terminbkp2"_s)) << lastBackup().toStdString();
    EXPECT_FALSE(exists(data(u"~zbackup.kvd"_s)));

    QMap<QString, QByteArray> saved = snapshot(bkp(2));
    saved.remove(u"zbackup.kvd"_s);
    QMap<QString, QByteArray> expected = todaysState;
    expected.remove(u"zbackup.kvd"_s);
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(logLines(2).value(1), u"vor Wiederherstellung aus terminbkp1"_s);
    const QStringList list = ring->BackupListeAnzeigen();
    ASSERT_EQ(list.size(), 2);
    EXPECT_TRUE(list.first().endsWith(u"..\\terminbkp2 - vor Wiederherstellung aus terminbkp1"_s))
        << list.first().toStdString();
}

TEST_F(BackupRestoreTest, ChosenFilesComeBackAndTheOthersStay)
{
    const RestoreResult result
        = Wiederherstellen(*ring, u"terminbkp1"_s, { u"zama.kvd"_s, u"auswtg/202402/az202402P1.kvd"_s });

    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.restored, (QStringList { u"zama.kvd"_s, u"auswtg/202402/az202402P1.kvd"_s }));
    EXPECT_EQ(result.summary.first(), u"2 Dateien aus terminbkp1 wiederhergestellt"_s);
    EXPECT_EQ(read(data(u"zama.kvd"_s)), "ma1=\r\n");
    EXPECT_EQ(read(data(u"auswtg/202402/az202402P1.kvd"_s)), "month");
    EXPECT_EQ(read(data(u"auswtg/202403/az202403P1.kvd"_s)), "month new");
    EXPECT_EQ(read(bkp(2, u"zama.kvd"_s)), "ma1=\r\nma2=\r\n");
}

TEST_F(BackupRestoreTest, ARestoredFileLooksNewerThanEveryCopySoThatTheNextBackupTakesIt)
{
    Wiederherstellen(*ring, u"terminbkp1"_s, { u"zama.kvd"_s });
    // terminbkp2 holds today's zama.kvd; the restored one is older in
    // content, yet a backup into terminbkp2 must replace that copy.
    EXPECT_TRUE(CopyIsDue(WriteSeconds(data(u"zama.kvd"_s)), bkp(2, u"zama.kvd"_s)));
}

TEST_F(BackupRestoreTest, TheFolderForTheStateBeforeIsEmptiedAndNeverTheSource)
{
    ring->setFolderCountIndex(0); // two folders
    ring->BackupAusfuehren(); // into terminbkp2
    put(u"terminbkp2/auswtg/201901/alt.kvd"_s, "older backup", kToday);
    put(u"terminbkp2/zama.kvd"_s, "newer than the data file", kToday.addSecs(3600));

    // The ring would go on with terminbkp1, the source of this restore.
    EXPECT_EQ(ring->folderBeforeRestore(1), 2);
    const RestoreResult result = Wiederherstellen(*ring, u"terminbkp1"_s, { u"zprojekte.kvd"_s });

    ASSERT_TRUE(result.complete()) << result.summary.join(u'|').toStdString();
    EXPECT_EQ(result.savedIndex, 2);
    EXPECT_FALSE(exists(bkp(2, u"auswtg/201901/alt.kvd"_s)));
    EXPECT_EQ(read(bkp(2, u"zama.kvd"_s)), "ma1=\r\nma2=\r\n");
    EXPECT_EQ(read(bkp(1, u"zama.kvd"_s)), "ma1=\r\n");
}

struct Refusal {
    const char* name;
    const char* from;
    QStringList files;
    const char* message; // "DATA": the data folder
};

class RestoreRefusal : public BackupRestoreTest, public ::testing::WithParamInterface<Refusal> { };

TEST_P(RestoreRefusal, ChangesNothing)
{
    const RestoreResult result
        = Wiederherstellen(*ring, QString::fromUtf8(GetParam().from), GetParam().files);

    EXPECT_FALSE(result.ran);
    EXPECT_EQ(
        result.summary, QStringList { QString::fromUtf8(GetParam().message).replace(u"DATA/"_s, data()) });
    EXPECT_EQ(snapshot(), todaysState);
    EXPECT_FALSE(exists(bkp(2)));
    EXPECT_FALSE(exists(data(u"~zbackup.kvd"_s)));
}

INSTANTIATE_TEST_SUITE_P(BeforeAnythingChanges, RestoreRefusal,
    ::testing::Values(Refusal { "PathUp", "../terminbkp1", {},
                          "../terminbkp1 ist kein Sicherungsordner ( terminbkp1 bis terminbkp8 )" },
        Refusal { "Absolute", "/tmp", {}, "/tmp ist kein Sicherungsordner ( terminbkp1 bis terminbkp8 )" },
        Refusal { "BeyondTheRing", "terminbkp9", {},
            "terminbkp9 ist kein Sicherungsordner ( terminbkp1 bis terminbkp8 )" },
        Refusal { "Missing", "terminbkp3", {}, "Sicherungsordner DATA/terminbkp3/ ist nicht vorhanden !" },
        Refusal { "UnknownFile", "terminbkp1", { u"zama.kvd"_s, u"nicht.kvd"_s },
            "Datei nicht.kvd ist im Sicherungsordner terminbkp1 nicht vorhanden !" },
        Refusal { "FileOutside", "terminbkp1", { u"../data/zama.kvd"_s },
            "Datei ../data/zama.kvd ist im Sicherungsordner terminbkp1 nicht vorhanden !" },
        Refusal { "Log", "terminbkp1", { u"bkp_log.txt"_s },
            "Datei bkp_log.txt ist im Sicherungsordner terminbkp1 nicht vorhanden !" },
        Refusal { "BackupSettings", "terminbkp1", { u"zbackup.kvd"_s },
            "Die Einstellungen der Datensicherung ( zbackup.kvd ) werden nicht wiederhergestellt !" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BackupRestoreTest, AHeldLockIsReportedAndNothingChanges)
{
    folder.write(u"data/~zbackup.kvd"_s, "");
    const RestoreResult result = Wiederherstellen(*ring, u"terminbkp1"_s);
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(messenger.all, QStringList { u"Datei ist momentan gesperrt ! ( ~zbackup.kvd )"_s });
    EXPECT_EQ(snapshot(), todaysState);
    EXPECT_FALSE(exists(bkp(2)));
    EXPECT_TRUE(exists(data(u"~zbackup.kvd"_s)));
}

TEST_F(BackupRestoreTest, ABackupFolderOpenedAsDataFolderIsNotWritten)
{
    BackupRing inBackup(bkp(1), messenger, clock);
    inBackup.loadChoices();
    folder.write(u"data/terminbkp1/terminbkp1/zama.kvd"_s, "nested");
    const RestoreResult result = Wiederherstellen(inBackup, u"terminbkp1"_s);
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(result.summary,
        QStringList { u"In einen Sicherungsordner können keine Daten gespeichert werden!"_s });
    EXPECT_EQ(read(bkp(1, u"zama.kvd"_s)), "ma1=\r\n");
}

class RestoreWriteFailure : public BackupRestoreTest, public ::testing::WithParamInterface<Point> { };

TEST_P(RestoreWriteFailure, KeepsTheOldFileAndReportsIt)
{
    RestoreResult result;
    {
        const FileStore::FailureInjection full(GetParam(), 3, data(u"zama.kvd"_s));
        result = Wiederherstellen(*ring, u"terminbkp1"_s);
        EXPECT_EQ(full.failures(), 1);
    }

    EXPECT_TRUE(result.ran);
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(result.failed, QStringList { u"zama.kvd"_s });
    EXPECT_EQ(result.restored.size(), 5);
    EXPECT_EQ(read(data(u"zama.kvd"_s)), "ma1=\r\nma2=\r\n");
    EXPECT_EQ(read(data(u"zamasta.kvd"_s)), "ma1=Anna#\r\n");
    ASSERT_EQ(result.summary.size(), 3) << result.summary.join(u'|').toStdString();
    EXPECT_EQ(result.summary.at(0), u"5 Dateien aus terminbkp1 wiederhergestellt"_s);
    EXPECT_TRUE(result.summary.at(1).startsWith(u"1 Dateien nicht wiederhergestellt : zama.kvd ( "_s))
        << result.summary.at(1).toStdString();
    EXPECT_TRUE(result.summary.at(2).startsWith(u"Der Stand vor der Wiederherstellung liegt in "_s));
    EXPECT_EQ(read(bkp(2, u"zama.kvd"_s)), "ma1=\r\nma2=\r\n");
    EXPECT_TRUE(QDir(data()).entryList({ u".~*"_s }, QDir::Files | QDir::Hidden).isEmpty());
}

TEST_P(RestoreWriteFailure, OfTheStateBeforeRestoresNothing)
{
    RestoreResult result;
    {
        const FileStore::FailureInjection full(GetParam(), 3, bkp(2));
        result = Wiederherstellen(*ring, u"terminbkp1"_s);
    }

    EXPECT_FALSE(result.ran);
    ASSERT_FALSE(result.summary.isEmpty());
    EXPECT_EQ(result.summary.first(),
        u"Der heutige Stand konnte nicht in terminbkp2 gesichert werden, es wurde nichts wiederhergestellt !"_s);
    // Only the ring's own bookkeeping moved on.
    QMap<QString, QByteArray> now = snapshot();
    now.remove(u"zbackup.kvd"_s);
    todaysState.remove(u"zbackup.kvd"_s);
    EXPECT_EQ(now, todaysState);
    EXPECT_FALSE(exists(data(u"~zbackup.kvd"_s)));
}

INSTANTIATE_TEST_SUITE_P(Injected, RestoreWriteFailure,
    ::testing::Values(Point::AfterBytes, Point::AtFlush, Point::AtRename), [](const auto& info) {
        switch (info.param) {
        case Point::AfterBytes:
            return std::string("AfterBytes");
        case Point::AtFlush:
            return std::string("AtFlush");
        default:
            return std::string("AtRename");
        }
    });

TEST(RestorableFiles, AreTheDataFilesAndTheSubtreeWithoutSettingsTemporariesOrLinks)
{
    TempFolder folder;
    for (const char* name : { "zama.kvd", "zbackup.kvd", "~zbackup.kvd", ".~zama.kvd-x1", "bkp_log.txt",
             "notiz.txt", "auswtg/202403/az2023034711.kvd", "auswtg/202403/.~az.kvd-x2",
             "auswtg/.versteckt/a.kvd", "auswtg/202403/liesmich.txt" })
        folder.write(QString::fromUtf8(name), "x");
    QFile::link(folder.path(u"zama.kvd"_s), folder.path(u"verweis.kvd"_s));

    EXPECT_EQ(RestorableFiles(folder.path() + u'/'),
        (QStringList {
            u"auswtg/202403/az2023034711.kvd"_s, u"auswtg/202403/liesmich.txt"_s, u"zama.kvd"_s }));
}

TEST(RingFolders, ListsExistingFoldersNewestFirstWithTheirMarkAndThoseWithoutLogLast)
{
    TempFolder folder;
    folder.write(u"terminbkp1/bkp_log.txt"_s, kBom + " 2024.03.01 - 10:00 - a\r\n");
    folder.write(u"terminbkp3/bkp_log.txt"_s,
        kBom + " 2024.03.04 - 09:00 - b\r\nvor Wiederherstellung aus terminbkp1\r\n");
    folder.write(u"terminbkp2/zama.kvd"_s, "x");
    folder.write(u"terminbkp9/bkp_log.txt"_s, kBom + " 2025.01.01 - 00:00 - c\r\n");

    const QList<RingFolder> folders = RingFolders(folder.path() + u'/');
    ASSERT_EQ(folders.size(), 3);
    EXPECT_EQ(folders[0].index, 3);
    EXPECT_EQ(folders[0].description, u" 04.03.2024 - 09:00 - b - vor Wiederherstellung aus terminbkp1"_s);
    EXPECT_EQ(folders[1].index, 1);
    EXPECT_EQ(folders[1].description, u" 01.03.2024 - 10:00 - a"_s);
    EXPECT_EQ(folders[2].index, 2);
    EXPECT_EQ(folders[2].description, u" terminbkp2 - ohne Protokoll"_s);
}

} // namespace
