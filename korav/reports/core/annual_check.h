#pragma once

#include "korav/reports/core/employee_directory.h"

#include <QDate>
#include <QStringList>

#include <optional>

class Messenger;

struct AnnualCheckRequest {
    QStringList employees; // the list entries, "00-Alle" first
    QString employee; // the selected entry, empty without a selection
    QString year;
    bool onlyMissing = false; // "Nur fehlende Monate"
};

// Which months of a year have a collected PELIN time file ('D') and a KORAV
// month file ('Z'); only the files' existence counts. Nothing when the
// selection is incomplete, after the message.
std::optional<QStringList> RunAnnualCheck(const QString& dataRoot, const EmployeeDirectory& directory,
    QDate startDate, const AnnualCheckRequest& request, Messenger& messenger);

// The years of the year selector: two before the start year and the start
// year.
QStringList AnnualCheckYears(QDate startDate);
