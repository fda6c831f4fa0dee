#pragma once

#include <QDate>
#include <QString>

#include <optional>

class HolidayCalendar;
struct LoginState;

// What the month values show of the accounts KORAV provided: nothing for an
// employee without a provided account.
struct AccountDisplay {
    int balance = 0; // minutes
    std::optional<int> remaining; // halves of a day; none for another year
    QString balanceText; // "-12:30 "
    QString remainingText; // "27,5 Tage"
};

// The balance up to the provided month, then each of PELIN's two months
// after it: the previous month against its target, the current month so far
// against its target up to today. The remaining holiday counts the days of
// PELIN's months as they stand now instead of those KORAV had collected.
std::optional<AccountDisplay> AccountDisplayOf(
    const LoginState& state, QDate today, const HolidayCalendar& holidays);
