#pragma once

#include "common/string_list.h"

#include <QString>

#include <optional>

// "dkonto.kvd": the accounts KORAV provides to PELIN beside the employee
// file, one line "kto%.12s=%4.4i%2.2i#%i#%4.4i#%i#%i#%i#" per employee with
// account settings: the month up to whose end the balance runs, the balance
// in minutes carried into the month after it, the holiday year, the days
// remaining in it and the days taken in that month and the one after (all
// days in halves). Scrambled like the employee file.
namespace ProvidedAccount {

inline constexpr char16_t kFileName[] = u"dkonto.kvd";

struct Record {
    int year = 0;
    int month = 0; // up to its end the balance runs
    int balance = 0;
    int holidayYear = 0;
    int remaining = 0;
    int takenInMonth = 0;
    int takenInNextMonth = 0;

    bool operator==(const Record&) const = default;
};

QString Line(const QString& personnelNumber, const Record& record);
// Nothing without a line for the employee, or for one that cannot be read.
std::optional<Record> Find(const StringList& file, const QString& personnelNumber);

} // namespace ProvidedAccount
