#include "common/working_day.h"

DayRecord WorkingDayOf(const MonthFile::DayRecord& fields, const QList<MonthFile::ActivityEntry>& entries)
{
    DayRecord day;
    day.times = DayTimes::FromFields(fields.comeHour, fields.comeMinute, fields.goHour, fields.goMinute);
    for (const MonthFile::ActivityEntry& entry : entries)
        day.entries.append({ entry.activity, entry.minutes() });
    return day;
}

DayRecord WorkingDayOf(const MonthList::Day& stored)
{
    return WorkingDayOf(stored.record.value_or(MonthFile::DayRecord {}), stored.entries);
}
