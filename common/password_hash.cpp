#include "common/password_hash.h"

#include <QHash>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

using namespace Qt::StringLiterals;

namespace PasswordHash {

namespace {

constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;
// A crafted file must not hold a log-in for hours: a bound on the cost of
// one value and on the number of salts worked through. KORAV writes one.
constexpr int kMaxIterations = 2000000;
constexpr int kMaxSalts = 4;

std::optional<QByteArray> Derive(const QString& password, const QByteArray& salt, int iterations)
{
    const QByteArray secret = password.toUtf8();
    QByteArray hash(kHashBytes, '\0');
    if (PKCS5_PBKDF2_HMAC(secret.constData(), int(secret.size()),
            reinterpret_cast<const unsigned char*>(salt.constData()), int(salt.size()), iterations,
            EVP_sha256(), kHashBytes, reinterpret_cast<unsigned char*>(hash.data()))
        != 1)
        return std::nullopt;
    return hash;
}

std::optional<QByteArray> FromHex(QStringView text, qsizetype bytes)
{
    if (text.size() != bytes * 2)
        return std::nullopt;
    for (const QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return std::nullopt;
    }
    return QByteArray::fromHex(text.toLatin1());
}

} // namespace

QByteArray NewSalt()
{
    QByteArray salt(kSaltBytes, '\0');
    if (RAND_bytes(reinterpret_cast<unsigned char*>(salt.data()), kSaltBytes) != 1)
        return {};
    return salt;
}

QString Make(const QString& password, const QByteArray& salt, int iterations)
{
    if (salt.isEmpty() || iterations < 1)
        return {};
    const std::optional<QByteArray> hash = Derive(password, salt, iterations);
    if (!hash)
        return {};
    return QString::fromUtf16(kPrefix) + QString::number(iterations) + u'$'
        + QString::fromLatin1(salt.toHex()) + u'$' + QString::fromLatin1(hash->toHex());
}

bool IsCheckValue(QStringView text)
{
    return text.startsWith(QStringView(kPrefix));
}

std::optional<CheckValue> Parse(QStringView text)
{
    if (!IsCheckValue(text))
        return std::nullopt;
    const QList<QStringView> parts = text.mid(QStringView(kPrefix).size()).split(u'$');
    if (parts.size() != 3 || parts[0].isEmpty() || parts[0].size() > 7)
        return std::nullopt;
    for (const QChar c : parts[0]) {
        if (!c.isDigit())
            return std::nullopt;
    }
    CheckValue value;
    value.iterations = parts[0].toInt();
    const std::optional<QByteArray> salt = FromHex(parts[1], kSaltBytes);
    const std::optional<QByteArray> hash = FromHex(parts[2], kHashBytes);
    if (value.iterations < 1 || value.iterations > kMaxIterations || !salt || !hash)
        return std::nullopt;
    value.salt = *salt;
    value.hash = *hash;
    return value;
}

qsizetype FindLine(const StringList& list, const QString& password)
{
    QHash<QString, QByteArray> derived; // by iterations and salt
    for (qsizetype i = 0; i < list.size(); ++i) {
        const std::optional<CheckValue> value = Parse(StringList::KeyOf(list.at(i)));
        if (!value)
            continue;
        const QString costKey = QString::number(value->iterations) + QString::fromLatin1(value->salt.toHex());
        if (!derived.contains(costKey) && derived.size() >= kMaxSalts)
            continue;
        if (!derived.contains(costKey))
            derived.insert(costKey, Derive(password, value->salt, value->iterations).value_or(QByteArray()));
        const QByteArray& hash = derived[costKey];
        if (hash.size() == kHashBytes
            && CRYPTO_memcmp(hash.constData(), value->hash.constData(), kHashBytes) == 0)
            return i;
    }
    return -1;
}

} // namespace PasswordHash
