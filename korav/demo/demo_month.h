#pragma once

#include "common/month_list.h"

class DemoRandom;
class HolidayCalendar;

// How one employee of the demo firm works.
struct DemoWorkPattern {
    QStringList projects; // the projects the employee books on
    int workMinutes = 480; // a usual day's work, by the employment degree
    int dailyTarget = 480; // the firm's daily target, which an absence fills
};

// Monday to Friday of the month without its public holidays.
QList<QDate> WorkingDays(int year, int month, const HolidayCalendar& holidays);

// A month as PELIN would have recorded it: working days with coming and
// going on the 5-minute raster, a pause, two to five activities, now and
// then a day of sickness or a flexi-day and a week of holiday; weekends and
// public holidays stay free. Every day is written on the day it describes.
MonthList DemoMonth(int year, int month, const QString& personnelNumber, const DemoWorkPattern& pattern,
    const HolidayCalendar& holidays, DemoRandom& random);
