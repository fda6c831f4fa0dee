#pragma once

#include "common/string_list.h"

#include <QString>
#include <optional>

class BaseDataStore;

// "zmatagsoll.kvd": the daily target of employees who work another day than
// the firm's (part-time staff), one line "%.10s=HHMM" per such employee. An
// employee without a line gets the firm's daily target. The file exists only
// once a daily target of its own has been entered.
namespace DailyTargetsFile {

inline constexpr char16_t kFileName[] = u"zmatagsoll.kvd";
inline constexpr int kMaxMinutes = 12 * 60;

StringList Load(const BaseDataStore& store);
bool Save(const BaseDataStore& store, const StringList& file);

// The hours and minutes of an employee's own daily target as two-digit
// texts, or nothing when the employee has none.
struct Target {
    QString hours;
    QString minutes;
};
std::optional<Target> Of(const StringList& file, QStringView shortName);

// The entries of the master-data dialog: both empty means none; otherwise
// the refusal naming the employee, or the stored value "HHMM".
struct Checked {
    QString value;
    QString refusal;
};
Checked Check(const QString& hours, const QString& minutes, const QString& shortName);

} // namespace DailyTargetsFile
