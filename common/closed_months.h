#pragma once

#include "common/string_list.h"

#include <QDate>
#include <QString>

// The last closed month: it and every month before it are closed for
// changes. KORAV keeps it in its data folder and provides it to PELIN with
// the base data; where neither file exists, nothing is closed.
class ClosedMonths {
public:
    ClosedMonths() = default;
    ClosedMonths(int year, int month);

    // "abschluss=YYYYMM"; a missing or malformed line closes nothing.
    static ClosedMonths FromLines(const StringList& lines);
    // Reads the file; a missing, unreadable or malformed file closes nothing.
    static ClosedMonths FromFile(const QString& path);
    StringList toLines() const;

    bool any() const { return year_ > 0; }
    int year() const { return year_; }
    int month() const { return month_; }
    bool closes(int year, int month) const;
    bool closes(QDate day) const { return closes(day.year(), day.month()); }
    // "MM/YYYY"; empty when nothing is closed.
    QString text() const;

    bool operator==(const ClosedMonths& other) const = default;
    // Later months compare greater; nothing closed is the least.
    bool operator<(const ClosedMonths& other) const;

private:
    int year_ = 0;
    int month_ = 0;
};

namespace ClosedMonthsFile {
// KORAV's record in its data folder.
inline constexpr char16_t kRecord[] = u"zabschluss.kvd";
// The copy provided to PELIN beside the employee file.
inline constexpr char16_t kProvided[] = u"dabschluss.kvd";
// The history of every change of the closing month, in the data folder.
inline constexpr char16_t kLog[] = u"abschluss.log";
} // namespace ClosedMonthsFile
