#include "korav/core/base_data_store.h"

#include "common/file_store.h"
#include "common/messenger.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

StringList LoadPlainFile(const QString& path)
{
    const std::optional<TextFile> file = FileStore::ReadText(path);
    return file ? StringList::FromText(file->text) : StringList();
}

bool SavePlainFile(const QString& path, const StringList& list, Messenger& messenger)
{
    QString error;
    if (FileStore::WriteText(path, list.toText(), TextEncoding::Utf8WithBom, &error))
        return true;
    messenger.show(u"Datei %1 konnte nicht gespeichert werden.\n\n%2  "_s.arg(path, error));
    return false;
}

bool BaseDataStore::exists(QStringView fileName) const
{
    return folder_.isSet() && FileStore::Exists(folder_.path(fileName));
}

StringList BaseDataStore::load(QStringView fileName) const
{
    if (!folder_.isSet())
        return {};
    const QString path = folder_.path(fileName);
    if (FileStore::IsTooLargeForText(path)) {
        messenger_.show(FileStore::TooLargeText(path));
        return {};
    }
    return LoadPlainFile(path);
}

bool BaseDataStore::save(QStringView fileName, const StringList& list) const
{
    if (!folder_.isSet())
        return false;
    if (folder_.isBackupFolder()) {
        messenger_.show(QString::fromUtf16(kBackupFolderRefusal));
        return false;
    }
    return SavePlainFile(folder_.path(fileName), list, messenger_);
}
