#include "korav/reports/core/report_format.h"

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace ReportFormat {

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

QString Left(const QString& text, int width)
{
    return text.left(width).leftJustified(width, u' ');
}

QString Right(const QString& text, int width)
{
    return text.left(width).rightJustified(width, u' ');
}

// Every time of a report line passes here: the digits are written by hand.
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

} // namespace ReportFormat
