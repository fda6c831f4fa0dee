#pragma once

#include <QString>

// The employee's personal settings file; its "projfilter" is the filter pool.
namespace PersonalSettings {

// "d%.14s.kvd"
QString FileName(const QString& personnelNumber);

} // namespace PersonalSettings
