#pragma once

#include "common/string_list.h"
#include "korav/reports/core/report_selection.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

// Hours booked on activities, by activity and employee, with their costs at
// the employees' or the forecast hourly rate.

inline constexpr QStringView kAllActivitiesKey = u"00-Alle";

// One activity entry of an employee's month: key and minutes.
struct ActivityBooking {
    QString key;
    int minutes = 0;
};

// The lists the overview is built from, read from the data folder.
struct ProjectOverviewData {
    StringList projects; // "00-Alle=Alle Tätigkeiten" first when not empty
    QString pauseKey;
    QStringList names; // sorted, letter case ignored
    StringList numbers; // name=personnel number
    StringList rates; // the hourly-rate file

    static ProjectOverviewData Load(const QString& dataRoot, const StringList& rateFile);
};

struct ProjectOverviewInput {
    PeriodMode mode = PeriodMode::Month;
    QString periodText; // month "1" … "12" or quarter "1" … "1-4"
    int year = 0;
    QString activityKey; // ProjektNrEdit
    QString activityLabel; // ProjektBeschreibungLabel
    bool forecastRate = true;
    // The activity entries of an employee's month; nothing without a file.
    std::function<QList<ActivityBooking>(const QString& personnelNumber, int year, int month)> bookings;
    // Called once before the first employee's month and after each one:
    // months of the range × employees steps.
    std::function<void(int value, int maximum)> progress;
};

struct ProjectOverview {
    QStringList lines;
    QStringList exportLines;
};

ProjectOverview BuildProjectOverview(const ProjectOverviewData& data, const ProjectOverviewInput& input);

// The entries of the collected PELIN month file, or failing that of KORAV's
// month file, below the data folder.
QList<ActivityBooking> CollectedBookings(
    const QString& dataRoot, const QString& personnelNumber, int year, int month);

// The rate of the year and personnel number, or of the forecast: the first
// word of the value with commas read as points; 0 for anything else.
double HourlyRate(const StringList& rates, int year, const QString& personnelNumber, bool forecast);
// German style whatever the system locale: "1.234,50 €" without the sign.
QString EuroAmount(double amount);
