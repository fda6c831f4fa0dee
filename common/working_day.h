#pragma once

#include "common/month_list.h"
#include "common/working_time.h"

// The values of a stored day as the working-time arithmetic takes them.
DayRecord WorkingDayOf(const MonthList::Day& stored);
DayRecord WorkingDayOf(const MonthFile::DayRecord& fields, const QList<MonthFile::ActivityEntry>& entries);
