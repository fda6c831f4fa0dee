#pragma once

#include "common/string_list.h"

#include <QList>
#include <QString>

// Minutes per activity key in the order of first appearance; keys match
// without regard to letter case, as the list lookups of the files do.
class ActivityMinutes {
public:
    struct Item {
        QString key;
        int minutes = 0;
    };

    void add(const QString& key, int minutes);
    void add(const ActivityMinutes& other);
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
    int known = 0; // time of activities in the project list, pause excluded
    int open = 0;
    ActivityMinutes activities;

    int working() const { return attendance - pause; }
    int assigned() const { return activities.total(); }
};

// From "auswtg/YYYYMM/" below the data root: the collected PELIN time file,
// failing that the KORAV month file, failing both a month without data.
EmployeeMonth EvaluateEmployeeMonth(const QString& dataRoot, const QString& personnelNumber, int year,
    int month, int target, const StringList& projects);
