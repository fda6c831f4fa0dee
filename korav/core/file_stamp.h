#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// Last-write times as the text stamps that KORAV compares: the local time
// "%4.4d%2.2d%2.2d_%2.2d%2.2d%2.2d", with the file's real seconds.
namespace FileStamp {

QString Format(const QDateTime& localTime);
// Nothing when the file is missing or its time cannot be read.
std::optional<QString> Of(const QString& path);
// A missing file is not newer; a file whose time cannot be read is.
bool IsFileNewer(const QString& path, const QString& stamp);

} // namespace FileStamp
