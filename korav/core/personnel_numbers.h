#pragma once

#include "common/string_list.h"

#include <optional>

class BaseDataStore;

// Short name → personnel number ("%s=%s" lines) for every employee of the
// rows that has a master-data record. Nothing, after a message naming the
// employee, when a record lacks its personnel number.
std::optional<StringList> BuildPersonnelNumberMap(const BaseDataStore& store, const QStringList& rows);

// The short names sorted without regard to case, as the target-time and
// rate dialogs show them.
QStringList SortedEmployeeRows(QStringList names);
