#pragma once

#include "common/string_list.h"

class BaseDataStore;

// "zprojekte.kvd" and "zsonstige.kvd": "%.14s=%.100s" lines, kept sorted by
// number without regard to case.
namespace ActivityListFile {

inline constexpr int kMaxNumber = 14;
inline constexpr int kMaxDescription = 100;

QString Line(QStringView number, QStringView description);
// Sorted by number. The comparison takes the numbers alone: whole lines
// would put "a15=…" before "A1=…".
StringList Load(const BaseDataStore& store, QStringView fileName);
// Inserts a line at the place of its number, after equal numbers.
void Insert(StringList& list, const QString& line);
bool Save(const BaseDataStore& store, QStringView fileName, const StringList& file);

} // namespace ActivityListFile
