#include "pelin/core/pelin_dates.h"

PelinDates PelinDates::FromToday(QDate today)
{
    PelinDates dates;
    dates.today = today;
    dates.currentMonth = QDate(today.year(), today.month(), 1);
    dates.previousMonth = dates.currentMonth.addMonths(-1);
    dates.displayedDay = today;
    return dates;
}
