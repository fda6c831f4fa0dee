#pragma once

#include "common/string_list.h"

#include <QString>

#include <optional>

// The month's target of an employee, from the "msz" record of the PELIN
// employee file, scaled by the employment degree.
struct MonthTarget {
    bool hasRecord = false;
    double percentage = 100.0;
    int fullTime = 0;
    int target = 0;
    QString label; // SollZeitLabel; empty without a record
    QString hint; // its tooltip
};

// `degreeText` is the degree of the employee's master data, missing when
// the employee has none (then 100 %). `yearFileFullTime`, the target of the
// year's target file, serves a month that no unit of the record names.
MonthTarget MonthTargetOf(const StringList& employeeFile, const QString& personnelNumber, int month, int year,
    const std::optional<QString>& degreeText, std::optional<int> yearFileFullTime = std::nullopt);

// The full-time minutes of the unit of an "msz" value (the part after "=")
// that names this month and year; none when no unit does.
std::optional<int> UnitFullTime(QStringView recordValue, int month, int year, int searchedUnits = 14);

// The leading decimal number of a text ("62.5", "80 %"), 0 without one.
double LeadingDecimal(QStringView text);
