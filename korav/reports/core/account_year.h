#pragma once

#include "korav/reports/core/account_settings_file.h"

#include <QDate>

#include <array>
#include <optional>

// What one month gives the two accounts.
struct AccountMonthInput {
    bool hasData = false;
    int working = 0;
    std::optional<int> fullTimeTarget; // none when no target is kept for it
    int holidayHalves = 0;
};

struct AccountMonth {
    bool counts = false;
    int working = 0;
    int target = 0;
    int difference = 0; // 0 for a month that does not count
    int balance = 0; // after this month
    int holidayHalves = 0;
};

// One employee's year of both accounts.
struct AccountYear {
    int year = 0;
    int opening = 0;
    int entitlement = 0; // halves of a day, as all the holiday figures
    int carried = 0;
    std::array<AccountMonth, 12> months {};

    int closing() const { return months.back().balance; }
    int taken() const;
    int remaining() const { return entitlement + carried - taken(); }
    // The balance after `month` (1 to 12).
    int balanceAfter(int month) const { return months[std::size_t(month - 1)].balance; }
};

// The opening balance and the carry-over are the year's settings where set,
// else the previous year's closing balance and remaining holiday, else 0.
AccountYear ComputeAccountYear(int year, const std::array<AccountMonthInput, 12>& months, QStringView degree,
    const std::optional<AccountSettingsFile::Settings>& settings, const std::optional<AccountYear>& previous,
    QDate today);
