#include "common/fixed_width.h"

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace FixedWidth {

namespace {

QString MarkNegative(QString text, qsizetype from, bool keepBlank)
{
    qsizetype i = from;
    while (i > 0 && text[i] != u' ')
        --i;
    if (keepBlank && i > 0)
        --i;
    text[i] = u'-';
    return text;
}

} // namespace

QString Left(QStringView text, int width)
{
    if (width < 0)
        return text.toString();
    QString field(width, u' ');
    std::copy_n(text.begin(), std::min(text.size(), qsizetype(width)), field.begin());
    return field;
}

QString Right(QStringView text, int width)
{
    if (width < 0)
        return text.toString();
    QString field(width, u' ');
    const qsizetype n = std::min(text.size(), qsizetype(width));
    std::copy_n(text.begin(), n, field.end() - n);
    return field;
}

// Every date and time of a report line and every record key passes here:
// the digits are written by hand, which costs far less than QString::arg.
QString Int(int value, int width, int precision)
{
    const qint64 magnitude = std::abs(qint64(value));
    int digits = 1;
    for (qint64 rest = magnitude; rest >= 10; rest /= 10)
        ++digits;
    digits = std::max(digits, precision);
    const int length = digits + (value < 0 ? 1 : 0);
    QString text(std::max(width, length), u' ');
    QChar* out = text.data() + text.size();
    qint64 rest = magnitude;
    for (int i = 0; i < digits; ++i, rest /= 10)
        *--out = QChar(char16_t(u'0' + rest % 10));
    if (value < 0)
        *--out = u'-';
    return text;
}

QString Digits(int value, int width)
{
    return Int(value, width, width);
}

QString TwoDigits(int value)
{
    return Int(value, 2, 2);
}

QString FourDigits(int value)
{
    return Int(value, 4, 4);
}

QString HoursMinutes(int minutes, int hourWidth)
{
    return Int(minutes / 60, hourWidth) + u':' + Int(minutes % 60, 2, 2);
}

QString PeriodSigned(int minutes)
{
    const QString text = HoursMinutes(std::abs(minutes), 7);
    return minutes < 0 ? MarkNegative(text, 5, false) : text;
}

QString MonthSigned(int minutes)
{
    const QString text = HoursMinutes(std::abs(minutes), 6);
    return minutes < 0 ? MarkNegative(text, 4, true) : text;
}

QString TimeOfDay(QTime time)
{
    return TwoDigits(time.hour()) + u':' + TwoDigits(time.minute());
}

QString FirstWord(QStringView value)
{
    qsizetype start = 0;
    while (start < value.size() && value[start] == u' ')
        ++start;
    qsizetype end = start;
    while (end < value.size() && value[end] != u' ')
        ++end;
    return value.sliced(start, end - start).toString();
}

} // namespace FixedWidth
