#pragma once

#include <QDate>

// The dates PELIN fixes when its main window is created.
struct PelinDates {
    QDate today;
    QDate currentMonth; // first day of today's month
    QDate previousMonth; // first day of the month before
    QDate displayedDay;

    // Only the current and the previous month can be shown, so the month
    // number alone tells them apart.
    bool inCurrentMonth(QDate day) const { return day.month() == currentMonth.month(); }
    bool showsCurrentMonth() const { return inCurrentMonth(displayedDay); }

    static PelinDates FromToday(QDate today);
};
