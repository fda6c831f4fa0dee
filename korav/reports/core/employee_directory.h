#pragma once

#include "common/string_list.h"

#include <QString>
#include <QStringList>

#include <optional>

// The employees of the master data as the month completion lists them: a
// record names its employee at its first "#" and gives the personnel number
// and degree only once its fourth "#" is reached.
struct EmployeeDirectory {
    QStringList names; // sorted, letter case ignored
    StringList numbers; // name=personnel number
    StringList degrees; // name=employment degree
    StringList shortNames; // name=short name, the key of the master data

    std::optional<QString> personnelNumber(const QString& name) const;
    std::optional<QString> degree(const QString& name) const;
    std::optional<QString> shortName(const QString& name) const;
};

EmployeeDirectory ReadEmployeeDirectory(const StringList& masterData);
// The directory of the master data ("zamasta.kvd") in the data folder.
EmployeeDirectory LoadEmployeeDirectory(const QString& dataRoot);
