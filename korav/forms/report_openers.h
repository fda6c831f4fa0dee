#pragma once

#include <QDate>

struct KoravEnvironment;
class TAuswProjekteForm;
class QWidget;

// The report dialogs the main window opens, each on the data folder chosen
// at the time of opening.
void OpenPelinMonthViewer(KoravEnvironment& environment, QDate startDate, QWidget* parent);
// `modeCode` is 30 (month), 4 (quarter) or 360 (year).
void OpenProjectOverview(KoravEnvironment& environment, TAuswProjekteForm& chooser, int modeCode,
    QDate startDate, QWidget* parent);
