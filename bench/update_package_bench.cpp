// Packs an update package of 50 MB (a program that deflate can shrink to
// about half, its configuration and the installer) and prints the time
// beside `zip -6` packing the same files.
#include "common/stream_messenger.h"
#include "korav/core/data_folder.h"
#include "korav/core/update_package.h"
#include "korav/core/zip_obj.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kProgramBytes = 50 * 1024 * 1024;
constexpr int kRuns = 3;

// Runs of repeated and of random bytes, as in a compiled program.
QByteArray ProgramBytes()
{
    QByteArray bytes;
    bytes.reserve(kProgramBytes);
    QRandomGenerator generator(7);
    while (bytes.size() < kProgramBytes) {
        const int length = int(generator.bounded(16, 256));
        if (generator.bounded(2) == 0)
            bytes.append(length, char(generator.bounded(256)));
        else
            for (int i = 0; i < length; ++i)
                bytes.append(char(generator.bounded(256)));
    }
    bytes.truncate(kProgramBytes);
    return bytes;
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
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
    const DataFolder data(tmp.path());
    Write(data.path(u"pelin.cfg"), QByteArray(2048, 'c'));
    Write(data.path(KoravFile::PelinProgram()), ProgramBytes());
    Write(data.path(KoravFile::PelinInstaller()), QByteArray(4096, 's'));
    StreamMessenger messenger(stderr);
    const QStringList files = UpdatePackage::FilesToPack(data, messenger).value_or(QStringList());

    const double packing = MedianMs([&] {
        TZipObj zip;
        UpdatePackage::Pack(data, files, zip);
    });
    const QString reference = tmp.filePath(u"zip6.zip"_s);
    const double zip6 = MedianMs([&] {
        QFile::remove(reference);
        QProcess::execute(u"zip"_s, QStringList { u"-6"_s, u"-q"_s, u"-j"_s, reference } + files);
    });
    std::printf(
        "update package (50 MB): %.1f ms\nzip -6 (same files):    %.1f ms\nratio:                  %.2f\n",
        packing, zip6, packing / zip6);
    return 0;
}
