#pragma once

#include "common/string_list.h"

#include <QList>

class BaseDataStore;

// "zmszsatz.kvd": the target-time records in PELIN's form, one per employee
// with a personnel number.
namespace TargetRecordsFile {

inline constexpr int kMonthUnits = 14;

struct MonthUnit {
    int month = 0;
    int year = 0;
    int hours = 0;
    int minutes = 0;
    bool hasTarget = false;
};

// "%1.1i%2.2s%2.2s": the raster flag and the daily target's hours and
// minutes, each two characters with "0" in place of a leading blank.
QString DayPart(bool fiveMinuteRaster, QStringView hours, QStringView minutes);
// "%2.2i%4.4i%3.3i%2.2i", or "00000000000" for a month without target.
QString Unit(const MonthUnit& unit);
// "msz%.12s=%5.5s" followed by the fourteen units of 11 characters.
QString Line(QStringView personnelNumber, QStringView dayPart, const QList<MonthUnit>& units);

StringList Load(const BaseDataStore& store);
bool Save(const BaseDataStore& store, const StringList& file);

} // namespace TargetRecordsFile
