#include "common/transfer.h"

#include "common/file_store.h"
#include "common/messenger.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

Transfer::Transfer(Messenger& messenger, Wait wait) : messenger_(messenger), wait_(std::move(wait)) { }

QString Transfer::OnlineHint(bool online)
{
    return online ? u"Online"_s : u"Offline"_s;
}

QString Transfer::BackupName(const QString& fileName)
{
    return u"bak_"_s + fileName;
}

bool Transfer::download(const QString& localFolder, const QString& fileName, bool required)
{
    const QDir folder(localFolder);
    const QString localPath = folder.filePath(fileName);
    const QString backupPath = folder.filePath(BackupName(fileName));
    bool backedUp = false;
    if (FileStore::Exists(localPath)) {
        QFile::remove(backupPath);
        backedUp = QFile::rename(localPath, backupPath);
    }
    const bool ok = fetch(localPath, fileName, required);
    if (backedUp && !FileStore::Exists(localPath))
        FileStore::CopyFile(backupPath, localPath);
    return ok;
}

Transfer::Fetched Transfer::fetchCopy(const QString& localPath, const QString& fileName)
{
    QFile::remove(localPath);
    if (!fetch(localPath, fileName, false))
        return Fetched::Failed;
    return FileStore::Exists(localPath) ? Fetched::File : Fetched::NoFile;
}

void Transfer::setOnline(bool online)
{
    online_ = online;
    if (observer_)
        observer_(online);
}

void Transfer::wait(int milliseconds) const
{
    if (wait_)
        wait_(milliseconds);
}

void Transfer::show(const QString& text) const
{
    messenger_.show(text);
}
