#pragma once

#include "common/string_list.h"

#include <QByteArray>
#include <QString>
#include <optional>

// A password kept only as a check value: a salted PBKDF2-HMAC-SHA256 hash,
// written as "pbkdf2-sha256$<iterations>$<salt>$<hash>" with salt and hash
// in lower-case hex, so that it needs no character a data file cannot carry
// and never holds "=".
namespace PasswordHash {

inline constexpr char16_t kPrefix[] = u"pbkdf2-sha256$";
// Slow enough to make guessing costly, quick enough for one log-in.
inline constexpr int kIterations = 200000;

struct CheckValue {
    int iterations = 0;
    QByteArray salt;
    QByteArray hash;
};

QByteArray NewSalt();
// Empty when the hash could not be computed.
QString Make(const QString& password, const QByteArray& salt, int iterations = kIterations);
bool IsCheckValue(QStringView text);
// Nothing for a text that is no well-formed check value, or whose iteration
// count is beyond what a log-in may spend.
std::optional<CheckValue> Parse(QStringView text);

// The line whose key is the check value of `password`. Lines that share a
// salt, as those of one build do, cost one hash together; only the first
// few salts are tried. -1 when none.
qsizetype FindLine(const StringList& list, const QString& password);

} // namespace PasswordHash
