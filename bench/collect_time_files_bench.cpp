// Collects a time folder of 10,000 month files that are all unchanged since
// the first collection, and prints its time beside rsync's dry run over the
// same folder (the cost of looking at every file without copying).
#include "common/stream_messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/time_file_collection.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFiles = 10000;
constexpr int kRuns = 5;

void FillTimeFolder(const QString& folder)
{
    QDir().mkpath(folder);
    const QByteArray content(2048, 'x');
    for (int i = 0; i < kFiles; ++i) {
        const int month = 1 + i % 12;
        const QString name
            = u"az20%1%2P%3.kvd"_s.arg(10 + i % 14).arg(month, 2, 10, QChar(u'0')).arg(i, 5, 10, QChar(u'0'));
        QFile file(folder + u'/' + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }
}

template <typename Step> double MedianMs(Step step)
{
    QList<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(kRuns / 2);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString timeFolder = tmp.filePath(u"zeit"_s);
    FillTimeFolder(timeFolder);
    QDir().mkpath(tmp.filePath(u"daten"_s));
    StreamMessenger messenger(stderr);
    BaseDataStore store(messenger);
    store.setFolder(DataFolder(tmp.filePath(u"daten"_s)));
    const TimeFileCollection collection(store, timeFolder);
    collection.CollectTimeFiles(true, QDateTime::currentDateTime());

    const double collect = MedianMs([&] {
        const auto result = collection.CollectTimeFiles(true, QDateTime::currentDateTime());
        if (!result || result->updated != 0)
            std::fprintf(stderr, "unexpected collection result\n");
    });
    // rsync compares against a copy it made itself, as the collection
    // compares against the stamps of its first run.
    const QString mirror = tmp.filePath(u"mirror/"_s);
    QProcess::execute(u"rsync"_s, { u"-a"_s, timeFolder + u'/', mirror });
    const double rsync = MedianMs([&] {
        QProcess::execute(u"rsync"_s, { u"-a"_s, u"--dry-run"_s, timeFolder + u'/', mirror });
    });
    std::printf("second collection of %d unchanged files: %.1f ms\n", kFiles, collect);
    std::printf("rsync -a --dry-run of the same folder:   %.1f ms\n", rsync);
    std::printf("ratio: %.2f\n", collect / rsync);
    return 0;
}
