#include "common/trusted_certificate.h"

#include "common/file_store.h"

#include <QDir>
#include <QFileInfo>

namespace TrustedCertificate {

QString PathIn(const QString& folder)
{
    return QDir(folder).filePath(QString::fromUtf16(kFileName));
}

QString FoundIn(const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (!folder.isEmpty() && QFileInfo(PathIn(folder)).isFile())
            return PathIn(folder);
    }
    return {};
}

bool IsPem(const QString& path)
{
    const std::optional<QByteArray> bytes = FileStore::ReadBytes(path);
    return bytes && bytes->contains("-----BEGIN CERTIFICATE-----")
        && bytes->contains("-----END CERTIFICATE-----");
}

} // namespace TrustedCertificate
