#pragma once

#include <QStringList>
#include <optional>

class BaseDataStore;

// "zama.kvd": one short name per line, in the administrator's order.
namespace EmployeeListFile {

inline constexpr int kMaxShortName = 10;

QStringList Load(const BaseDataStore& store);
bool Save(const BaseDataStore& store, const QStringList& names);
// The employees a dialog edits; reports a missing file with `missingText`
// (each dialog words it its own way) and an empty list, and gives nothing.
std::optional<QStringList> LoadForEditing(const BaseDataStore& store, const QString& missingText);

} // namespace EmployeeListFile
