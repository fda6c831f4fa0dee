#include "korav/core/backup_copy.h"

#include "common/file_store.h"
#include "common/messenger.h"
#include "korav/core/backup_texts.h"
#include "korav/core/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <chrono>
#include <filesystem>
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr QDir::Filters kEverything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

bool IsSkipped(const QFileInfo& folder, const QStringList& skip)
{
    if (skip.isEmpty())
        return false;
    const QString path = folder.canonicalFilePath();
    return std::any_of(skip.begin(), skip.end(),
        [&](const QString& other) { return path == QFileInfo(other).canonicalFilePath(); });
}

enum class EntryKind { File, Folder, Other };

EntryKind KindOf(const QFileInfo& entry)
{
    if (entry.isSymLink())
        return EntryKind::Other;
    if (entry.isDir())
        return EntryKind::Folder;
    return entry.isFile() ? EntryKind::File : EntryKind::Other;
}

#ifdef Q_OS_UNIX
std::optional<struct stat> StatusOf(const QString& path)
{
    struct stat status { };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

std::optional<qint64> SecondsOf(const std::optional<struct stat>& status)
{
    return status ? std::optional<qint64>(status->st_mtime) : std::nullopt;
}

// One look at the file system answers both questions of a copy's target.
bool DueOver(std::optional<qint64> sourceSeconds, const std::optional<struct stat>& target)
{
    // Whatever stands in the way of the copy (a folder, say) is no copy.
    if (!target || !S_ISREG(target->st_mode))
        return true;
    return sourceSeconds > qint64(target->st_mtime);
}

// Looks at files through an open handle of their folder, so that the system
// walks only each file's own name and not its whole path: a backup looks at
// thousands of files, those of one folder one after another.
class FolderLook {
public:
    FolderLook() = default;
    FolderLook(const FolderLook&) = delete;
    FolderLook& operator=(const FolderLook&) = delete;
    ~FolderLook() { closeFolder(); }

    std::optional<struct stat> status(const QString& path)
    {
        const qsizetype slash = path.lastIndexOf(u'/');
        if (slash < 0)
            return StatusOf(path);
        const QStringView folder = QStringView(path).first(slash + 1);
        if (folder != folder_) {
            closeFolder();
            folder_ = folder.toString();
            handle_ = ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        }
        if (handle_ < 0)
            return StatusOf(path);
        struct stat status { };
        if (::fstatat(handle_, QFile::encodeName(path.sliced(slash + 1)).constData(), &status, 0) != 0)
            return std::nullopt;
        return status;
    }

    std::optional<qint64> writeSeconds(const QString& path) { return SecondsOf(status(path)); }
    bool copyIsDue(std::optional<qint64> sourceSeconds, const QString& target)
    {
        return DueOver(sourceSeconds, status(target));
    }

private:
    void closeFolder()
    {
        if (handle_ >= 0)
            ::close(handle_);
        handle_ = -1;
    }

    QString folder_;
    int handle_ = -1;
};
#else
class FolderLook {
public:
    std::optional<qint64> writeSeconds(const QString& path) { return WriteSeconds(path); }
    bool copyIsDue(std::optional<qint64> sourceSeconds, const QString& target)
    {
        return CopyIsDue(sourceSeconds, target);
    }
};
#endif

} // namespace

QList<BackupFile> DataFilesToBackUp(
    const QString& dataFolder, const QString& targetFolder, QStringList& skipped)
{
    QList<BackupFile> files;
    FolderLook look;
    const QFileInfoList entries
        = QDir(dataFolder)
              .entryInfoList({ u"*.kvd"_s }, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name.startsWith(u'~') || name.startsWith(u'.'))
            continue;
        if (KindOf(entry) != EntryKind::File) {
            skipped.append(name);
            continue;
        }
        files.append({ entry.filePath(), targetFolder + name, name, look.writeSeconds(entry.filePath()) });
    }
    return files;
}

bool OrdnerbaumKopieren(const QString& source, const QString& target, const QStringList& skip,
    const QString& name, Messenger& messenger, QList<BackupFile>& files, QStringList& skipped)
{
    if (!QFileInfo(source).isDir())
        return true;
    if (!QDir().mkpath(target)) {
        messenger.show(
            u"Zielordner %1 konnte nicht erstellt werden !"_s.arg(QDir::toNativeSeparators(target)));
        return false;
    }
    const QFileInfoList entries = QDir(source).entryInfoList(kEverything, QDir::Name);
    FolderLook look;
    bool whole = true;
    for (const QFileInfo& entry : entries) {
        const QString targetPath = target + u'/' + entry.fileName();
        const QString entryName = name + u'/' + entry.fileName();
        const EntryKind kind = KindOf(entry);
        if (kind == EntryKind::File) {
            files.append({ entry.filePath(), targetPath, entryName, look.writeSeconds(entry.filePath()) });
            continue;
        }
        if (kind == EntryKind::Other) {
            skipped.append(entryName);
            continue;
        }
        if (entry.fileName().startsWith(u'.') || IsSkipped(entry, skip))
            continue;
        if (!QDir().mkpath(targetPath)) {
            messenger.show(u"Ziel-Subordner %1 konnte nicht erstellt werden !"_s.arg(
                QDir::toNativeSeparators(targetPath)));
            return false;
        }
        whole = OrdnerbaumKopieren(entry.filePath(), targetPath, skip, entryName, messenger, files, skipped)
            && whole;
    }
    return whole;
}

#ifdef Q_OS_UNIX
std::optional<qint64> WriteSeconds(const QString& path)
{
    return SecondsOf(StatusOf(path));
}

bool CopyIsDue(std::optional<qint64> sourceSeconds, const QString& target)
{
    return DueOver(sourceSeconds, StatusOf(target));
}
#else
std::optional<qint64> WriteSeconds(const QString& path)
{
    std::error_code error;
    const auto written = std::filesystem::last_write_time(QFile::encodeName(path).toStdString(), error);
    if (error)
        return std::nullopt;
    return std::chrono::floor<std::chrono::seconds>(written.time_since_epoch()).count();
}

bool CopyIsDue(std::optional<qint64> sourceSeconds, const QString& target)
{
    std::error_code error;
    // Whatever stands in the way of the copy (a folder, say) is no copy.
    if (!std::filesystem::is_regular_file(QFile::encodeName(target).toStdString(), error))
        return true;
    const std::optional<qint64> copySeconds = WriteSeconds(target);
    return !copySeconds || sourceSeconds > copySeconds;
}
#endif

bool EmptyBackupFolder(const QString& folder, const QString& dataFolder)
{
    const QFileInfo info(WithoutTrailingSeparator(folder));
    if (info.isSymLink() || !info.isDir())
        return false;
    const QString path = info.canonicalFilePath();
    const QString data = QFileInfo(WithoutTrailingSeparator(dataFolder)).canonicalFilePath();
    if (data == path || data.startsWith(path + u'/'))
        return false;
    // Links inside are removed as links; what they point to stays.
    return QDir(path).removeRecursively();
}

void CopyNewer(const QList<BackupFile>& files, CopyTally& tally, const BackupProgress& progress)
{
    int done = 0;
    FolderLook look;
    for (const BackupFile& file : files) {
        ++tally.examined;
        if (look.copyIsDue(file.sourceSeconds, file.target)) {
            if (FileStore::CopyFileStreamed(file.source, file.target))
                ++tally.copied;
            else
                tally.failed.append(file.name);
        }
        if (progress)
            progress(++done, int(files.size()));
    }
}
