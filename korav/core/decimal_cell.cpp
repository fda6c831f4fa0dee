#include "korav/core/decimal_cell.h"

#include "common/number_parse.h"

namespace DecimalCell {

namespace {

constexpr int kMaxLength = 6;
constexpr int kMaxDecimals = 2;

bool IsNumeric(QStringView text)
{
    bool point = false;
    bool digit = false;
    for (const QChar c : text) {
        if (c == u'.') {
            // A second point would make the value mean nothing.
            if (point)
                return false;
            point = true;
        } else if (c.isDigit() && c.unicode() < 128) {
            digit = true;
        } else {
            return false;
        }
    }
    return digit;
}

qsizetype Decimals(QStringView text)
{
    const qsizetype point = text.lastIndexOf(u'.');
    return point < 0 ? 0 : text.size() - point - 1;
}

bool InFiveHundredths(QStringView text)
{
    QString digits = text.toString();
    digits.remove(u'.');
    qint64 hundredths = digits.toLongLong();
    for (qsizetype d = Decimals(text); d < kMaxDecimals; ++d)
        hundredths *= 10;
    return hundredths % 5 == 0;
}

} // namespace

QString Normalized(QStringView text)
{
    QString result = text.toString();
    result.replace(u',', u'.');
    return result;
}

Fault Check(QStringView text, bool fiveHundredthsSteps)
{
    if (text.size() > kMaxLength)
        return Fault::TooLong;
    if (!IsNumeric(text))
        return Fault::NotNumeric;
    if (text.toDouble() >= 1000)
        return Fault::TooLarge;
    if (Decimals(text) > kMaxDecimals)
        return Fault::TooManyDecimals;
    if (fiveHundredthsSteps && !InFiveHundredths(text))
        return Fault::NotInFiveHundredths;
    return Fault::None;
}

int WholeHours(QStringView value)
{
    return ParseDecimalInt(value);
}

int Minutes(QStringView value)
{
    const qsizetype point = value.indexOf(u'.');
    if (point < 0)
        return 0;
    const QStringView decimals = value.mid(point + 1, kMaxDecimals);
    int hundredths = ParseDecimalInt(decimals);
    if (decimals.size() == 1)
        hundredths *= 10;
    return hundredths * 60 / 100;
}

} // namespace DecimalCell
