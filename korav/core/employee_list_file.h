#pragma once

#include <QStringList>

class BaseDataStore;

// "zama.kvd": one short name per line, in the administrator's order.
namespace EmployeeListFile {

inline constexpr int kMaxShortName = 10;

QStringList Load(const BaseDataStore& store);
bool Save(const BaseDataStore& store, const QStringList& names);

} // namespace EmployeeListFile
