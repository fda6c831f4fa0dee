#pragma once

#include "common/account_rules.h"
#include "common/string_list.h"
#include "common/working_time.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVarLengthArray>

#include <array>

// Minutes per activity key in the order of first appearance; keys match
// without regard to letter case, as the list lookups of the files do.
class ActivityMinutes {
public:
    struct Item {
        QString key;
        int minutes = 0;
    };

    // The index of the key's item.
    qsizetype add(const QString& key, int minutes);
    void add(const ActivityMinutes& other);
    void addAt(qsizetype index, int minutes) { items_[index].minutes += minutes; }
    const QList<Item>& items() const { return items_; }
    bool isEmpty() const { return items_.isEmpty(); }
    int total() const;
    // Ascending by the "key=minutes" text, letter case ignored.
    QList<Item> sorted() const;

private:
    QList<Item> items_;
};

// One employee's month as the employee overview evaluates it.
struct EmployeeMonth {
    QChar marker = u'-'; // 'D' PELIN time file, 'Z' KORAV month file
    QString stand = QStringLiteral("n.vorh.");
    bool hasData = false;
    int attendance = 0;
    int pause = 0;
    ActivityMinutes activities; // every entry but the pause, listed or not
    // Minutes booked on holiday per day of the month, when the reader counts
    // them; a KORAV month file has no days and keeps its holiday at index 0.
    std::array<int, 32> holidayMinutes {};

    int working() const { return attendance - pause; }
    int assigned() const { return activities.total(); }
    int open() const { return working() - assigned(); }
};

// Evaluates the months of a report against one activity list; what an
// activity key counts as is looked up once, not per entry.
class EmployeeMonthReader {
public:
    EmployeeMonthReader(QString dataRoot, const StringList& projects);

    // From now on the months also count the minutes booked on these
    // activities per day.
    void countHolidays(AccountRules::HolidayActivities holidays) { holidays_ = std::move(holidays); }

    // From "auswtg/YYYYMM/" below the data root: the collected PELIN time
    // file, failing that the KORAV month file, failing both a month without
    // data.
    EmployeeMonth read(const QString& personnelNumber, int year, int month, int target);

private:
    enum class Kind : char { Other, Pause, Holiday };
    using Activities = QHash<QString, Kind>;

    // An activity spelling met in the month being read, with the item its
    // minutes go to (none for a pause). A month uses few spellings: a look
    // through them is cheaper than the hash.
    struct MonthActivity {
        QStringView text;
        Kind kind = Kind::Other;
        qsizetype item = -1;
    };
    using MonthActivities = QVarLengthArray<MonthActivity, 16>;

    void readPelinFile(
        EmployeeMonth& m, QStringView text, const QString& personnelNumber, int year, int month);
    void addPelinDay(
        EmployeeMonth& m, int day, QStringView dayValue, QStringView activityValue, MonthActivities& seen);
    const MonthActivity& monthActivity(EmployeeMonth& m, QStringView text, MonthActivities& seen);
    Activities::const_iterator activity(QStringView key);

    QString dataRoot_;
    PauseActivities pauses_;
    AccountRules::HolidayActivities holidays_;
    Activities activities_;
};
