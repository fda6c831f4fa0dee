#pragma once

#include "common/month_list.h"
#include "common/working_time.h"

// The values of a stored day as the working-time arithmetic takes them.
DayWork WorkingDayOf(const MonthList::Day& stored);
DayWork WorkingDayOf(
    const MonthFile::DayRecordText& fields, const QList<MonthFile::ActivityEntryText>& entries);
