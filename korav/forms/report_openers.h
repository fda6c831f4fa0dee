#pragma once

#include <QDate>

struct KoravEnvironment;
class TAuswMonatStdForm;
class TAuswProjekteForm;
class QWidget;

// The report dialogs the main window opens, each on the data folder chosen
// at the time of opening.
void OpenPelinMonthViewer(KoravEnvironment& environment, QDate startDate, QWidget* parent);
// `modeCode` is 30 (month), 4 (quarter) or 360 (year).
void OpenProjectOverview(KoravEnvironment& environment, TAuswProjekteForm& chooser, int modeCode,
    QDate startDate, QWidget* parent);

// The report "Arbeitszeitgesetz" with the holiday settings of the data folder.
void OpenLawReport(KoravEnvironment& environment, QDate startDate, QWidget* parent);

// The timesheets of a month, for one employee or all.
void OpenTimesheets(KoravEnvironment& environment, QDate startDate, QWidget* parent);

// The month completion with KORAV's hours picker and activity chooser.
// `backupFolder`: the data folder is a backup, where nothing is saved.
void OpenMonthCompletion(KoravEnvironment& environment, TAuswMonatStdForm& hoursPicker,
    TAuswProjekteForm& chooser, bool backupFolder, QDate startDate, QWidget* mainWindow);
