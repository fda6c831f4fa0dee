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
// the employee has none (then 100 %).
MonthTarget MonthTargetOf(const StringList& employeeFile, const QString& personnelNumber, int month, int year,
    const std::optional<QString>& degreeText);

// The leading decimal number of a text ("62.5", "80 %"), 0 without one.
double LeadingDecimal(QStringView text);
