#pragma once

#include "common/closed_months.h"
#include "common/employee_file_records.h"
#include "common/file_store.h"
#include "common/month_list.h"
#include "common/string_list.h"
#include "pelin/core/filter_pool.h"
#include "pelin/core/month_sync.h"
#include "pelin/core/unsaved_changes.h"

// Everything PELIN holds about the logged-in employee; empty while nobody is
// logged in.
struct LoginState {
    bool loggedIn = false;
    QString personalFolder;
    QString personnelNumber;
    QString name;
    QString degree;

    bool freeMinutes = true;
    int dailyTarget = EmployeeFile::kDefaultDailyTarget;
    bool dailyTargetDefined = false;
    int fullTimePreviousMonth = 0;
    int fullTimeCurrentMonth = 0;
    int personalTargetPreviousMonth = 0;
    int personalTargetCurrentMonth = 0;
    int masterNumberLength = 5;
    QString caption4 = QStringLiteral("Gleitfrei");
    QString caption5 = QStringLiteral("Verwaltung");

    UnsavedChanges changes;

    StringList employeeFile;
    // The accounts KORAV provided ("dkonto.kvd"); empty without the file.
    StringList accountFile;
    StringList activityList;
    StringList personalSettings;
    // The filter dialog writes the settings back in the encoding they came in.
    TextEncoding personalSettingsEncoding = TextEncoding::Windows1252;
    FilterPool filterPool;
    StringList filteredActivities;
    // Days of these months are shown but never changed.
    ClosedMonths closedMonths;
    MonthList currentMonth;
    MonthList previousMonth;
    MonthLink currentLink;
    MonthLink previousLink;
    // Told once, not at every change, that the recovery copy failed.
    bool recoveryFailureShown = false;
};
