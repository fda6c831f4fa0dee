#include "tests/korav_core/zip_reader.h"

#include <QFile>
#include <QProcess>
#include <minizip/unzip.h>

QStringList ZipContent::names() const
{
    QStringList result;
    for (const ZipEntry& entry : entries)
        result.append(entry.name);
    return result;
}

namespace {

ZipEntry ReadCurrent(unzFile zip)
{
    ZipEntry entry;
    unz_file_info64 info {};
    char name[512] = {};
    unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
    entry.name = QString::fromUtf8(name);
    entry.method = int(info.compression_method);
    const tm_unz& t = info.tmu_date;
    entry.dosTime = QDateTime(QDate(int(t.tm_year), int(t.tm_mon) + 1, int(t.tm_mday)),
        QTime(int(t.tm_hour), int(t.tm_min), int(t.tm_sec)));
    entry.externalAttributes = info.external_fa;
    entry.versionMadeBy = info.version;
    entry.uncompressedSize = info.uncompressed_size;
    entry.hasExtraOrComment = info.size_file_extra != 0 || info.size_file_comment != 0;
    if (unzOpenCurrentFile(zip) == UNZ_OK) {
        char buffer[4096];
        int got = 0;
        while ((got = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
            entry.data.append(buffer, got);
        if (unzCloseCurrentFile(zip) != UNZ_OK)
            entry.data = "CRC ERROR";
    }
    return entry;
}

} // namespace

ZipContent ReadZip(const QString& path)
{
    ZipContent content;
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip)
        return content;
    content.opened = true;
    unz_global_info64 global {};
    unzGetGlobalInfo64(zip, &global);
    content.hasComment = global.size_comment != 0;
    for (int more = unzGoToFirstFile(zip); more == UNZ_OK; more = unzGoToNextFile(zip))
        content.entries.append(ReadCurrent(zip));
    unzClose(zip);
    return content;
}

int RunUnzip(const QStringList& arguments, QString* output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("unzip"), arguments);
    process.waitForFinished(30000);
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
