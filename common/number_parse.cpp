#include "common/number_parse.h"

#include <limits>

int ParseDecimalInt(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    qint64 value = 0;
    constexpr qint64 kLimit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > kLimit)
            value = kLimit;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        value = std::numeric_limits<int>::max();
    return int(value);
}

std::optional<QString> NormalizeDecimalInput(QStringView text)
{
    QString result = text.trimmed().toString();
    result.replace(u',', u'.');
    if (result.isEmpty())
        return std::nullopt;
    bool seenPoint = false;
    bool seenDigit = false;
    for (const QChar c : std::as_const(result)) {
        if (c == u'.') {
            if (seenPoint)
                return std::nullopt;
            seenPoint = true;
        } else if (c >= u'0' && c <= u'9') {
            seenDigit = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    return result;
}
