#include "korav/core/time_file_collection.h"

#include "common/closed_months.h"
#include "common/file_store.h"
#include "common/fixed_width.h"
#include "common/key_index.h"
#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_state.h"
#include "korav/core/local_time_converter.h"
#include "korav/core/pelin_base_files.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <chrono>
#include <filesystem>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct FoundFile {
    QString name;
    QString line; // "%.175s=%.24s"
};

// Anyone can put a file into the time folder: only names that PELIN itself
// writes are taken, so that a name with a line break or "=" never reaches
// "landatum.kv2", whose lines could not hold it.
bool IsMonthFileName(const QString& name)
{
    static const QRegularExpression pattern(uR"(^az20\d\d(0[1-9]|1[0-2])[^=/\\\x00-\x1f]{1,12}\.kvd$)"_s,
        QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}

// PELIN may upload a file again within the second in which it was
// collected; whole seconds would then show no change and the newer upload
// would never be collected. The milliseconds follow where the file system
// keeps them, and only then, so that whole-second stamps stay as they were
// and still compare in order as text ("_02" < "_02_500" < "_03").
QString Milliseconds(const QDateTime& modified)
{
    const int ms = modified.time().msec();
    return ms == 0 ? QString() : u'_' + FixedWidth::Digits(ms, 3);
}

// Milliseconds since the epoch as the file system keeps them, rounded
// down as Qt rounds them; nothing for an entry that is no regular file.
std::optional<qint64> ModifiedMs(const std::filesystem::directory_entry& entry)
{
    std::error_code error;
    if (!entry.is_regular_file(error))
        return std::nullopt;
    const auto written = std::filesystem::last_write_time(entry.path(), error);
    if (error)
        return std::nullopt;
    const auto since = std::chrono::file_clock::to_sys(written).time_since_epoch();
    return std::chrono::floor<std::chrono::milliseconds>(since).count();
}

// The folder is read without QFileInfo: its times come as local times,
// and each such conversion checks the zone file again.
QList<FoundFile> FindTimeFiles(const QString& folder)
{
    QList<FoundFile> found;
    LocalTimeConverter local;
    std::error_code error;
    std::filesystem::directory_iterator it(QFile::encodeName(folder).toStdString(), error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const QString name = QFile::decodeName(QByteArray::fromStdString(it->path().filename().native()));
        if (!IsMonthFileName(name))
            continue;
        const std::optional<qint64> ms = ModifiedMs(*it);
        if (!ms)
            continue;
        const QDateTime modified = local.toLocal(QDateTime::fromMSecsSinceEpoch(*ms, Qt::UTC));
        const QString line = PelinBaseFiles::CollectionStampLine(name, modified) + Milliseconds(modified);
        found.append({ StringList::KeyOf(line), line });
    }
    return found;
}

QString StatusText(int found, int updated, const QDateTime& now)
{
    if (found == 0)
        return u"%1 - keine Arbeitszeit-Dateien vorhanden"_s.arg(FixedWidth::TimeOfDay(now.time()));
    if (updated == 0)
        return u"%1 - %2 Arbeitszeit-Dateien vorhanden - keine Dateien geändert"_s
            .arg(FixedWidth::TimeOfDay(now.time()))
            .arg(found);
    return u"%1 - %2 Arbeitszeit-Dateien vorhanden - %3 geänderte Dateien aktualisiert"_s
        .arg(FixedWidth::TimeOfDay(now.time()))
        .arg(found)
        .arg(updated);
}

// A late upload changes a month that payroll has already closed: the
// status line says so, so that it is not taken for a routine collection.
QString LateText(const QStringList& late)
{
    if (late.isEmpty())
        return {};
    return u" - davon %1 nach Monatsabschluss: %2"_s.arg(late.size()).arg(late.join(u", "_s));
}

bool OfClosedMonth(const QString& name, const ClosedMonths& closed)
{
    return closed.closes(name.mid(2, 4).toInt(), name.mid(6, 2).toInt());
}

} // namespace

TimeFileCollection::TimeFileCollection(const BaseDataStore& store, QString timeFolder)
    : store_(store), timeFolder_(std::move(timeFolder))
{
}

std::optional<TimeFileCollection::Result> TimeFileCollection::CollectTimeFiles(
    bool copy, const QDateTime& now) const
{
    if (timeFolder_.isEmpty() || !QFileInfo(timeFolder_).isDir()) {
        store_.messenger().show(u"Ordner für PELIN-Zeitdateien ist nicht vorhanden !  "_s);
        return std::nullopt;
    }
    const QList<FoundFile> found = FindTimeFiles(timeFolder_);
    const KeyIndex previous(store_.load(KoravFile::kCollectionStamps));
    const ClosedMonths closed = ClosedMonths::FromLines(store_.load(ClosedMonthsFile::kRecord));
    Result result;
    result.found = int(found.size());
    StringList stamps;
    for (const FoundFile& file : found) {
        const std::optional<QString> old = previous.value(file.name);
        const bool changed = !old || StringList::ValueOf(file.line) > *old;
        if (changed && copy && !CollectTimeFile(file.name)) {
            result.failed.append(file.name);
            if (old)
                stamps.append(file.name + u'=' + *old);
            continue;
        }
        if (changed && copy)
            ++result.updated;
        if (changed && copy && OfClosedMonth(file.name, closed))
            result.late.append(file.name);
        stamps.append(file.line);
    }
    if (!copy)
        return result;
    if (!store_.save(KoravFile::kCollectionStamps, stamps))
        result.failed.append(QString::fromUtf16(KoravFile::kCollectionStamps));
    result.statusText = StatusText(result.found, result.updated, now) + LateText(result.late);
    result.collectionText = PelinBaseFiles::CollectionText(now);
    if (result.collectionText != KoravState::CollectionText(store_)
        && !KoravState::SaveCollectionText(store_, result.collectionText))
        result.failed.append(QString::fromUtf16(KoravFile::kKoravState));
    return result;
}

bool TimeFileCollection::CollectTimeFile(const QString& name) const
{
    Messenger& messenger = store_.messenger();
    const QString month = name.mid(2, 6);
    const QString target = store_.folder().path(u"auswtg/%1/"_s.arg(month));
    if (!QDir().mkpath(target)) {
        messenger.show(u"Unterordner 'auswtg' konnte nicht erstellt werden"_s);
        return false;
    }
    const QString source = QDir(timeFolder_).filePath(name);
    if (!FileStore::Exists(source)) {
        messenger.show(u"Datei %1 in Ordner nicht vorhanden"_s.arg(name));
        return false;
    }
    if (!FileStore::CopyFile(source, target + name)) {
        messenger.show(u"Datei %1 konnte nicht aktualisiert werden! (Kopierfehler)  "_s.arg(name));
        return false;
    }
    return true;
}
