// The main window opens the overviews, the checks and the month completion.
#include "korav/forms/main_form.h"
#include "korav/forms/report_openers.h"

#include <QLabel>

void TMainForm::PelinMonUeBtnClick()
{
    errLabel_->clear();
    OpenPelinMonthViewer(environment_, startDate_, this);
}

void TMainForm::openProjectOverview(int mode)
{
    errLabel_->clear();
    OpenProjectOverview(environment_, *auswProjekteForm_, mode, startDate_, this);
}

void TMainForm::ProjMonatBtnClick()
{
    openProjectOverview(30);
}

void TMainForm::ProjQuartaBtnClick()
{
    openProjectOverview(4);
}

void TMainForm::ProjJahrBtnClick()
{
    openProjectOverview(360);
}

void TMainForm::showEmployeeOverview(EmployeeOverviewCommand command)
{
    errLabel_->clear();
    environment_.runModal(PrepareUeMonatMaForm(*ueMonatMaForm_, command));
}

void TMainForm::MaMonatBtnClick()
{
    showEmployeeOverview(EmployeeOverviewCommand::Month);
}

void TMainForm::MaQuartaBtnClick()
{
    showEmployeeOverview(EmployeeOverviewCommand::Quarter);
}

void TMainForm::MaJahrBtnClick()
{
    showEmployeeOverview(EmployeeOverviewCommand::Year);
}

void TMainForm::PruefJahrBtnClick()
{
    errLabel_->clear();
    environment_.runModal(PruefenDialog(*pruefenForm_));
    errLabel_->clear();
}

void TMainForm::MonatKomplettBtnClick()
{
    errLabel_->clear();
    OpenMonthCompletion(environment_, *auswMonatStdForm_, *auswProjekteForm_, programSettings_.backupFolder,
        startDate_, this);
}

void TMainForm::ArbZGBtnClick()
{
    errLabel_->clear();
    OpenLawReport(environment_, startDate_, this);
}
