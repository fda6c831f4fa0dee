#include "korav/core/folder_relocation.h"

#include "common/file_store.h"
#include "common/messenger.h"
#include "korav/core/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

QString DeleteQuestion(RelocationKind kind)
{
    switch (kind) {
    case RelocationKind::ProgramFolder:
        return u"Soll der bisherige Programm-Ordner\n\n%1\n\nnach Kopieren des Inhalts gelöscht werden ?  "_s;
    case RelocationKind::TimeFolder:
        return u"Soll der bisherige Arbeitszeit-Ordner\n\n%1\n\nnach Kopieren des Inhalts gelöscht werden ?  "_s;
    case RelocationKind::General:
        break;
    }
    return u"Soll der bisherige Ordner\n\n%1\n\nnach Kopieren des Inhalts gelöscht werden ?  "_s;
}

// Read back from the target, so that a copy the disk only pretended to
// take never lets its source be deleted.
bool SameContent(const QString& source, const QString& copy)
{
    QFile a(source);
    QFile b(copy);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size())
        return false;
    constexpr qint64 kChunk = 1 << 16;
    while (!a.atEnd()) {
        const QByteArray left = a.read(kChunk);
        if (left.isEmpty() || b.read(kChunk) != left)
            return false;
    }
    return a.error() == QFileDevice::NoError && b.error() == QFileDevice::NoError;
}

// Copies and verifies every file directly in `from`; the names whose copy
// failed are returned. Nothing when the target cannot be made.
std::optional<QStringList> CopyFolderFiles(const QFileInfoList& files, const QString& to)
{
    if (!QDir().mkpath(to))
        return std::nullopt;
    QStringList failed;
    for (const QFileInfo& file : files) {
        const QString target = to + u'/' + file.fileName();
        if (FileStore::CopyFile(file.filePath(), target) && SameContent(file.filePath(), target))
            QFile::setPermissions(target, file.permissions());
        else
            failed.append(file.fileName());
    }
    return failed;
}

void Report(const QString& from, const QString& to, bool deleteOld, Messenger& messenger)
{
    const QFileInfoList files = QDir(from).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    const std::optional<QStringList> failed = CopyFolderFiles(files, to);
    if (!failed) {
        messenger.show(u"Zielordner %1 konnte nicht erstellt werden !"_s.arg(to));
        messenger.show(
            u"Der Inhalt des Ordner\n\n%1\n\nkonnte nicht in den neuen Ordner kopiert werden ! (rek)"_s.arg(
                from));
        return;
    }
    // Only a folder whose every file arrived whole is deleted: the old
    // folder may hold the only copy of the data.
    if (!failed->isEmpty()) {
        messenger.show(u"Der Inhalt des Ordner\n\n%1\n\nkonnte nicht vollständig in den neuen Ordner kopiert "
                       u"werden !\n\nNicht kopiert: %2\n\nDer bisherige Ordner bleibt erhalten."_s.arg(
                           from, failed->join(u", "_s)));
        return;
    }
    if (!deleteOld) {
        messenger.show(u"Der Inhalt des bisherigen Ordner\n\n%1\n\nwurde in den neuen Ordner kopiert.\n\n"
                       u"Der bisherige Ordner bleibt erhalten."_s.arg(from));
        return;
    }
    for (const QFileInfo& file : files)
        QFile::remove(file.filePath());
    const QString copied
        = u"Der Inhalt des bisherigen Ordners\n\n%1\n\nwurde in den neuen Ordner kopiert.\n\n"_s.arg(from);
    if (QDir().rmdir(from))
        messenger.show(copied + u"Der bisherige Ordner wurde danach gelöscht."_s);
    else
        messenger.show(copied + u"Der bisherige Ordner konnte nicht gelöscht werden ! (rmdir)"_s);
}

} // namespace

void RelocateFolder(const QString& from, const QString& to, RelocationKind kind, const DataFolder& dataFolder,
    Messenger& messenger)
{
    if (from == to) {
        messenger.show(u"Quell- und Zielordner dürfen nicht identisch sein!"_s);
        return;
    }
    if (WithoutTrailingSeparator(to) == dataFolder.folder()) {
        messenger.systemMessage(u"Der neue Ordner darf nicht der KORAV-Ordner sein !"_s);
        return;
    }
    const bool deleteOld = messenger.ask(DeleteQuestion(kind).arg(from)) == kAnswerYes;
    if (!QFileInfo(from).isDir()) {
        messenger.show(u"Der Ordner\n\n%1\n\nexistiert nicht !"_s.arg(from));
        return;
    }
    if (!QFileInfo(to).isDir() && !QDir().mkpath(to)) {
        messenger.show(u"Zielordner konnte nicht erstellt werden !  "_s);
        return;
    }
    Report(from, to, deleteOld, messenger);
}
