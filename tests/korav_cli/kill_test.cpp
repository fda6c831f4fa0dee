#include "tests/korav_cli/cli_fixture.h"
#include "tests/support/byte_order_mark.h"
#include "tests/support/record_audit.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <random>

using namespace Qt::StringLiterals;

// The real program killed at random moments of a collection or a backup
// (a fixed seed, so that a failure can be repeated): afterwards every file
// it writes is whole, either as it was before or as the finished run leaves
// it, and every month file still parses.
namespace {

constexpr int kRuns = 15;
constexpr int kMonthFiles = 40;

using Snapshot = QMap<QString, QByteArray>;

class KilledProgram : public CliFixture {
protected:
    void SetUp() override
    {
        for (int i = 0; i < kMonthFiles; ++i)
            root.write(u"zeit/az20230347%1.kvd"_s.arg(i, 2, 10, QChar(u'0')), MonthOfRecords(i));
    }

    // Many records, so that a copy takes long enough to be cut.
    static QByteArray MonthOfRecords(int employee)
    {
        QByteArray text;
        for (int line = 0; line < 2000; ++line)
            text += "az2023031547" + QByteArray::number(employee).rightJustified(2, '0') + "_"
                + QByteArray::number(line) + "=2023031508001600----------------Messe\r\n";
        return text;
    }

    QProcess* start(const QStringList& words)
    {
        auto* process = new QProcess;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"QT_QPA_PLATFORM"_s);
        environment.remove(u"DISPLAY"_s);
        environment.insert(u"KORAV_PASSWORD"_s, kSystemPassword);
        environment.insert(u"HOME"_s, root.path());
        process->setProcessEnvironment(environment);
        process->start(QString::fromUtf8(KORAV_PROGRAM), words + QStringList { u"--data"_s, dataFolder() });
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }

    // How long a whole run takes, so that the kills fall inside it.
    qint64 runWhole(const QStringList& words)
    {
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<QProcess> process(start(words));
        EXPECT_TRUE(process->waitForFinished(60000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
        return timer.elapsed();
    }

    void killAfter(const QStringList& words, int milliseconds)
    {
        std::unique_ptr<QProcess> process(start(words));
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        process->kill();
        process->waitForFinished(60000);
    }

    // Every file below the data folder, by its path relative to it; the
    // temporary files of a cut write are left out: they are never read.
    Snapshot snapshot() const
    {
        Snapshot files;
        QDirIterator it(dataFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!it.fileName().startsWith(u".~"_s))
                files.insert(
                    QDir(dataFolder()).relativeFilePath(path), root.read(path.mid(root.path().size() + 1)));
        }
        return files;
    }

    void restore(const Snapshot& files) const
    {
        QDir(dataFolder()).removeRecursively();
        for (auto it = files.begin(); it != files.end(); ++it)
            root.write(u"daten/"_s + it.key(), it.value());
    }

    // Each file now is as it was before or as the whole run left it; a
    // month file that is neither must at least not have lost a record.
    static void expectOldOrNew(const Snapshot& now, const Snapshot& before, const Snapshot& after, int run)
    {
        for (auto it = now.begin(); it != now.end(); ++it) {
            const bool whole
                = it.value() == before.value(it.key(), "\x01") || it.value() == after.value(it.key());
            EXPECT_TRUE(whole) << "run " << run << ": " << it.key().toStdString();
        }
    }
};

TEST_F(KilledProgram, CollectionLeavesEveryFileOldOrNew)
{
    const Snapshot before = snapshot();
    const qint64 whole = runWhole({ u"collect"_s });
    const Snapshot after = snapshot();
    ASSERT_EQ(std::count_if(after.keyBegin(), after.keyEnd(),
                  [](const QString& name) { return name.startsWith(u"auswtg/"_s); }),
        kMonthFiles);
    std::mt19937 random(16);
    for (int run = 0; run < kRuns; ++run) {
        restore(before);
        killAfter({ u"collect"_s }, std::uniform_int_distribution<int>(0, int(whole))(random));
        const Snapshot now = snapshot();
        // The collection time shown in "korav_cfg.kvd" follows the clock.
        Snapshot comparable = now;
        if (comparable.value(u"korav_cfg.kvd"_s).contains("azstand=zuletzt am "))
            comparable.remove(u"korav_cfg.kvd"_s);
        expectOldOrNew(comparable, before, after, run);
        for (auto it = now.begin(); it != now.end(); ++it) {
            if (it.key().startsWith(u"auswtg/"_s)) {
                EXPECT_TRUE(ReadMonthRecords(dataPath(it.key()))) << it.key().toStdString();
            }
        }
    }
}

TEST_F(KilledProgram, BackupLeavesEveryFileOldOrNew)
{
    ASSERT_EQ(run({ u"collect"_s }), 0);
    const Snapshot before = snapshot();
    const qint64 whole = runWhole({ u"backup"_s, u"--now"_s });
    const Snapshot after = snapshot();
    ASSERT_TRUE(after.contains(u"terminbkp1/auswtg/202303/az2023034700.kvd"_s));
    std::mt19937 random(16);
    for (int run = 0; run < kRuns; ++run) {
        restore(before);
        killAfter({ u"backup"_s, u"--now"_s }, std::uniform_int_distribution<int>(0, int(whole))(random));
        Snapshot now = snapshot();
        // The log and the settings carry the time of the run; whole, they
        // are one line and a settings file.
        const QByteArray log = now.take(u"terminbkp1/bkp_log.txt"_s);
        EXPECT_TRUE(log.isEmpty() ? !QFileInfo::exists(dataPath(u"terminbkp1/bkp_log.txt"_s))
                                  : log.startsWith(kBom) && log.endsWith("\r\n") && log.count('\n') == 1)
            << "run " << run;
        const QByteArray settings = now.take(u"zbackup.kvd"_s);
        EXPECT_TRUE(settings.isEmpty() ? !QFileInfo::exists(dataPath(u"zbackup.kvd"_s))
                                       : settings.contains("lastbackup="))
            << "run " << run;
        // The lock of the killed run stays until the administrator lifts it.
        EXPECT_EQ(now.take(u"~zbackup.kvd"_s), QByteArray());
        expectOldOrNew(now, before, after, run);
    }
}

} // namespace
