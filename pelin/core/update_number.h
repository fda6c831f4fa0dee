#pragma once

#include "common/string_list.h"

// Update numbers "DD.MM.YYYY HH:MM:SS" compared as "YYYYMMDD-HHMMSS" texts.
namespace UpdateNumber {

inline constexpr auto kLocalVersionFile = u"pelinlok.cfg";

// The empty text unless the number has its full 19 characters.
QString Sortable(QStringView number);
// "update_nummer" of the list, cut to 19 characters and made sortable.
QString SortableFrom(const StringList& list);
// Whether the central update is newer than the one installed here.
bool IsNewer(const StringList& employeeFile, const StringList& localVersionFile);

} // namespace UpdateNumber
