#pragma once

#include "common/key_index.h"

#include <QHash>
#include <QString>

#include <optional>

// The monthly full-time targets the administrator keeps per year
// ("zmonsoll<year>.kvd"), read when a report needs a month that the target
// records handed to PELIN no longer cover. Each year's file is read once.
class YearTargetFiles {
public:
    explicit YearTargetFiles(QString dataRoot);

    // Minutes of the month's full-time target; none for a missing line or
    // "nuvo".
    std::optional<int> fullTime(const QString& shortName, int year, int month);

private:
    const KeyIndex& year(int year);

    QString dataRoot_;
    QHash<int, KeyIndex> years_;
};

// A month's full-time target: the one PELIN was given for that month and
// year (a unit of the "msz" record value), else the one of the year's
// target file; none when neither holds one.
std::optional<int> MonthFullTime(QStringView targetRecord, YearTargetFiles& yearFiles,
    const std::optional<QString>& shortName, int year, int month);

// One month's full-time target from its year's file; none without a short
// name.
std::optional<int> YearFileFullTime(
    const QString& dataRoot, const std::optional<QString>& shortName, int year, int month);

// Minutes of a stored decimal hours value: the whole hours, and the two
// digits after the point (one digit counting as tens) × 60 / 100.
std::optional<int> YearTargetMinutes(QStringView value);
