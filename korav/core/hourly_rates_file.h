#pragma once

#include "common/string_list.h"

class BaseDataStore;

// "zmasatz.kvd": hourly rates per year and personnel number, "nuvo" for no rate.
namespace HourlyRatesFile {

inline constexpr char16_t kForecast[] = u"PrognoseNr";

// Key "%.4i%s", value "%10.10s".
QString Line(int year, QStringView personnelNumber, QStringView rate);
QString Rate(const StringList& file, int year, QStringView personnelNumber);

} // namespace HourlyRatesFile
