#pragma once

#include "common/string_list.h"

#include <QDate>
#include <QString>

// The records of the employee file "dama.kvd" that the administration program
// writes and PELIN reads at log-in.
namespace EmployeeFile {

inline constexpr int kMaxPersonnelNumber = 12;
inline constexpr int kDefaultDailyTarget = 480;

// "%.12s=%.12s#%.30s#%.5s#": the log-in text (password or directory user
// name) is the key, so PELIN finds the employee by what was typed.
QString LoginRecordLine(
    const QString& loginText, const QString& personnelNumber, const QString& name, const QString& degree);

struct LoginRecord {
    enum class Status { Ok, Empty, NumberTooLong, Malformed };
    Status status = Status::Empty;
    QString personnelNumber;
    QString name;
    QString degree;
};

// Also refuses a personnel number that would lead a file name out of its
// folder (a path separator, "..", a control character).
LoginRecord ParseLoginRecord(QStringView value);

// The line whose key equals the typed text: the first case-insensitive match
// decides, and its key must then match letter for letter. -1 when none does.
qsizetype FindLoginLine(const StringList& list, QStringView loginText);

// "msz%.12s"
QString TargetRecordKey(const QString& personnelNumber);

struct TargetTimes {
    bool freeMinutes = true;
    int dailyTarget = kDefaultDailyTarget;
    bool dailyTargetDefined = false;
    int previousMonthFullTime = 0;
    int currentMonthFullTime = 0;
};

// `previousMonth` is any day of the month before the current one; the unit
// after the one matching it holds the current month.
TargetTimes ParseTargetRecord(QStringView value, QDate previousMonth);

} // namespace EmployeeFile
