#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVarLengthArray>

#include <array>
#include <optional>

// The records of one employee's monthly time file, as text. Readers accept
// values of any length: what is missing reads as empty.
namespace MonthFile {

inline constexpr int kMaxStoredEntries = 30;
inline constexpr int kRemarkWidth = 60;
// An activity number's width in an entry and in the activity lists.
inline constexpr int kActivityWidth = 14;

// "az%4.4i%2.2i%.12s.kvd"
QString FileName(int year, int month, const QString& personnelNumber);
// "az%4.4i%2.2i%2.2i%.12s" and "pz%4.4i%2.2i%2.2i%.12s"
QString DayKey(QDate day, const QString& personnelNumber);
QString ActivityKey(QDate day, const QString& personnelNumber);
// "%.23s=%.936s"
QString RecordLine(const QString& key, const QString& value);

// A day record's fields as the file holds them.
struct DayRecordText {
    QString writeDate; // YYYYMMDD of the last write, not the day described
    QString comeHour;
    QString comeMinute;
    QString goHour;
    QString goMinute;
    QString remark;

    bool operator==(const DayRecordText&) const = default;
};

QString FormatDayValue(const DayRecordText& record);
DayRecordText ParseDayValue(QStringView value);

// The clock fields of a day value, pointing into it.
struct DayClockViews {
    QStringView comeHour;
    QStringView comeMinute;
    QStringView goHour;
    QStringView goMinute;
};

DayClockViews DayClockFields(QStringView value);

// An activity entry's fields as the file holds them.
struct ActivityEntryText {
    QString date; // YYYYMMDD on which the entry was made
    QString duration; // HHHMM
    QString activity; // activity number, at most 14 characters

    int minutes() const;
    QString text() const;
    bool operator==(const ActivityEntryText&) const = default;
};

// The first 30 entries, each followed by "####".
QString FormatActivityValue(const QList<ActivityEntryText>& entries);
QList<ActivityEntryText> ParseActivityValue(QStringView value);

// An entry of an activity value, pointing into it: for readers that go
// through many months and keep none of the texts.
struct ActivityEntryView {
    QStringView date;
    QStringView duration;
    QStringView activity;
};

QVarLengthArray<ActivityEntryView, kMaxStoredEntries> ActivityEntryViews(QStringView value);

// One employee's day and activity values of a month, found in one pass over
// the file's text, pointing into it, by the key rule of common/key_index.h.
class MonthRecords {
public:
    MonthRecords(QStringView text, int year, int month, const QString& personnelNumber);

    int days() const { return days_; }
    // Empty for a day without a record and for a day outside the month.
    QStringView dayValue(int day) const { return found(dayValues_, day); }
    QStringView activityValue(int day) const { return found(activityValues_, day); }

private:
    using Values = std::array<std::optional<QStringView>, 32>;

    void readLine(QStringView line);
    void keep(Values& values, int day, QStringView value);
    QStringView found(const Values& values, int day) const;

    int days_ = 0;
    qsizetype dayAt_ = 0; // place of the day's two digits in a key
    QString dayKey_; // case-folded record keys of the month's first day
    QString activityKey_;
    Values dayValues_ {};
    Values activityValues_ {};
};

// HHHMM from the hour and minute fields of the entry editor: "1" and "30"
// give 00130.
QString DurationText(const QString& hourField, const QString& minuteField);

QString DateText(QDate date);

} // namespace MonthFile
