#include "common/windows1252.h"

#include <array>

namespace {

constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

int ByteFor(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return int(0x80 + i);
    return -1;
}

// Written without an early exit so that the compiler can test many bytes
// at a time.
bool HasHighControlBytes(QByteArrayView bytes)
{
    unsigned char found = 0; // a bool here keeps the loop from being vectorised
    for (const char b : bytes)
        found |= static_cast<unsigned char>((static_cast<unsigned char>(b) & 0xE0) == 0x80);
    return found != 0;
}

} // namespace

// Outside 0x80 to 0x9F the code is Latin-1, and most files hold no such
// byte: those take Qt's vectorised Latin-1 decoder.
QString DecodeWindows1252(QByteArrayView bytes)
{
    if (!bytes.isEmpty() && !HasHighControlBytes(bytes))
        return QString::fromLatin1(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u >= 0x80 && u < 0xA0 ? kHighControls[u - 0x80] : char16_t(u));
    }
    return text;
}

bool CanEncodeWindows1252(QStringView text)
{
    for (const QChar c : text)
        if (ByteFor(c.unicode()) < 0)
            return false;
    return true;
}

QByteArray EncodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const int b = ByteFor(c.unicode());
        *out++ = char(b < 0 ? '?' : b);
    }
    return bytes;
}
