#pragma once

#include "common/working_time.h"

#include <QString>

// Texts of the day and month values. Every text ends with one blank; a value
// that is not shown reads "--- ".

inline constexpr QStringView kNoTimeText = u"--- ";

// "%3i:%.2i " of the absolute value: hours wide enough for three digits.
QString FormatHoursMinutes(int minutes);

struct DayTexts {
    QString attendance;
    QString pause;
    QString working;
    QString assigned;
    QString open;
};

DayTexts FormatDayValues(const DayValues& values);

struct MonthTexts {
    QString actual;
    QString target;
    QString difference;
    QString assigned;
    QString open;
};

MonthTexts FormatMonthValues(const MonthValues& values);

// Hint of the month target naming the degree and the full-time target. The
// previous month shows the degree as its label does, with a blank before
// it and without the doubled percent sign.
QString TargetHint(QStringView degree, int fullTimeTarget, bool currentMonth);
