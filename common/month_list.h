#pragma once

#include "common/file_store.h"
#include "common/month_file.h"
#include "common/string_list.h"

#include <QDate>
#include <functional>
#include <optional>

// One month of an employee's time records in memory, with the file it came
// from. Lines that are not this month's records stay where they are.
class MonthList {
public:
    enum class LoadResult { Loaded, Missing, Unreadable };

    struct Day {
        std::optional<MonthFile::DayRecordText> record;
        QList<MonthFile::ActivityEntryText> entries;
    };

    MonthList() = default;
    MonthList(int year, int month, QString personnelNumber);

    int year() const { return year_; }
    int month() const { return month_; }
    QString fileName() const;
    const StringList& lines() const { return lines_; }
    TextEncoding encoding() const { return encoding_; }
    // False after a file that exists could not be read: writing it would
    // replace the employee's records with an empty month.
    bool writable() const { return writable_; }

    LoadResult load(const QString& folder);
    // Reads the records from another file of the same month, such as a copy
    // kept for recovery; they replace the list's records.
    LoadResult loadFrom(const QString& path);
    bool save(const QString& folder, QString* error = nullptr);
    void clear();
    // Called after every change of the records, so that they can be kept
    // safe before they are saved.
    void setChangeObserver(std::function<void()> observer) { changed_ = std::move(observer); }

    Day readDay(int day) const;
    QString dayValue(int day) const;
    QString activityValue(int day) const;
    // Stores nothing when the come hour is empty.
    bool storeDay(int day, const MonthFile::DayRecordText& fields,
        const QList<MonthFile::ActivityEntryText>& entries, QDate writeDate);
    void deleteDay(int day);
    // Puts copied record values under another day's keys; refused when that
    // day already has a day record.
    bool pasteDay(int day, const QString& dayValue, const QString& activityValue);

private:
    QDate date(int day) const { return QDate(year_, month_, day); }
    QString dayKey(int day) const;
    QString activityKey(int day) const;
    void setRecord(const QString& key, const QString& value);
    void removeRecord(const QString& key);
    void notifyChange() const;

    int year_ = 0;
    int month_ = 0;
    QString personnelNumber_;
    StringList lines_;
    TextEncoding encoding_ = TextEncoding::Windows1252;
    bool writable_ = true;
    std::function<void()> changed_;
};
