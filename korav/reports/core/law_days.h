#pragma once

#include "common/working_time_law.h"

#include <QList>
#include <QString>

#include <optional>

// The days of one employee's month as the working-time law checks judge
// them, from the PELIN time file collected into "auswtg/YYYYMM/" below the
// data root: every day of the month, a day without record as one without
// coming. Nothing when the month has no such file.
std::optional<QList<LawDay>> CollectedLawDays(
    const QString& dataRoot, const QString& personnelNumber, int year, int month);
