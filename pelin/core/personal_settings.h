#pragma once

#include "common/string_list.h"

#include <QStringList>

// The employee's personal settings file and the filter pool kept in it.
namespace PersonalSettings {

// "d%.14s.kvd"
QString FileName(const QString& personnelNumber);

// The value of "projfilter" cut to 300 characters, split at every "#" into
// entries of at most 14 characters.
QStringList FilterPool(const StringList& settings);

} // namespace PersonalSettings
