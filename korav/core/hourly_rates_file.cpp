#include "korav/core/hourly_rates_file.h"

#include "common/fixed_width.h"

namespace HourlyRatesFile {

QString Line(int year, QStringView personnelNumber, QStringView rate)
{
    return FixedWidth::Digits(year, 4) + personnelNumber + u'=' + FixedWidth::Right(rate, 10);
}

QString Rate(const StringList& file, int year, QStringView personnelNumber)
{
    return FixedWidth::FirstWord(file.value(QString(FixedWidth::Digits(year, 4) + personnelNumber)));
}

} // namespace HourlyRatesFile
