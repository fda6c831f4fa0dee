#include "korav/reports/core/account_year.h"

#include "common/account_rules.h"
#include "common/working_time.h"

int AccountYear::taken() const
{
    int halves = 0;
    for (const AccountMonth& m : months)
        halves += m.holidayHalves;
    return halves;
}

AccountYear ComputeAccountYear(int year, const std::array<AccountMonthInput, 12>& months, QStringView degree,
    const std::optional<AccountSettingsFile::Settings>& settings, const std::optional<AccountYear>& previous,
    QDate today)
{
    AccountYear account;
    account.year = year;
    const std::optional<int> opening = settings ? settings->opening : std::nullopt;
    const std::optional<int> carried = settings ? settings->carried : std::nullopt;
    account.opening = opening.value_or(previous ? previous->closing() : 0);
    account.entitlement = settings ? settings->entitlement : 0;
    account.carried = carried.value_or(previous ? previous->remaining() : 0);
    int balance = account.opening;
    for (std::size_t i = 0; i < months.size(); ++i) {
        const AccountMonthInput& in = months[i];
        AccountMonth& out = account.months[i];
        out.counts = AccountRules::MonthCounts(year, int(i) + 1, in.hasData, today);
        out.working = in.hasData ? in.working : 0;
        out.target = PersonalTarget(degree, in.fullTimeTarget.value_or(0));
        out.difference = out.counts
            ? AccountRules::MonthContribution(out.working, in.fullTimeTarget.value_or(0), degree)
            : 0;
        balance += out.difference;
        out.balance = balance;
        out.holidayHalves = in.holidayHalves;
    }
    return account;
}
