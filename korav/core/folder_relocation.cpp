#include "korav/core/folder_relocation.h"

#include "common/file_store.h"
#include "common/messenger.h"
#include "korav/core/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// Copies every file directly in `from`; a failed copy is passed over. A file
// is deleted only after its own copy succeeded, so that an older file of the
// same name in `to` never stands in for a failed copy.
bool CopyFolderFiles(const QString& from, const QString& to, bool deleteCopied, Messenger& messenger)
{
    if (!QDir().mkpath(to)) {
        messenger.show(u"Zielordner %1 konnte nicht erstellt werden !"_s.arg(to));
        return false;
    }
    const QFileInfoList files = QDir(from).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& file : files) {
        const bool copied = FileStore::CopyFile(file.filePath(), to + u'/' + file.fileName());
        if (copied) {
            QFile::setPermissions(to + u'/' + file.fileName(), file.permissions());
            if (deleteCopied)
                QFile::remove(file.filePath());
        }
    }
    return true;
}

void Report(const QString& from, const QString& to, bool deleteOld, Messenger& messenger)
{
    if (!CopyFolderFiles(from, to, deleteOld, messenger)) {
        messenger.show(
            u"Der Inhalt des Ordner\n\n%1\n\nkonnte nicht in den neuen Ordner kopiert werden ! (rek)"_s.arg(
                from));
        return;
    }
    if (!deleteOld) {
        messenger.show(u"Der Inhalt des bisherigen Ordner\n\n%1\n\nwurde in den neuen Ordner kopiert.\n\n"
                       u"Der bisherige Ordner bleibt erhalten."_s.arg(from));
        return;
    }
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
