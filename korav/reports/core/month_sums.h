#pragma once

#include "common/open_time_colours.h"
#include "common/string_list.h"
#include "korav/reports/core/korav_month_file.h"

#include <QString>
#include <QStringList>

#include <optional>

// An open time this large (1000 hours) is not shown; the label keeps what
// it showed before.
inline constexpr int kMonthOpenLimit = 60000;

// The totals of a completed month and how the dialog shows them.
struct MonthSums {
    int working = 0;
    int assigned = 0;
    int open = 0;
    int difference = 0;

    QString workingText; // MonArbLabel and MonArbLabel2
    QString assignedText; // ZugeordnetLabel
    // OffenLabel; empty optional when the limit was exceeded and the label
    // keeps its text and colour.
    std::optional<QString> openText;
    std::optional<Rgb> openColour;
    bool openBarShown = false; // OffenLabelFarbe, in kOpenOrangeStripe
    bool openLimitExceeded = false;
    QString differenceText; // DiffZeitLabel
    Rgb differenceColour;
};

// Working time from the two time fields, assigned time from the entries'
// durations (characters 8 to 12 of each value), difference to the target.
MonthSums ComputeMonthSums(
    const QString& hoursText, const QString& minutesText, const QStringList& entries, int targetMinutes);

// A KORAV month file's month for the reports, as the dialog would show it:
// the month's record and its totals.
struct KoravMonthTotals {
    KoravMonthFile::MonthRecord record;
    MonthSums sums;

    int working() const { return sums.working; }
    int assigned() const { return sums.assigned; }
    int open() const { return sums.open; }
    const QStringList& entries() const { return record.entries; }
};

KoravMonthTotals KoravMonthSums(
    const StringList& fileLines, const QString& personnelNumber, int year, int month, int targetMinutes);

inline constexpr QStringView kMonthOpenLimitMessage
    = u"Der maximale Offen-Wert wurde überschritten (max. 1000 Std.)  ";

// "%4i:%2.2i " of the absolute value; a negative value puts its "-" on the
// second place when that is blank, else on the first, and in front when
// both hold digits.
QString MonthDifferenceText(int minutes);
// The duration of an entry row: three hour places with leading zeros
// blanked ("  8:30", "100:00").
QString EntryDurationText(QStringView hhhmm);
