#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A local month copy whose changes have not reached the central store yet
// is marked by a small file beside it. The marker names the central copy the
// changes build on, so that a later session can tell whether someone else
// has changed the central copy in the meantime.
namespace PendingUpload {

// "offen_" + the month file's name.
QString MarkerName(const QString& fileName);

// The base named in the marker; nothing when the month has no marker. A
// marker that cannot be read still counts, with an empty base.
std::optional<QString> Read(const QString& folder, const QString& fileName);
bool Write(const QString& folder, const QString& fileName, const QString& base);
bool Remove(const QString& folder, const QString& fileName);

// A short text that differs for different contents; "fehlt" for no file.
QString Fingerprint(const std::optional<QByteArray>& bytes);
QString FingerprintOfFile(const QString& path);

} // namespace PendingUpload
