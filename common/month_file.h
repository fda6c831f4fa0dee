#pragma once

#include <QDate>
#include <QList>
#include <QString>

// The records of one employee's monthly time file, as text. Readers accept
// values of any length: what is missing reads as empty.
namespace MonthFile {

inline constexpr int kMaxStoredEntries = 30;
inline constexpr int kRemarkWidth = 60;

// "az%4.4i%2.2i%.12s.kvd"
QString FileName(int year, int month, const QString& personnelNumber);
// "az%4.4i%2.2i%2.2i%.12s" and "pz%4.4i%2.2i%2.2i%.12s"
QString DayKey(QDate day, const QString& personnelNumber);
QString ActivityKey(QDate day, const QString& personnelNumber);
// "%.23s=%.936s"
QString RecordLine(const QString& key, const QString& value);

struct DayRecord {
    QString writeDate; // YYYYMMDD of the last write, not the day described
    QString comeHour;
    QString comeMinute;
    QString goHour;
    QString goMinute;
    QString remark;

    bool operator==(const DayRecord&) const = default;
};

QString FormatDayValue(const DayRecord& record);
DayRecord ParseDayValue(QStringView value);

struct ActivityEntry {
    QString date; // YYYYMMDD on which the entry was made
    QString duration; // HHHMM
    QString activity; // activity number, at most 14 characters

    int minutes() const;
    QString text() const;
    bool operator==(const ActivityEntry&) const = default;
};

// The first 30 entries, each followed by "####".
QString FormatActivityValue(const QList<ActivityEntry>& entries);
QList<ActivityEntry> ParseActivityValue(QStringView value);

// HHHMM from the hour and minute fields of the entry editor: "1" and "30"
// give 00130.
QString DurationText(const QString& hourField, const QString& minuteField);

QString DateText(QDate date);

} // namespace MonthFile
