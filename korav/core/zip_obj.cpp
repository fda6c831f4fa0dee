#include "korav/core/zip_obj.h"

#include "korav/core/zip_common_folder.h"
#include "korav/core/zip_entry_info.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <minizip/zip.h>
#include <zlib.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kBlockSize = 8192;

int Percent(quint64 part, quint64 whole)
{
    if (whole == 0)
        return 100;
    return int(double(part) * 100.0 / double(whole));
}

// One run of CreateArchive: the open archive, the counters and the hooks.
class ArchiveWriter {
public:
    ArchiveWriter(const TZipObj& zip, const QString& archive, quint64 total)
        : zip_(zip), archive_(archive), total_(total)
    {
    }

    int run(const QStringList& files, const QString& commonFolder, int level)
    {
        report(kZipOpeningArchive, { archive_ });
        handle_ = zipOpen64(QFile::encodeName(archive_).constData(), APPEND_STATUS_CREATE);
        if (!handle_)
            return fail(kZipOpenArchiveFailed, { archive_ });
        for (const QString& file : files) {
            if (const int code = addFile(file, EntryName(file, commonFolder), level))
                return code;
        }
        const int closed = zipClose(handle_, nullptr);
        handle_ = nullptr;
        if (closed != ZIP_OK) {
            const int code = fail(kZipCloseArchiveFailed, { archive_ });
            archiveProgress(0);
            return code;
        }
        archiveProgress(100);
        report(kZipDone, { archive_ });
        return kZipOk;
    }

private:
    int addFile(const QString& path, const QString& name, int level)
    {
        report(kZipAddingFile, { name, archive_ });
        const QFileInfo info(path);
        const ZipEntryInfo entry = ZipEntryInfoOf(info);
        const QByteArray encodedName = QFile::encodeName(name);
        if (zipOpenNewFileInZip4_64(handle_, encodedName.constData(), &entry.info, nullptr, 0, nullptr, 0,
                nullptr, level == 0 ? 0 : Z_DEFLATED, level, 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY,
                nullptr, 0, entry.versionMadeBy, 0, entry.zip64)
            != ZIP_OK)
            return fail(kZipOpenEntryFailed, { name });
        QFile source(path);
        if (!source.open(QIODevice::ReadOnly))
            return fail(kZipOpenSourceFailed, { name });
        const quint64 size = quint64(source.size());
        fileProgress(0);
        if (const int code = copyBlocks(source, size, name))
            return code;
        fileProgress(100);
        source.close();
        if (zipCloseFileInZip(handle_) != ZIP_OK)
            return fail(kZipCloseEntryFailed, { name });
        return kZipOk;
    }

    int copyBlocks(QFile& source, quint64 size, const QString& name)
    {
        char buffer[kBlockSize];
        quint64 done = 0;
        for (;;) {
            const qint64 got = source.read(buffer, kBlockSize);
            if (got < 0 || (got < kBlockSize && done + quint64(got) < size))
                return fail(kZipReadFailed, { name });
            if (got == 0)
                return kZipOk;
            if (zipWriteInFileInZip(handle_, buffer, unsigned(got)) != ZIP_OK)
                return fail(kZipWriteFailed, { name });
            done += quint64(got);
            packed_ += quint64(got);
            fileProgress(std::min(Percent(done, size), 100));
            archiveProgress(std::min(Percent(packed_, total_), 100));
        }
    }

    // A half-written archive is of no use to anyone: it is closed and removed.
    int fail(int code, const QStringList& args)
    {
        report(code, args);
        if (handle_) {
            zipClose(handle_, nullptr);
            handle_ = nullptr;
        }
        if (QFileInfo(archive_).isFile())
            QFile::remove(archive_);
        return code;
    }

    void report(int code, const QStringList& args) const
    {
        if (zip_.OnZipMessage)
            zip_.OnZipMessage(zip_.messageText(code, args), code >= kZipAddingFile ? 0 : code);
    }

    void fileProgress(int percent) const
    {
        if (zip_.OnFileProgress)
            zip_.OnFileProgress(percent);
    }

    void archiveProgress(int percent) const
    {
        if (zip_.OnArchiveProgress)
            zip_.OnArchiveProgress(percent);
    }

    const TZipObj& zip_;
    QString archive_;
    quint64 total_;
    quint64 packed_ = 0;
    zipFile handle_ = nullptr;
};

bool SamePath(const QString& a, const QString& b)
{
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath())
        == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

} // namespace

TZipObj::TZipObj()
{
    messages_ = {
        { kZipOpenArchiveFailed, u"Fehler bei Öffnen von Zieldatei %s!"_s },
        { kZipOpenEntryFailed, u"Fehler bei Öffnen von %s in zip-Datei!"_s },
        { kZipOpenSourceFailed, u"Fehler bei Öffnen von %s für Lesen!"_s },
        { kZipReadFailed, u"Fehler bei Lesen von %s!"_s },
        { kZipWriteFailed, u"Fehler bei Schreiben von %s in zip-Datei!"_s },
        { kZipCloseEntryFailed, u"Fehler bei Schließen von %s in zip-Datei!"_s },
        { kZipCloseArchiveFailed, u"Fehler bei Schließen von Zieldatei %s!"_s },
        { kZipAddingFile, u"Addiere Datei %s zu %s ..."_s },
        { kZipOpeningArchive, u"Öffne Zieldatei %s ..."_s },
        { kZipDone, u"ZIP-Datei wurde erfolgreich erstellt - %s"_s },
    };
}

QString TZipObj::messageText(int code, const QStringList& args) const
{
    const QString format = messages_.value(code);
    QString text;
    qsizetype from = 0;
    for (const QString& arg : args) {
        const qsizetype at = format.indexOf(u"%s", from);
        if (at < 0)
            break;
        text += QStringView(format).sliced(from, at - from) + arg;
        from = at + 2;
    }
    return text + QStringView(format).sliced(from);
}

int TZipObj::CreateArchive(QStringList& files, const QString& archive, int level)
{
    if (files.isEmpty())
        return kZipOk;
    files.removeIf([](const QString& file) { return !QFileInfo(file).isFile(); });
    const QString commonFolder = CommonFolder(files);
    files.removeIf([&](const QString& file) { return SamePath(file, archive); });
    quint64 total = 0;
    if (OnArchiveProgress) {
        for (const QString& file : files)
            total += quint64(QFileInfo(file).size());
    }
    return ArchiveWriter(*this, archive, total).run(files, commonFolder, std::clamp(level, 0, 9));
}
