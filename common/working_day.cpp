#include "common/working_day.h"

DayWork WorkingDayOf(
    const MonthFile::DayRecordText& fields, const QList<MonthFile::ActivityEntryText>& entries)
{
    DayWork day;
    day.times = DayTimes::FromFields(fields.comeHour, fields.comeMinute, fields.goHour, fields.goMinute);
    for (const MonthFile::ActivityEntryText& entry : entries)
        day.entries.append({ entry.activity, entry.minutes() });
    return day;
}

DayWork WorkingDayOf(const MonthList::Day& stored)
{
    return WorkingDayOf(stored.record.value_or(MonthFile::DayRecordText {}), stored.entries);
}
