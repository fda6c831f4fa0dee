#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/file_store.h"
#include "common/file_store_failure.h"
#include "korav/core/backup_ring.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/folder_relocation.h"
#include "korav/core/pelin_base_builder.h"
#include "korav/core/pelin_provision.h"
#include "korav/core/target_records_file.h"
#include "korav/core/time_file_collection.h"
#include "pelin/core/login_session.h"
#include "pelin/core/pelin_config.h"
#include "tests/end_to_end/provided_firm.h"
#include "tests/support/qt_printers.h"
#include "tests/support/record_audit.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

// Every fault of the disk and of hostile content, played against real
// folders: a firm whose employee saved a day, which was collected and backed
// up. After each fault, no record entered before it may be missing or
// changed in any copy of the month, and the fault must have been reported.
namespace {

using Point = FileStore::FailureInjection::Point;

const QDate kToday = ProvidedFirm::kToday;
const QDateTime kNow = ProvidedFirm::kNow;
const QString kMonthFile = u"az2023034711.kvd"_s;
const QString kPreviousMonthFile = u"az2023024711.kvd"_s;

void SetTime(const QString& path, const QDateTime& time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

class FaultMatrix;

struct FaultCase {
    std::string name;
    std::function<void(FaultMatrix&)> run;
};

class FaultMatrix : public ::testing::TestWithParam<FaultCase>, public ProvidedFirm {
public:
    void SetUp() override
    {
        provide();
        enterDay(14, u"Messe"_s);
        ASSERT_TRUE(pelin->saveAndUpload());
        ASSERT_EQ(collect().updated, 2);
        ASSERT_TRUE(backup().ran);
        const std::optional<MonthRecords> saved = ReadMonthRecords(local());
        ASSERT_TRUE(saved && saved->size() >= 2);
        before = *saved;
        ASSERT_TRUE(koravMessenger.all.isEmpty()) << koravMessenger.all.join(u'|').toStdString();
        ASSERT_TRUE(pelinMessenger.all.isEmpty()) << pelinMessenger.all.join(u'|').toStdString();
    }

    // Logs in (once) and enters a day of the current month.
    void enterDay(int day, const QString& remark)
    {
        if (!pelin) {
            pelin = startPelin();
            ASSERT_TRUE(pelin->login(u"sommer"_s, {}).loggedIn)
                << pelinMessenger.all.join(u'|').toStdString();
        }
        LoginState& state = pelin->state();
        state.currentMonth.storeDay(day, { {}, u"08"_s, u"00"_s, u"16"_s, u"30"_s, remark },
            { { u"20230315"_s, u"00800"_s, u"P100"_s } }, kToday);
        state.changes.dataChanged();
    }

    TimeFileCollection::Result collect()
    {
        return TimeFileCollection(store, connection.fields().timeFolder)
            .CollectTimeFiles(true, kNow)
            .value_or(TimeFileCollection::Result {});
    }

    BackupOutcome backup()
    {
        BackupRing ring(root.path(u"daten"_s), koravMessenger, clock);
        ring.loadChoices();
        return ring.BackupAusfuehren();
    }

    QString local(const QString& name = kMonthFile) const { return root.path(u"docs/pelin/"_s + name); }
    QString central(const QString& name = kMonthFile) const { return root.path(u"zeit/"_s + name); }
    QString collected(const QString& name = kMonthFile) const
    {
        return root.path(u"daten/auswtg/202303/"_s + name);
    }

    // Every copy of the month: local, central, collected and in each backup.
    QStringList monthCopies() const
    {
        QStringList copies { local(), central(), collected() };
        // A backup copy that could not be made has been reported; one that
        // was made must be whole.
        QDirIterator it(root.path(u"daten"_s), { u"terminbkp*"_s }, QDir::Dirs);
        while (it.hasNext()) {
            const QString copy = it.next() + u"/auswtg/202303/"_s + kMonthFile;
            if (QFileInfo::exists(copy))
                copies.append(copy);
        }
        return copies;
    }

    std::unique_ptr<LoginSession> pelin;
    MonthRecords before;
};

std::string PointName(Point point)
{
    switch (point) {
    case Point::AfterBytes:
        return "AfterBytes";
    case Point::AtFlush:
        return "AtFlush";
    case Point::AtRename:
        break;
    }
    return "AtRename";
}

// PELIN's save with the LAN time folder or the personal folder full.
void PelinSaveOntoFullFolder(FaultMatrix& m, Point point, const QString& folder)
{
    m.enterDay(15, u"Kunde"_s);
    {
        const FileStore::FailureInjection full(point, 10, m.root.path(folder));
        EXPECT_FALSE(m.pelin->saveAndUpload());
        EXPECT_GT(full.failures(), 0);
    }
    EXPECT_FALSE(m.pelinMessenger.messages.isEmpty());
}

void BuildOntoFullDisk(FaultMatrix& m, Point point)
{
    const QByteArray employees = m.root.read(u"daten/dama.kvd"_s);
    m.root.write(u"daten/zamasta.kvd"_s, Lines({ u"Erika=Erika Winter#4711#sommer#100#"_s }));
    m.stale.employeeFile = true;
    {
        const FileStore::FailureInjection full(point, 10, m.root.path(u"daten/"_s));
        EXPECT_FALSE(m.build());
    }
    EXPECT_EQ(m.root.read(u"daten/dama.kvd"_s), employees);
    EXPECT_FALSE(m.koravMessenger.messages.isEmpty());
}

void CollectOntoFullDisk(FaultMatrix& m, Point point)
{
    m.enterDay(15, u"Kunde"_s);
    ASSERT_TRUE(m.pelin->saveAndUpload());
    {
        const FileStore::FailureInjection full(point, 10, m.root.path(u"daten/auswtg/202303/"_s));
        EXPECT_EQ(m.collect().updated, 1); // the previous month, which is no fuller
    }
    EXPECT_EQ(m.koravMessenger.messages,
        QStringList { u"Datei %1 konnte nicht aktualisiert werden! (Kopierfehler)  "_s.arg(kMonthFile) });
    // Once there is room, the next collection must take the new day.
    EXPECT_EQ(m.collect().updated, 1);
    EXPECT_EQ(m.root.read(u"daten/auswtg/202303/"_s + kMonthFile), m.root.read(u"zeit/"_s + kMonthFile));
}

void BackupOntoFullDisk(FaultMatrix& m, Point point)
{
    BackupOutcome outcome;
    {
        const FileStore::FailureInjection full(point, 10, m.root.path(u"daten/terminbkp2/"_s));
        outcome = m.backup();
    }
    EXPECT_FALSE(outcome.problems.isEmpty());
    const QString ring = m.root.path(u"daten/terminbkp2/"_s);
    QDirIterator it(ring, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString copy = it.next();
        const QString name = QDir(ring).relativeFilePath(copy);
        EXPECT_EQ(m.root.read(u"daten/terminbkp2/"_s + name), m.root.read(u"daten/"_s + name))
            << name.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(ring + u"bkp_log.txt"_s));
}

void RelocateOntoFullDisk(FaultMatrix& m, Point point)
{
    m.koravMessenger.answerNext(kAnswerYes);
    {
        const FileStore::FailureInjection full(point, 10, m.root.path(u"zeit2/"_s));
        RelocateFolder(m.root.path(u"zeit"_s), m.root.path(u"zeit2"_s), RelocationKind::TimeFolder,
            m.store.folder(), m.koravMessenger);
    }
    EXPECT_TRUE(m.koravMessenger.messages.value(0).contains(u"nicht vollständig"_s))
        << m.koravMessenger.all.join(u'|').toStdString();
}

std::vector<FaultCase> DiskCases()
{
    std::vector<FaultCase> cases;
    for (const Point point : { Point::AfterBytes, Point::AtFlush, Point::AtRename }) {
        const std::string at = PointName(point);
        cases.push_back({ "PelinSaveTimeFolderFull" + at,
            [point](FaultMatrix& m) { PelinSaveOntoFullFolder(m, point, u"zeit/"_s); } });
        cases.push_back({ "PelinSavePersonalFolderFull" + at,
            [point](FaultMatrix& m) { PelinSaveOntoFullFolder(m, point, u"docs/pelin/"_s); } });
        cases.push_back(
            { "BuildDataDiskFull" + at, [point](FaultMatrix& m) { BuildOntoFullDisk(m, point); } });
        cases.push_back(
            { "CollectionDiskFull" + at, [point](FaultMatrix& m) { CollectOntoFullDisk(m, point); } });
        cases.push_back({ "BackupDiskFull" + at, [point](FaultMatrix& m) { BackupOntoFullDisk(m, point); } });
        cases.push_back(
            { "RelocationDiskFull" + at, [point](FaultMatrix& m) { RelocateOntoFullDisk(m, point); } });
    }
    return cases;
}

void CollectWhilePelinUploadsInTheSameSecond(FaultMatrix& m)
{
    // A second later than every stamp so far, as the file server's clock.
    const QDateTime second
        = QDateTime::currentDateTime().addSecs(60).addMSecs(-QDateTime::currentDateTime().time().msec());
    m.enterDay(15, u"Kunde"_s);
    ASSERT_TRUE(m.pelin->saveAndUpload());
    SetTime(m.central(), second.addMSecs(200));
    // PELIN saves the previous month too.
    EXPECT_EQ(m.collect().updated, 2);
    m.enterDay(16, u"Werkstatt"_s);
    ASSERT_TRUE(m.pelin->saveAndUpload());
    SetTime(m.central(), second.addMSecs(700));
    EXPECT_EQ(m.collect().updated, 2);
    EXPECT_EQ(m.root.read(u"daten/auswtg/202303/"_s + kMonthFile), m.root.read(u"zeit/"_s + kMonthFile));
}

void BackupLockHeld(FaultMatrix& m)
{
    m.root.write(u"daten/~zbackup.kvd"_s, {});
    BackupRing ring(m.root.path(u"daten"_s), m.koravMessenger, m.clock);
    ring.loadChoices();
    EXPECT_FALSE(ring.StartManBackup().ran);
    EXPECT_EQ(m.koravMessenger.messages, QStringList { u"Datei ist momentan gesperrt ! ( ~zbackup.kvd )"_s });
}

void BackupCopyFailure(FaultMatrix& m)
{
    QDir().mkpath(m.root.path(u"daten/terminbkp2/auswtg/202303/"_s + kMonthFile));
    const BackupOutcome outcome = m.backup();
    EXPECT_EQ(outcome.failed, QStringList { u"auswtg/202303/"_s + kMonthFile });
    EXPECT_FALSE(outcome.problems.isEmpty());
    QDir(m.root.path(u"daten/terminbkp2/auswtg/202303/"_s + kMonthFile)).removeRecursively();
}

void CollectionCopyFailureRetried(FaultMatrix& m)
{
    const QString other = u"az2023034712.kvd"_s;
    m.root.write(u"zeit/"_s + other, Lines({ u"az202303134712=2023031308001600----------------Lager"_s }));
    QDir().mkpath(m.collected(other));
    EXPECT_EQ(m.collect().updated, 0);
    EXPECT_EQ(m.koravMessenger.messages,
        QStringList { u"Datei %1 konnte nicht aktualisiert werden! (Kopierfehler)  "_s.arg(other) });
    QDir(m.collected(other)).removeRecursively();
    EXPECT_EQ(m.collect().updated, 1);
    EXPECT_TRUE(LostRecords(m.collected(other), *ReadMonthRecords(m.central(other))).isEmpty());
}

void HugeMonthFileInTheTimeFolder(FaultMatrix& m)
{
    {
        QFile huge(m.central(kPreviousMonthFile));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_TRUE(huge.resize(FileStore::kMostTextBytes + 1));
    }
    m.pelin.reset();
    m.enterDay(15, u"Kunde"_s);
    EXPECT_TRUE(m.pelinMessenger.messages.value(0).contains(kPreviousMonthFile))
        << m.pelinMessenger.all.join(u'|').toStdString();
    EXPECT_TRUE(m.pelin->saveAndUpload());
    EXPECT_EQ(QFileInfo(m.central(kPreviousMonthFile)).size(), FileStore::kMostTextBytes + 1);
    EXPECT_TRUE(ReadMonthRecords(m.central())->contains(u"az202303154711"_s));
}

void HostileNamesInTheTimeFolder(FaultMatrix& m)
{
    const QByteArray line = Lines({ u"az202303134712=2023031308001600----------------Lager"_s });
    m.root.write(u"zeit/az202303a=b.kvd"_s, line);
    m.root.write(u"zeit/az202303a\nb.kvd"_s, line);
    EXPECT_EQ(m.collect().found, 2);
    EXPECT_TRUE(m.koravMessenger.all.isEmpty()) << m.koravMessenger.all.join(u'|').toStdString();
    const QByteArray stamps = m.root.read(u"daten/landatum.kv2"_s);
    EXPECT_EQ(stamps.count('\n'), 2);
    EXPECT_FALSE(stamps.contains("a=b"));
}

void LinksAndFifosInTheDataFolder(FaultMatrix& m)
{
    ASSERT_TRUE(QFile::link(u".."_s, m.root.path(u"daten/auswtg/202303/oben"_s)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(m.root.path(u"daten/rohr.kvd"_s)).constData(), 0600), 0);
    const BackupOutcome outcome = m.backup();
    EXPECT_TRUE(outcome.ran);
    EXPECT_EQ(
        outcome.problems, QStringList { SkippedEntriesText({ u"rohr.kvd"_s, u"auswtg/202303/oben"_s }) });
    EXPECT_FALSE(QFileInfo::exists(m.root.path(u"daten/~zbackup.kvd"_s)));
}

std::vector<FaultCase> Cases()
{
    std::vector<FaultCase> cases = DiskCases();
    cases.push_back(
        { "CollectionWhilePelinUploadsInTheSameSecond", CollectWhilePelinUploadsInTheSameSecond });
    cases.push_back({ "BackupLockHeld", BackupLockHeld });
    cases.push_back({ "BackupCopyFailure", BackupCopyFailure });
    cases.push_back({ "CollectionCopyFailureRetried", CollectionCopyFailureRetried });
    cases.push_back({ "HugeMonthFileInTheTimeFolder", HugeMonthFileInTheTimeFolder });
    cases.push_back({ "HostileNamesInTheTimeFolder", HostileNamesInTheTimeFolder });
    cases.push_back({ "LinksAndFifosInTheDataFolder", LinksAndFifosInTheDataFolder });
    return cases;
}

} // namespace

TEST_P(FaultMatrix, NoRecordEnteredBeforeTheFaultIsLost)
{
    GetParam().run(*this);
    for (const QString& copy : monthCopies())
        EXPECT_EQ(LostRecords(copy, before), QStringList()) << copy.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultMatrix, ::testing::ValuesIn(Cases()), [](const auto& info) { return info.param.name; });
