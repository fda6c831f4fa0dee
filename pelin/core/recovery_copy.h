#pragma once

#include "common/month_list.h"

#include <QString>

// A copy of a changed month in the personal folder, written after every
// change, so that a crash or a power cut loses nothing entered since the
// log-in. It is never uploaded; the next log-in offers to take it over.
namespace RecoveryCopy {

// "wiederherst_" + the month file's name.
QString FileName(const QString& monthFileName);
// A copy declined at log-in keeps its records under the date it was written:
// "wiederherst_<yyyyMMdd_HHmmss>_" + the month file's name.
QString DatedName(const QString& monthFileName, const QDateTime& written);

bool Write(const QString& folder, const MonthList& month);
bool Remove(const QString& folder, const QString& monthFileName);
// Renames the copy to its dated name; it is no longer offered.
bool SetAside(const QString& folder, const QString& monthFileName);

} // namespace RecoveryCopy
