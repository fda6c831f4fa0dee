#pragma once

#include "common/string_list.h"

class BaseDataStore;

// "zprojekte.kvd" and "zsonstige.kvd": "%.14s=%.100s" lines, kept sorted by
// number without regard to case.
namespace ActivityListFile {

inline constexpr int kMaxNumber = 14;
inline constexpr int kMaxDescription = 100;

QString Line(QStringView number, QStringView description);
// A sorted list, so that added lines go to their place.
StringList Load(const BaseDataStore& store, QStringView fileName);
bool Save(const BaseDataStore& store, QStringView fileName, const StringList& file);

} // namespace ActivityListFile
