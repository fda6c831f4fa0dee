#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// The records of a month file by key: every "key=value" line.
using MonthRecords = QMap<QString, QString>;

// Nothing when the file is missing, unreadable or holds a line that is no
// record (a file cut off or overwritten with something else).
std::optional<MonthRecords> ReadMonthRecords(const QString& path);

// What became of the expected records in the file at `path`: one text per
// record missing or changed, or a single text when the file cannot be read
// as a month file. Empty when every record is there unchanged.
QStringList LostRecords(const QString& path, const MonthRecords& expected);
