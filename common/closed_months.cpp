#include "common/closed_months.h"

#include "common/file_store.h"
#include "common/fixed_width.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kKey = u"abschluss";

} // namespace

ClosedMonths::ClosedMonths(int year, int month)
{
    if (year >= 1 && year <= 9999 && month >= 1 && month <= 12) {
        year_ = year;
        month_ = month;
    }
}

ClosedMonths ClosedMonths::FromLines(const StringList& lines)
{
    static const QRegularExpression pattern(u"^(\\d{4})(\\d{2})$"_s);
    const QRegularExpressionMatch match = pattern.match(lines.value(kKey).trimmed());
    if (!match.hasMatch())
        return {};
    return ClosedMonths(match.captured(1).toInt(), match.captured(2).toInt());
}

ClosedMonths ClosedMonths::FromFile(const QString& path)
{
    const std::optional<TextFile> file = FileStore::ReadText(path);
    return file ? FromLines(StringList::FromText(file->text)) : ClosedMonths();
}

StringList ClosedMonths::toLines() const
{
    StringList lines;
    if (any())
        lines.append(kKey.toString() + u'=' + FixedWidth::FourDigits(year_) + FixedWidth::TwoDigits(month_));
    return lines;
}

bool ClosedMonths::closes(int year, int month) const
{
    return any() && (year < year_ || (year == year_ && month <= month_));
}

QString ClosedMonths::text() const
{
    return any() ? FixedWidth::TwoDigits(month_) + u'/' + FixedWidth::FourDigits(year_) : QString();
}

bool ClosedMonths::operator<(const ClosedMonths& other) const
{
    return year_ * 12 + month_ < other.year_ * 12 + other.month_;
}
