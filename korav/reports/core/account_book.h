#pragma once

#include "common/holiday_calendar.h"
#include "common/key_index.h"
#include "korav/reports/core/account_year.h"
#include "korav/reports/core/employee_directory.h"
#include "korav/reports/core/employee_month.h"
#include "korav/reports/core/year_target_files.h"

#include <QDate>
#include <QHash>
#include <QString>

#include <optional>

class DataFileCodec;

// Both accounts of the employees of the data folder, from the collected
// months, the targets and the account settings. Every file is read once per
// book; a year's opening balance and carry-over reach back through the
// years that have account settings.
class AccountBook {
public:
    AccountBook(const QString& dataRoot, DataFileCodec& codec, QDate today);

    const EmployeeDirectory& directory() const { return directory_; }
    // Whether any account settings are kept.
    bool hasSettings() const { return !settings_.list().isEmpty(); }

    // Whether the employee has account settings for the year or the year
    // before.
    bool hasSettings(const QString& name, int year) const;
    // Nothing for a name without personnel number.
    std::optional<AccountYear> year(const QString& name, int year);
    // What the year takes over from the year before, for an employee named
    // by the short name: nothing unless that year has account settings.
    std::optional<AccountYear> previousYear(const QString& shortName, int year);
    // The month as read for the year last asked for.
    const EmployeeMonth& month(int month) const { return months_[std::size_t(month - 1)]; }

private:
    AccountYear compute(const QString& name, const QString& number, int year, bool keepMonths);
    std::optional<int> fullTime(
        const QString& record, const std::optional<QString>& shortName, int year, int month);
    int holidayHalves(const EmployeeMonth& month, int year, int m, int dailyTarget);

    QString dataRoot_;
    QDate today_;
    EmployeeDirectory directory_;
    KeyIndex numbers_;
    KeyIndex degrees_;
    KeyIndex shortNames_;
    QHash<QString, QString> namesByShortName_; // folded short name → name
    KeyIndex settings_;
    KeyIndex targetRecords_;
    StringList projects_;
    EmployeeMonthReader reader_;
    YearTargetFiles yearTargets_;
    HolidayCalendar holidays_;
    std::array<EmployeeMonth, 12> months_ {};
};
