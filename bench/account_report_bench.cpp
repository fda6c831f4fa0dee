// The account report of "00-Alle" on a generated data folder of 1000
// employees with 24 collected months each (the report's year and the year
// before, whose closing balance opens it), beside the time of reading the
// same files once.

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/stream_messenger.h"
#include "korav/reports/core/account_report.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/core/korav_month_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

constexpr int kEmployees = 1000;
constexpr int kYear = 2023;
constexpr int kRuns = 5;
// Per employee: head, blank, opening, 12 months, blank, total, blank,
// four holiday lines, blank, separator, blank; before them the first
// separator and a blank.
constexpr qsizetype kExpectedLines = 2 + kEmployees * 25;

void Write(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}

QString Number(int employee)
{
    return u"%1"_s.arg(1000 + employee);
}

QString MonthFileText(int employee, int year, int month)
{
    QString text;
    const QString key = u"%1%2"_s.arg(year).arg(month, 2, 10, QChar(u'0'));
    for (int day = 1; day <= 28; ++day) {
        const QString date = key + u"%1"_s.arg(day, 2, 10, QChar(u'0'));
        text += u"az"_s + date + Number(employee) + u'=' + date + u"07451632Bemerkung\r\n"_s;
        const QString holiday = day == 2 ? date + u"00800U1####"_s : QString();
        text += u"pz"_s + date + Number(employee) + u'=' + date + u"00030S1####"_s + date + u"00400P100####"_s
            + date + u"00315P200####"_s + holiday + u"\r\n"_s;
    }
    return text;
}

// Writes the data folder; gives every file the report reads.
QStringList Generate(const QString& root)
{
    QString master;
    StringList dama;
    StringList settings;
    QStringList read { root + u"dprojekte.kvd"_s, root + u"dama.kvd"_s, root + u"zamasta.kvd"_s,
        root + u"zkonto.kvd"_s, root + u"zconfig.kvd"_s };
    for (int e = 0; e < kEmployees; ++e) {
        master += u"K%1=Mitarbeiter %1#%2#x#80#\r\n"_s.arg(e).arg(Number(e));
        QString msz = u"msz"_s + Number(e) + u"=10800"_s + u"12202216000"_s;
        for (int m = 1; m <= 12; ++m)
            msz += u"%1%2"_s.arg(m, 2, 10, QChar(u'0')).arg(kYear) + u"16000"_s;
        dama.append(msz);
        settings.append(u"%1K%2=5:00#30#2#"_s.arg(kYear - 1).arg(e));
        settings.append(u"%1K%2=#30##"_s.arg(kYear).arg(e));
        for (int year = kYear - 1; year <= kYear; ++year) {
            for (int m = 1; m <= 12; ++m) {
                read << KoravMonthFile::CollectionFolder(root, year, m)
                        + KoravMonthFile::PelinFileName(year, m, Number(e));
                Write(read.last(), MonthFileText(e, year, m));
            }
        }
    }
    Write(root + u"zamasta.kvd"_s, master);
    Write(root + u"dprojekte.kvd"_s, u"P100=Messebau\r\nP200=Planung\r\nS1=Pause\r\nU1=Urlaub\r\n"_s);
    Write(root + u"zconfig.kvd"_s, u"landcode=0\r\nfeiertag=010010\r\n"_s);
    StreamMessenger messenger(stderr);
    DataFileCodec codec(CodecProgram::Korav, messenger, [](int) {});
    codec.SaveDataFile(root + u"dama.kvd"_s, dama);
    codec.SaveDataFile(root + u"zkonto.kvd"_s, settings);
    return read;
}

// Wall time and the processor time of the process, user and system; on a
// loaded machine the second shows the work better than the first.
struct Times {
    double wallMs = 1e9;
    double cpuMs = 1e9;

    void keepBest(const Times& other)
    {
        wallMs = std::min(wallMs, other.wallMs);
        cpuMs = std::min(cpuMs, other.cpuMs);
    }
};

template <typename Work> Times Measure(Work work)
{
    QElapsedTimer timer;
    const std::clock_t cpuStart = std::clock();
    timer.start();
    work();
    return { double(timer.nsecsElapsed()) / 1e6, double(std::clock() - cpuStart) * 1000 / CLOCKS_PER_SEC };
}

// The anchor: every file the report reads, each opened and read whole once,
// as cat would.
void ReadOnce(const QStringList& paths)
{
    qint64 bytes = 0;
    for (const QString& path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes += file.readAll().size();
    }
    if (bytes == 0)
        std::fprintf(stderr, "no data read\n");
}

void Report(const QString& root, const QStringList& entries)
{
    StreamMessenger messenger(stderr);
    DataFileCodec codec(CodecProgram::Korav, messenger, [](int) {});
    const QDate today(kYear + 1, 1, 15);
    const FixedClock clock(today);
    const AccountReport report = RunAccountReport({ root, clock, today, codec, messenger, {} },
        { entries, kAllEmployees.toString(), QString::number(kYear) });
    if (report.lines.size() != kExpectedLines)
        std::fprintf(stderr, "unexpected report of %lld lines\n", qint64(report.lines.size()));
}

} // namespace

// Both are run in turns, after the files were written, and the best of each
// is taken: on a shared machine the fastest run is the one least disturbed.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    const QStringList files = Generate(root);
    const QStringList entries = EmployeeOverviewEntries(LoadEmployeeDirectory(root));
    Times report;
    Times readOnce;
    for (int run = 0; run < kRuns; ++run) {
        readOnce.keepBest(Measure([&] { ReadOnce(files); }));
        report.keepBest(Measure([&] { Report(root, entries); }));
    }
    std::printf("account report of %d employees x 24 months %.1f ms (processor %.1f ms); reading the same "
                "%lld files once %.1f ms (processor %.1f ms); ratio %.2f (processor %.2f); best of %d\n",
        kEmployees, report.wallMs, report.cpuMs, qint64(files.size()), readOnce.wallMs, readOnce.cpuMs,
        report.wallMs / readOnce.wallMs, report.cpuMs / readOnce.cpuMs, kRuns);
    return 0;
}
