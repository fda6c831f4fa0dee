#pragma once

#include "common/working_time_law.h"

#include <QString>

// The export lines of the report "Arbeitszeitgesetz", by position as the
// other overviews' lines: type 0–4 ("Tag" or "Summe"), employee 6–35, date
// or period 37–46, weekday 48–50, start 52–56, end 58–62, working time
// 64–69, pause 71–76, rest 78–83, rule 85–87, count 89–93, text from 95.

QString LawFindingLine(const QString& employee, const LawFinding& finding);
QString LawCountLine(const QString& employee, const QString& period, LawRule rule, int count);

// "hh:mm" of minutes after midnight
QString ClockText(int minutes);
// "%3i:%2.2i"
QString LawDurationText(int minutes);
// "Mo" … "So"
QString ShortWeekday(QDate date);
