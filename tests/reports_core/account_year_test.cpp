#include "korav/reports/core/account_year.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kH = 60;

std::array<AccountMonthInput, 12> FullTimeMonths(int fullTime)
{
    std::array<AccountMonthInput, 12> months {};
    for (AccountMonthInput& m : months)
        m.fullTimeTarget = fullTime;
    return months;
}

} // namespace

// Each case is one month of a year whose other months do not change the
// balance (no target, today in the year after).
TEST(AccountYear, MonthChangesTheBalanceByWorkingTimeLessItsOwnTarget)
{
    const struct {
        const char* what;
        AccountMonthInput month;
        QString degree;
        QDate today;
        bool counts;
        int difference;
    } cases[] = {
        { "full time", { true, 170 * kH, 160 * kH, 0 }, u"100"_s, { 2025, 3, 1 }, true, 10 * kH },
        { "part time", { true, 90 * kH, 160 * kH, 0 }, u"50"_s, { 2025, 3, 1 }, true, 10 * kH },
        { "missing past month", { false, 0, 160 * kH, 0 }, u"50"_s, { 2025, 3, 1 }, true, -80 * kH },
        { "future month", { true, 20 * kH, 160 * kH, 0 }, u"100"_s, { 2024, 5, 1 }, false, 0 },
        { "current month without data", { false, 0, 160 * kH, 0 }, u"100"_s, { 2024, 6, 10 }, false, 0 },
        { "current month with data", { true, 20 * kH, 160 * kH, 0 }, u"100"_s, { 2024, 6, 10 }, true,
            -140 * kH },
        { "no target kept", { true, 20 * kH, std::nullopt, 0 }, u"100"_s, { 2025, 1, 1 }, true, 20 * kH },
    };
    for (const auto& c : cases) {
        std::array<AccountMonthInput, 12> months {};
        months[5] = c.month;
        const AccountYear year
            = ComputeAccountYear(2024, months, c.degree, std::nullopt, std::nullopt, c.today);
        EXPECT_EQ(year.months[5].counts, c.counts) << c.what;
        EXPECT_EQ(year.months[5].difference, c.difference) << c.what;
        EXPECT_EQ(year.closing(), c.difference) << c.what;
    }
}

TEST(AccountYear, BalanceRunsFromTheOpeningBalance)
{
    std::array<AccountMonthInput, 12> months = FullTimeMonths(160 * kH);
    months[0] = { true, 165 * kH, 160 * kH, 0 };
    months[1] = { true, 150 * kH, 160 * kH, 0 };
    const AccountYear year = ComputeAccountYear(2024, months, u"100"_s,
        AccountSettingsFile::Settings { 12 * kH, 60, std::nullopt }, std::nullopt, QDate(2024, 3, 5));
    EXPECT_EQ(year.opening, 12 * kH);
    EXPECT_EQ(year.balanceAfter(1), 17 * kH);
    EXPECT_EQ(year.balanceAfter(2), 7 * kH);
    EXPECT_EQ(year.closing(), 7 * kH); // March has no data yet, later months never count
}

TEST(AccountYear, YearChangeCarriesClosingBalanceAndRemainingHoliday)
{
    std::array<AccountMonthInput, 12> last = FullTimeMonths(0);
    last[11] = { true, 10 * kH, 0, 5 }; // 2,5 days in December
    const AccountYear previous = ComputeAccountYear(2023, last, u"100"_s,
        AccountSettingsFile::Settings { -2 * kH, 60, 4 }, std::nullopt, QDate(2024, 1, 10));
    EXPECT_EQ(previous.closing(), 8 * kH);
    EXPECT_EQ(previous.remaining(), 59); // 30 + 2 - 2,5

    std::array<AccountMonthInput, 12> next = FullTimeMonths(0);
    next[0].holidayHalves = 2;
    const struct {
        const char* what;
        std::optional<AccountSettingsFile::Settings> settings;
        int opening;
        int carried;
        int remaining;
    } cases[] = {
        { "computed", AccountSettingsFile::Settings { std::nullopt, 60, std::nullopt }, 8 * kH, 59, 117 },
        { "overridden", AccountSettingsFile::Settings { 1 * kH, 56, 10 }, 1 * kH, 10, 64 },
        { "no settings of the year", std::nullopt, 8 * kH, 59, 57 },
    };
    for (const auto& c : cases) {
        const AccountYear year
            = ComputeAccountYear(2024, next, u"100"_s, c.settings, previous, QDate(2024, 1, 10));
        EXPECT_EQ(year.opening, c.opening) << c.what;
        EXPECT_EQ(year.carried, c.carried) << c.what;
        EXPECT_EQ(year.remaining(), c.remaining) << c.what;
    }
}
