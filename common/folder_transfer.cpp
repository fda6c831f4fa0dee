#include "common/folder_transfer.h"

#include "common/file_store.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

FolderTransfer::FolderTransfer(FolderSettings settings, Messenger& messenger, Wait wait)
    : Transfer(messenger, std::move(wait)), settings_(std::move(settings))
{
}

QString FolderTransfer::timeFolder() const
{
    return settings_.timeFolder.isEmpty() ? settings_.programFolder : settings_.timeFolder;
}

// Started by the administration program, PELIN runs in the data folder, where
// the employee file and the activity list are built.
QString FolderTransfer::sourcePath(const QString& fileName) const
{
    const bool builtHere = fileName == u"dama.kvd"_s || fileName == u"dprojekte.kvd"_s;
    const QString folder = settings_.startedByKorav && builtHere ? settings_.executableFolder : timeFolder();
    return QDir(folder).filePath(fileName);
}

bool FolderTransfer::connect()
{
    bool ok = true;
    if (!QFileInfo(timeFolder()).isDir()) {
        show(u"Der Server-Ordner für PELIN-Zeitdateien wurde nicht gefunden!"_s);
        ok = false;
    }
    if (!QFileInfo(settings_.programFolder).isDir()) {
        show(u"Der Server-Ordner für die PELIN-Programmdatei wurde nicht gefunden!"_s);
        return false;
    }
    return ok;
}

bool FolderTransfer::fetch(const QString& localPath, const QString& fileName, bool required)
{
    const QString source = sourcePath(fileName);
    if (!QFileInfo::exists(source)) {
        if (required)
            show(u"Datei '%1'\n\nist nicht vorhanden!"_s.arg(QDir::toNativeSeparators(source)));
        return !required;
    }
    // Something of that name that is no plain file is a file we cannot read,
    // not a missing one: a missing month may be replaced, this one may not.
    if (!FileStore::Exists(source) || !FileStore::CopyFile(source, localPath)) {
        show(u"Das Kopieren der Datei %1 ist fehlgeschlagen!"_s.arg(fileName));
        return false;
    }
    return true;
}

bool FolderTransfer::upload(const QString& localFolder, const QString& fileName)
{
    const QString localPath = QDir(localFolder).filePath(fileName);
    if (!FileStore::Exists(localPath)) {
        show(u"Datei %1 in Benutzer-Ordner nicht gefunden "_s.arg(fileName));
        return false;
    }
    if (!FileStore::CopyFile(localPath, QDir(timeFolder()).filePath(fileName))) {
        show(u"Das Kopieren der Datei %1 ist fehlgeschlagen!"_s.arg(fileName));
        return false;
    }
    return true;
}

RemoteFile FolderTransfer::lookUp(const QString& fileName)
{
    const QFileInfo info(QDir(timeFolder()).filePath(fileName));
    if (!info.isFile())
        return { RemoteFile::State::Missing, {} };
    return { RemoteFile::State::Present, info.lastModified(), info.size() };
}
