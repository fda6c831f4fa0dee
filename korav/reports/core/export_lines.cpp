#include "korav/reports/core/export_lines.h"

#include "common/fixed_width.h"
#include "korav/reports/core/report_names.h"

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;
using namespace FixedWidth;

namespace {

// The product's rounding error stays far below the margin up to the limit.
constexpr double kHandWrittenLimit = 1e12;
constexpr double kTieMargin = 1e-3;

// "-1234.05" of -123405
QString HundredthsText(qint64 hundredths)
{
    qint64 rest = hundredths < 0 ? -hundredths : hundredths;
    std::array<char16_t, 24> reversed {};
    std::size_t n = 0;
    reversed[n++] = char16_t(u'0' + rest % 10);
    reversed[n++] = char16_t(u'0' + rest / 10 % 10);
    reversed[n++] = u'.';
    rest /= 100;
    do {
        reversed[n++] = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    if (hundredths < 0)
        reversed[n++] = u'-';
    QString text(qsizetype(n), Qt::Uninitialized);
    for (std::size_t i = 0; i < n; ++i)
        text[qsizetype(i)] = QChar(reversed[n - 1 - i]);
    return text;
}

QString Numbers(const AZeitValues& values)
{
    QString text;
    for (const std::optional<double>& value : values)
        text += u' ' + ExportNumber(value);
    return text;
}

} // namespace

double DecimalHours(int minutes)
{
    return minutes / 60 + (minutes % 60) / 60.0;
}

QString ExportNumber(double value)
{
    // A report writes thousands of these. Away from a rounding tie the
    // rounded product is the correctly rounded value, and its digits are
    // written by hand; near one, and for what rounds to zero, the general
    // formatting decides.
    const double hundredths = value * 100;
    const double rounded = std::round(hundredths);
    if (!(std::abs(hundredths) < kHandWrittenLimit) || rounded == 0
        || std::abs(std::abs(hundredths - rounded) - 0.5) < kTieMargin)
        return QString::number(value, 'f', 2).rightJustified(10, u' ');
    return HundredthsText(qint64(rounded)).rightJustified(10, u' ');
}

QString ExportNumber(std::optional<double> value)
{
    return value ? ExportNumber(*value) : u"---"_s.rightJustified(10, u' ');
}

QString AZeitMonthLine(const QString& name, int year, int month, const AZeitValues& values, QChar marker)
{
    return u"AZeit "_s + Left(name, 30) + u' ' + FixedWidth::FourDigits(year) + u' '
        + FixedWidth::TwoDigits(month) + u"       "_s + Numbers(values) + u"  ("_s + marker + u')';
}

QString AZeitTotalLine(const QString& name, int year, const QString& period, const AZeitSums& sums)
{
    return u"AZeit "_s + Left(name, 30) + u' ' + FixedWidth::FourDigits(year) + u' ' + Left(period, 9)
        + Numbers({ sums[0], sums[1], sums[2], sums[3], sums[4], sums[5], sums[6] }) + u' ';
}

QString PZeitLine(const QString& name, int year, const QString& activity, double hours)
{
    return u"PZeit "_s + Left(name, 30) + u' ' + FixedWidth::FourDigits(year) + u' ' + Left(QString(), 5)
        + u' ' + Left(activity, 14) + u' ' + ExportNumber(hours);
}

QString PZeitTotalLine(const QString& name, int year, const QString& period, double hours)
{
    return u"PZeit "_s + Left(name, 30) + u' ' + FixedWidth::FourDigits(year) + u' ' + Left(period, 5) + u' '
        + Left(QString(), 14) + u' ' + ExportNumber(hours);
}

QString ProjectEmployeeLine(
    const QString& activity, int year, const QString& name, double hours, double cost, double rate)
{
    return ProjectTotalLine(activity, year, name, hours, cost) + u' '
        + QString::number(rate, 'f', 2).rightJustified(6, u' ');
}

QString ProjectTotalLine(const QString& activity, int year, const QString& label, double hours, double cost)
{
    return Left(activity, 14) + u' ' + FixedWidth::FourDigits(year) + u' ' + Left(label, 30) + u' '
        + ExportNumber(hours) + u' ' + QString::number(cost, 'f', 2).rightJustified(12, u' ');
}

QString ExportField(const QString& line, int from, int width)
{
    return line.mid(from, width);
}
