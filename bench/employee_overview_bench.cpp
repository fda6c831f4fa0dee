// The year overview of "00-Alle" on a generated data folder of 100
// employees with 12 collected months each, beside the time of reading the
// same files once.

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/stream_messenger.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/core/korav_month_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int kEmployees = 100;
constexpr int kYear = 2023;

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

QString MonthFileText(int employee, int month)
{
    QString text;
    const QString key = u"%1%2"_s.arg(kYear).arg(month, 2, 10, QChar(u'0'));
    for (int day = 1; day <= 28; ++day) {
        const QString date = key + u"%1"_s.arg(day, 2, 10, QChar(u'0'));
        text += u"az"_s + date + Number(employee) + u'=' + date + u"07451632Bemerkung\r\n"_s;
        text += u"pz"_s + date + Number(employee) + u'=' + date + u"00030S1####"_s + date + u"00400P100####"_s
            + date + u"00315P200####\r\n"_s;
    }
    return text;
}

QString Generate(const QString& root)
{
    QString master;
    StringList dama;
    for (int e = 0; e < kEmployees; ++e) {
        master += u"K%1=Mitarbeiter %1#%2#x#80#\r\n"_s.arg(e).arg(Number(e));
        QString msz = u"msz"_s + Number(e) + u"=10800"_s + u"12202216000"_s;
        for (int m = 1; m <= 12; ++m)
            msz += u"%1%2"_s.arg(m, 2, 10, QChar(u'0')).arg(kYear) + u"16000"_s;
        dama.append(msz);
        for (int m = 1; m <= 12; ++m)
            Write(KoravMonthFile::CollectionFolder(root, kYear, m)
                    + KoravMonthFile::PelinFileName(kYear, m, Number(e)),
                MonthFileText(e, m));
    }
    Write(root + u"zamasta.kvd"_s, master);
    Write(root + u"dprojekte.kvd"_s, u"P100=Messebau\r\nP200=Planung\r\nS1=Pause\r\n"_s);
    StreamMessenger messenger(stderr);
    DataFileCodec codec(CodecProgram::Korav, messenger, [](int) {});
    codec.SaveDataFile(root + u"dama.kvd"_s, dama);
    return master;
}

qint64 ReadAllOnce(const QString& root)
{
    QElapsedTimer timer;
    timer.start();
    qint64 bytes = 0;
    QDirIterator files(root, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly))
            bytes += file.readAll().size();
    }
    std::printf("read once:        %6lld ms (%lld bytes)\n", timer.elapsed(), bytes);
    return timer.elapsed();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    Generate(root);
    ReadAllOnce(root);

    StreamMessenger messenger(stderr);
    DataFileCodec codec(CodecProgram::Korav, messenger, [](int) {});
    const QDate today(kYear + 1, 1, 15);
    const FixedClock clock(today);
    const EmployeeDirectory directory
        = ReadEmployeeDirectory(KoravMonthFile::LoadLines(root + u"zamasta.kvd"_s));
    QElapsedTimer timer;
    timer.start();
    const EmployeeOverviewReport report
        = RunEmployeeOverview({ root, directory, clock, today, codec, messenger, {} },
            { PeriodMode::Year, EmployeeOverviewEntries(directory), kAllEmployees.toString(), QString(),
                QString::number(kYear) });
    std::printf("year overview:    %6lld ms (%lld lines)\n", timer.elapsed(), qint64(report.lines.size()));
    return 0;
}
