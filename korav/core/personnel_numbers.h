#pragma once

#include "common/string_list.h"

#include <optional>

class BaseDataStore;

// Short name → personnel number ("%s=%s" lines) for every employee of the
// rows that has a master-data record. Nothing, after a message naming the
// employee, when a record lacks its personnel number.
std::optional<StringList> BuildPersonnelNumberMap(const BaseDataStore& store, const QStringList& rows);
// The same without a message: employees without a number are left out, for
// callers whose own checks name them.
StringList KnownPersonnelNumbers(const BaseDataStore& store, const QStringList& rows);

// The short names sorted without regard to case, as the target-time and
// rate dialogs show them.
QStringList SortedEmployeeRows(QStringList names);
