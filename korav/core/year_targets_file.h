#pragma once

#include "common/string_list.h"

class BaseDataStore;

// "zmonsoll<year>.kvd": the monthly full-time target of every employee, in
// decimal hours or "nuvo" for a month without target.
namespace YearTargetsFile {

inline constexpr char16_t kNoTarget[] = u"nuvo";

// Key "%.4i%.2i%s", value "%10.10s".
QString Line(int year, int month, QStringView shortName, QStringView target);
// The target of a month as stored, or empty when the line is missing.
QString Target(const StringList& file, int year, int month, QStringView shortName);

StringList Load(const BaseDataStore& store, int year);
bool Save(const BaseDataStore& store, int year, const StringList& file);

} // namespace YearTargetsFile
