#include "korav/reports/core/report_format.h"

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

QString Int(int value, int width, int precision)
{
    const QString digits = QString::number(std::abs(qint64(value))).rightJustified(precision, u'0');
    return QString((value < 0 ? u"-"_s : QString()) + digits).rightJustified(width, u' ');
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
