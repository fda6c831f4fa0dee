#pragma once

#include "common/string_list.h"
#include "korav/reports/core/employee_directory.h"
#include "korav/reports/core/employee_month.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class AccountBook;
class DataFileCodec;

// One day of a timesheet, as recorded in the employee's PELIN month file.
struct TimesheetDay {
    QDate date;
    bool recorded = false; // the day has a day record
    QString come; // "HH:MM", empty without a record
    QString go;
    int pause = 0;
    int working = 0;
    QList<ActivityMinutes::Item> activities; // every entry but the pauses, in entry order
};

// One employee's month to be signed by the employee and the supervisor.
struct Timesheet {
    QString name;
    QString personnelNumber;
    int year = 0;
    int month = 0;
    QList<TimesheetDay> days; // every day of the month; none recorded for a month entered in KORAV
    EmployeeMonth totals; // the month as the employee overview counts it
    int target = 0;
    // The employee's working-time account for the month, one printed line
    // each; empty where no account is kept.
    QStringList accountLines;

    bool hasData() const { return totals.hasData; }
};

// What a timesheet is read from: the data folder with its trailing
// separator, its employees, the PELIN employee file (for the targets) and
// the activity list (for the pauses).
struct TimesheetSource {
    QString dataRoot;
    EmployeeDirectory directory;
    StringList employeeFile;
    StringList activities;
    // Only where account settings are kept; `today` decides which months
    // count toward the balance.
    std::shared_ptr<AccountBook> accounts;

    static TimesheetSource Load(const QString& dataRoot, DataFileCodec& codec, QDate today = {});
};

// Nothing for a name without a personnel number.
std::optional<Timesheet> ReadTimesheet(
    const TimesheetSource& source, const QString& name, int year, int month);

// The lines of the printout: the days, the month values, the account lines
// and the signature lines with their date fields. A month of 31 days fits on
// one landscape page.
QStringList TimesheetLines(const Timesheet& sheet);
// "Stundenzettel %2.2i/%4.4i   Mitarbeiter : %s"
QString TimesheetTitle(const Timesheet& sheet);
// "stundenzettel_%s_%4.4i_%2.2i.pdf", every blank and path separator of the
// name as "_": one file per employee and month, also in a folder of all.
QString TimesheetFileName(const Timesheet& sheet);
