#pragma once

#include <QDate>

// The dates PELIN fixes when its main window is created.
struct PelinDates {
    QDate today;
    QDate currentMonth; // first day of today's month
    QDate previousMonth; // first day of the month before
    QDate displayedDay;

    static PelinDates FromToday(QDate today);
};
