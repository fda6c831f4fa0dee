#include "korav/reports/core/year_target_files.h"

#include "common/fixed_width.h"
#include "common/number_parse.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/month_target.h"
#include "korav/reports/core/report_names.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxDecimals = 2;

QStringView FirstWord(QStringView value)
{
    const QStringView trimmed = value.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    return blank < 0 ? trimmed : trimmed.left(blank);
}

} // namespace

std::optional<int> YearTargetMinutes(QStringView value)
{
    const QStringView word = FirstWord(value);
    if (word.isEmpty() || word == u"nuvo")
        return std::nullopt;
    const qsizetype point = word.indexOf(u'.');
    if (point < 0)
        return ParseDecimalInt(word) * 60;
    const QStringView decimals = word.mid(point + 1, kMaxDecimals);
    const int hundredths = ParseDecimalInt(decimals) * (decimals.size() == 1 ? 10 : 1);
    return ParseDecimalInt(word.left(point)) * 60 + hundredths * 60 / 100;
}

std::optional<int> MonthFullTime(QStringView targetRecord, YearTargetFiles& yearFiles,
    const std::optional<QString>& shortName, int year, int month)
{
    const std::optional<int> unit = UnitFullTime(targetRecord, month, year);
    if (unit || !shortName)
        return unit;
    return yearFiles.fullTime(*shortName, year, month);
}

std::optional<int> YearFileFullTime(
    const QString& dataRoot, const std::optional<QString>& shortName, int year, int month)
{
    return shortName ? YearTargetFiles(dataRoot).fullTime(*shortName, year, month) : std::nullopt;
}

YearTargetFiles::YearTargetFiles(QString dataRoot) : dataRoot_(std::move(dataRoot)) { }

std::optional<int> YearTargetFiles::fullTime(const QString& shortName, int year, int month)
{
    const std::optional<QString> found = this->year(year).value(
        QString(FixedWidth::FourDigits(year) + FixedWidth::TwoDigits(month) + shortName));
    return found ? YearTargetMinutes(*found) : std::nullopt;
}

const KeyIndex& YearTargetFiles::year(int year)
{
    const auto known = years_.constFind(year);
    if (known != years_.cend())
        return known.value();
    return years_
        .insert(year,
            KeyIndex(KoravMonthFile::LoadLines(
                dataRoot_ + u"zmonsoll"_s + FixedWidth::FourDigits(year) + u".kvd"_s)))
        .value();
}
