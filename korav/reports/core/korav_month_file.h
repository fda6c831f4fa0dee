#pragma once

#include "common/string_list.h"

#include <QDate>
#include <QString>
#include <QStringList>

// KORAV's own month file for an employee without PELIN: one month line with
// the month working time and remark, one entry line with up to 20
// activities. Every other line of the file is kept as it stands.
namespace KoravMonthFile {

inline constexpr int kMaxStoredEntries = 30;
inline constexpr int kMaxEntries = 20;

// "auswtg/YYYYMM/" below the data folder (given with its trailing separator).
QString CollectionFolder(const QString& dataRoot, int year, int month);
// The collection folder, created when missing; "ausw/" of the data folder
// when it cannot be created.
QString PrepareMonthFolder(const QString& dataRoot, int year, int month);

// "az%4.4i%2.2i%.12smon.kvd" and PELIN's "az%4.4i%2.2i%.12s.kvd"
QString FileName(int year, int month, const QString& personnelNumber);
QString PelinFileName(int year, int month, const QString& personnelNumber);
// "az%4.4i%2.2i%.12s" and "pz%4.4i%2.2i%.12s"
QString MonthKey(int year, int month, const QString& personnelNumber);
QString EntryKey(int year, int month, const QString& personnelNumber);

// What the month line and the entry line hold. Entries are held as
// "%.14s=%8.8s%5.5s%.14s": key, date, duration HHHMM, key.
struct MonthRecord {
    QString hoursText; // three characters as stored, blanks included
    QString minutesText;
    QString remark;
    QStringList entries;
};

// "%4.4i%2.2i%2.2i%3.3s%2.2s----------------%.60s"
QString MonthLineValue(
    QDate saved, const QString& hoursText, const QString& minutesText, const QString& remark);
// The entries' values in list order, the first 30, each followed by "####".
QString EntryLineValue(const QStringList& entries);
// "%.14s=%4.4i%2.2i%2.2i%5.5s%.14s"
QString NewEntry(const QString& key, QDate made, const QString& duration);
QStringList ParseEntryValue(QStringView value);
// The duration HHHMM of an entry held as above.
QString EntryDuration(const QString& entry);

MonthRecord ReadMonth(const StringList& fileLines, int year, int month, const QString& personnelNumber);
// Writes the month line and the entry line in place, appends them when
// missing, and removes the entry line when there are no entries.
void StoreMonth(StringList& fileLines, int year, int month, const QString& personnelNumber, QDate saved,
    const MonthRecord& record);

// A missing or unreadable file gives no lines.
StringList LoadLines(const QString& path);
// UTF-8 with byte-order mark, CR LF.
bool SaveLines(const QString& path, const StringList& lines, QString* error = nullptr);

} // namespace KoravMonthFile
