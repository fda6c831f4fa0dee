#include "korav/core/file_stamp.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace FileStamp {

QString Format(const QDateTime& localTime)
{
    return localTime.toString(u"yyyyMMdd_HHmmss"_s);
}

std::optional<QString> Of(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    const QDateTime modified = info.lastModified();
    if (!modified.isValid())
        return std::nullopt;
    return Format(modified.toLocalTime());
}

bool IsFileNewer(const QString& path, const QString& stamp)
{
    if (!QFileInfo::exists(path))
        return false;
    const std::optional<QString> own = Of(path);
    return !own || *own > stamp;
}

} // namespace FileStamp
