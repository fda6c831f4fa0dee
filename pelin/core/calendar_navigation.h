#pragma once

#include "pelin/core/pelin_dates.h"

#include <QDate>
#include <QString>

class Messenger;

// Stepping the displayed day within the two editable months. Each step
// returns the new displayed day, or the same day after telling the user why
// it stays.
namespace CalendarNavigation {

QDate PreviousDay(QDate shown, const PelinDates& dates, Messenger& messenger);
QDate NextDay(QDate shown, const PelinDates& dates, Messenger& messenger);
QDate PreviousMonth(QDate shown, const PelinDates& dates, Messenger& messenger);
QDate NextMonth(QDate shown, const PelinDates& dates, Messenger& messenger);
// A week back (weeks -1) or on (weeks 1); into another month only where a
// day step could go there.
QDate StepWeek(QDate shown, int weeks, const PelinDates& dates, Messenger& messenger);

} // namespace CalendarNavigation

// The date texts beside the calendar.
struct DateTexts {
    QString day; // " Montag  04.03.2024"
    QString dayShort; // "   4."
    QString month; // "März"
    QString year; // "2024"

    static DateTexts Of(QDate date);
};
