#include "pelin/core/account_display.h"

#include "common/account_rules.h"
#include "common/calendar_dates.h"
#include "common/holiday_calendar.h"
#include "common/provided_account.h"
#include "common/working_day.h"
#include "pelin/core/login_state.h"

using namespace Qt::StringLiterals;

namespace {

struct MonthFigures {
    int working = 0;
    int holidayHalves = 0;
};

MonthFigures FiguresOf(const MonthList& month, const LoginState& state, const HolidayCalendar& holidays)
{
    const PauseActivities pauses(state.activityList);
    const AccountRules::HolidayActivities holiday(state.activityList);
    QList<DayWork> days;
    MonthFigures figures;
    for (int d = 1; d <= DaysInMonth(month.year(), month.month()); ++d) {
        const MonthList::Day stored = month.readDay(d);
        days.append(WorkingDayOf(stored));
        int minutes = 0;
        for (const MonthFile::ActivityEntryText& entry : stored.entries)
            minutes += holiday.contains(entry.activity) ? entry.minutes() : 0;
        if (minutes > 0 && AccountRules::IsWorkingDay(QDate(month.year(), month.month(), d), holidays))
            figures.holidayHalves += AccountRules::HolidayHalves(minutes, state.dailyTarget);
    }
    figures.working = ComputeMonthValues(days, pauses, 0).actual();
    return figures;
}

} // namespace

std::optional<AccountDisplay> AccountDisplayOf(
    const LoginState& state, QDate today, const HolidayCalendar& holidays)
{
    const std::optional<ProvidedAccount::Record> record
        = ProvidedAccount::Find(state.accountFile, state.personnelNumber);
    if (!record)
        return std::nullopt;
    const int provided = AccountRules::MonthNumber(record->year, record->month);
    AccountDisplay display;
    display.balance = record->balance;
    std::optional<int> remaining;
    if (today.year() == record->holidayYear)
        remaining = record->remaining;
    for (const MonthList* month : { &state.previousMonth, &state.currentMonth }) {
        const bool current = month == &state.currentMonth;
        const int number = AccountRules::MonthNumber(month->year(), month->month());
        const MonthFigures figures = FiguresOf(*month, state, holidays);
        if (number > provided) {
            const int target = current
                ? AccountRules::TargetUpTo(state.personalTargetCurrentMonth, today, holidays)
                : state.personalTargetPreviousMonth;
            display.balance += figures.working - target;
        }
        if (remaining && month->year() == record->holidayYear) {
            const int collected = number == provided ? record->takenInMonth
                : number == provided + 1             ? record->takenInNextMonth
                                                     : 0;
            *remaining += collected - figures.holidayHalves;
        }
    }
    display.remaining = remaining;
    display.balanceText = AccountRules::BalanceText(display.balance) + u' ';
    if (remaining)
        display.remainingText = AccountRules::DaysText(*remaining) + u" Tage"_s;
    return display;
}
