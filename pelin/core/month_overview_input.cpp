#include "pelin/core/month_overview_input.h"

#include "common/calendar_dates.h"
#include "common/working_day.h"

MonthOverviewInput OverviewInputFor(const LoginState& state, const PelinDates& dates, QTime now)
{
    const QDate shown = dates.displayedDay;
    const bool current = dates.showsCurrentMonth();
    const MonthList& month = current ? state.currentMonth : state.previousMonth;
    MonthOverviewInput in;
    in.year = shown.year();
    in.month = shown.month();
    in.employeeName = state.name;
    in.standDate = dates.today;
    in.standTime = now;
    in.activities = state.activityList;
    in.degree = state.degree;
    in.fullTimeTarget = current ? state.fullTimeCurrentMonth : state.fullTimePreviousMonth;
    in.personalTarget = current ? state.personalTargetCurrentMonth : state.personalTargetPreviousMonth;
    for (int day = 1; day <= DaysInMonth(in.year, in.month); ++day) {
        const MonthList::Day stored = month.readDay(day);
        in.days.append({ WorkingDayOf(stored), stored.record ? stored.record->remark : QString() });
    }
    return in;
}
