#include "korav/core/backup_restore.h"

#include "common/file_store.h"
#include "korav/core/backup_copy.h"
#include "korav/core/backup_list.h"
#include "korav/core/backup_ring.h"
#include "korav/core/data_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kSubtree[] = u"auswtg";

bool IsRegularFile(const QFileInfo& entry)
{
    return entry.isFile() && !entry.isSymLink();
}

// Temporary files of an interrupted copy begin with ".", and so do the
// folders a backup leaves out.
bool IsHiddenBelow(const QString& relative)
{
    const QStringList parts = relative.split(u'/');
    return std::any_of(parts.begin(), parts.end(), [](const QString& part) { return part.startsWith(u'.'); });
}

QStringList SubtreeFiles(const QString& backupFolder)
{
    QStringList files;
    const QString subtree = backupFolder + kSubtree;
    QDirIterator it(subtree, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        const QString relative = QDir(subtree).relativeFilePath(entry.filePath());
        if (IsRegularFile(entry) && !IsHiddenBelow(relative))
            files.append(QString::fromUtf16(kSubtree) + u'/' + relative);
    }
    return files;
}

class Restore {
public:
    Restore(BackupRing& ring, const QString& from, QStringList files)
        : ring_(ring), from_(from), files_(std::move(files))
    {
    }

    RestoreResult run();

private:
    bool check();
    bool refuse(const QString& text)
    {
        result_.summary.append(text);
        return false;
    }
    bool saveBefore();
    void copyFiles();
    void restoreFile(const QString& name);
    void summarise();

    BackupRing& ring_;
    QString from_;
    QStringList files_;
    int index_ = 0;
    QString source_;
    QStringList failures_; // each failed name with its reason
    RestoreResult result_;
};

RestoreResult Restore::run()
{
    if (!check() || !ring_.lockForRestore())
        return result_;
    if (saveBefore()) {
        copyFiles();
        summarise();
    }
    ring_.unlockAfterRestore();
    return result_;
}

bool Restore::check()
{
    if (ring_.dataFolder().isEmpty())
        return false;
    if (ring_.isBackupDataFolder())
        return refuse(u"In einen Sicherungsordner können keine Daten gespeichert werden!"_s);
    index_ = BackupFolderIndex(from_);
    if (index_ == 0)
        return refuse(u"%1 ist kein Sicherungsordner ( terminbkp1 bis terminbkp%2 )"_s.arg(from_).arg(
            kMostBackupFolders));
    source_ = BackupFolderPath(ring_.baseFolder(), index_);
    if (!QFileInfo(source_).isDir())
        return refuse(u"Sicherungsordner %1 ist nicht vorhanden !"_s.arg(QDir::toNativeSeparators(source_)));
    const QStringList available = RestorableFiles(source_);
    if (files_.isEmpty())
        files_ = available;
    if (files_.isEmpty())
        return refuse(u"Sicherungsordner %1 enthält keine Dateien zum Wiederherstellen !"_s.arg(from_));
    for (QString& name : files_) {
        name = QDir::fromNativeSeparators(name);
        if (name == QStringView(KoravFile::kBackupSettings))
            return refuse(
                u"Die Einstellungen der Datensicherung ( %1 ) werden nicht wiederhergestellt !"_s.arg(name));
        if (!available.contains(name))
            return refuse(u"Datei %1 ist im Sicherungsordner %2 nicht vorhanden !"_s.arg(name, from_));
    }
    files_.removeDuplicates();
    return true;
}

bool Restore::saveBefore()
{
    const BackupOutcome before = ring_.SaveBeforeRestore(index_);
    result_.savedIndex = before.folderIndex;
    if (before.ran && before.failed.isEmpty() && before.recorded) {
        // Entries that are no regular file are not saved, and a restore
        // never writes them either; the user learns of them all the same.
        result_.summary.append(before.problems);
        return true;
    }
    result_.summary.append(
        u"Der heutige Stand konnte nicht in %1 gesichert werden, es wurde nichts wiederhergestellt !"_s.arg(
            BackupFolderName(before.folderIndex)));
    result_.summary.append(before.problems);
    return false;
}

void Restore::copyFiles()
{
    result_.ran = true;
    int done = 0;
    for (const QString& name : std::as_const(files_)) {
        restoreFile(name);
        if (ring_.progress())
            ring_.progress()(++done, int(files_.size()));
    }
    if (ring_.progress())
        ring_.progress()(0, 0);
}

void Restore::restoreFile(const QString& name)
{
    const QString target = ring_.dataFolder() + name;
    QString error;
    const std::optional<QByteArray> bytes = FileStore::ReadBytes(source_ + name, &error);
    if (bytes && !QDir().mkpath(QFileInfo(target).absolutePath()))
        error = u"Ordner konnte nicht erstellt werden"_s;
    else if (bytes && FileStore::WriteBytes(target, *bytes, &error)) {
        result_.restored.append(name);
        return;
    }
    result_.failed.append(name);
    failures_.append(u"%1 ( %2 )"_s.arg(name, error));
}

void Restore::summarise()
{
    result_.summary.prepend(
        u"%1 Dateien aus %2 wiederhergestellt"_s.arg(result_.restored.size()).arg(BackupFolderName(index_)));
    if (!failures_.isEmpty())
        result_.summary.append(
            u"%1 Dateien nicht wiederhergestellt : %2"_s.arg(failures_.size()).arg(failures_.join(u", "_s)));
    result_.summary.append(u"Der Stand vor der Wiederherstellung liegt in %1"_s.arg(
        QDir::toNativeSeparators(BackupFolderPath(ring_.baseFolder(), result_.savedIndex))));
}

} // namespace

QStringList RestorableFiles(const QString& backupFolder)
{
    QStringList skipped;
    QStringList files;
    for (const BackupFile& file : DataFilesToBackUp(backupFolder, {}, skipped)) {
        if (file.name != QStringView(KoravFile::kBackupSettings))
            files.append(file.name);
    }
    files.append(SubtreeFiles(backupFolder));
    files.sort();
    return files;
}

RestoreResult Wiederherstellen(BackupRing& ring, const QString& from, QStringList files)
{
    return Restore(ring, from, std::move(files)).run();
}
