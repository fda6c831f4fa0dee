#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// Editing the entry list of a completed month. Entries are the lines
// "%.14s=%8.8s%5.5s%.14s" of KoravMonthFile.

enum class EntryRefusal { None, TooMany, Negative, NotNumeric, Zero, Duplicate };

struct AddEntryResult {
    EntryRefusal refusal = EntryRefusal::None;
    qsizetype duplicateIndex = -1; // the entry with the same key
};

// Checks the entry line's hours and key and appends the entry made today.
AddEntryResult AddMonthEntry(QStringList& entries, const QString& key, const QString& hoursText,
    const QString& minutesText, QDate today);
QString EntryRefusalMessage(EntryRefusal refusal);

// Letter case ignored; -1 when missing.
qsizetype IndexOfEntryKey(const QStringList& entries, QStringView key);

struct EntryFields {
    QString key;
    QString hours; // without leading zeros
    QString minutes; // two digits
};

EntryFields FieldsOfEntry(const QString& entry);

// The open time as hours "%i" and minutes "%2.2i", when there is any below
// the limit.
std::optional<EntryFields> OpenTimeFields(int openMinutes);
inline constexpr QStringView kNoOpenTimeMessage = u"Es liegt keine offene Zeit vor !";

// HHHMM of the two fields: 8 and 30 give 00830.
QString DurationOfFields(const QString& hoursText, const QString& minutesText);
