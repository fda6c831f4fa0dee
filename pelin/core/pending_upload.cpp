#include "pelin/core/pending_upload.h"

#include "common/file_store.h"
#include "common/string_list.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QString kBaseKey = u"basis"_s;

QString MarkerPath(const QString& folder, const QString& fileName)
{
    return QDir(folder).filePath(PendingUpload::MarkerName(fileName));
}

} // namespace

namespace PendingUpload {

QString MarkerName(const QString& fileName)
{
    return u"offen_"_s + fileName;
}

std::optional<QString> Read(const QString& folder, const QString& fileName)
{
    const QString path = MarkerPath(folder, fileName);
    if (!QFile::exists(path))
        return std::nullopt;
    const std::optional<TextFile> file = FileStore::ReadText(path);
    return file ? StringList::FromText(file->text).value(kBaseKey) : QString();
}

bool Write(const QString& folder, const QString& fileName, const QString& base)
{
    return FileStore::WriteText(
        MarkerPath(folder, fileName), kBaseKey + u'=' + base + u"\r\n"_s, TextEncoding::Windows1252);
}

bool Remove(const QString& folder, const QString& fileName)
{
    const QString path = MarkerPath(folder, fileName);
    return !QFile::exists(path) || QFile::remove(path);
}

QString Fingerprint(const std::optional<QByteArray>& bytes)
{
    if (!bytes)
        return u"fehlt"_s;
    return QString::fromLatin1(QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256).toHex());
}

QString FingerprintOfFile(const QString& path)
{
    return Fingerprint(FileStore::Exists(path) ? FileStore::ReadBytes(path) : std::nullopt);
}

} // namespace PendingUpload
