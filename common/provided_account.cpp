#include "common/provided_account.h"

#include "common/fixed_width.h"

#include <array>

using namespace Qt::StringLiterals;

namespace ProvidedAccount {

namespace {

constexpr int kFields = 6;

QString Key(const QString& personnelNumber)
{
    return u"kto"_s + personnelNumber.left(12);
}

} // namespace

QString Line(const QString& personnelNumber, const Record& r)
{
    return Key(personnelNumber) + u'=' + FixedWidth::FourDigits(r.year) + FixedWidth::TwoDigits(r.month)
        + u'#' + QString::number(r.balance) + u'#' + FixedWidth::FourDigits(r.holidayYear) + u'#'
        + QString::number(r.remaining) + u'#' + QString::number(r.takenInMonth) + u'#'
        + QString::number(r.takenInNextMonth) + u'#';
}

std::optional<Record> Find(const StringList& file, const QString& personnelNumber)
{
    const qsizetype i = file.indexOfKey(Key(personnelNumber));
    if (i < 0)
        return std::nullopt;
    const QStringList fields = StringList::ValueOf(file.at(i)).split(u'#');
    if (fields.size() < kFields + 1 || fields.at(0).size() != 6)
        return std::nullopt;
    std::array<int, kFields + 1> numbers {};
    numbers[0] = 0;
    bool ok = true;
    const int yearMonth = fields.at(0).toInt(&ok);
    for (int f = 1; ok && f < kFields; ++f)
        numbers[std::size_t(f)] = fields.at(f).toInt(&ok);
    const int month = yearMonth % 100;
    if (!ok || month < 1 || month > 12)
        return std::nullopt;
    return Record { yearMonth / 100, month, numbers[1], numbers[2], numbers[3], numbers[4], numbers[5] };
}

} // namespace ProvidedAccount
