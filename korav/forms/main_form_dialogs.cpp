// The main window opens the dialogs that maintain the base data.
#include "korav/core/base_data_store.h"
#include "korav/core/employee_list_file.h"
#include "korav/core/master_data_editor.h"
#include "korav/core/target_times_editor.h"
#include "korav/forms/admin_pass_form.h"
#include "korav/forms/feiertag_form.h"
#include "korav/forms/m_liste_form.h"
#include "korav/forms/ma_open_form.h"
#include "korav/forms/ma_stamm_form.h"
#include "korav/forms/main_form.h"
#include "korav/forms/projekte_form.h"
#include "korav/forms/std_satz_form.h"
#include "korav/forms/zeit_soll_form.h"

#include <QLabel>

void TMainForm::ChgMListeBtnClick()
{
    errLabel_->clear();
    environment_.runModal(*mListeForm_);
}

void TMainForm::ChgMaStammBtnClick()
{
    errLabel_->clear();
    const std::optional<QStringList> employees = MasterDataEditor::EmployeesToEdit(environment_.store);
    if (!employees)
        return;
    maStammForm_->FormShow(*employees);
    environment_.runModal(*maStammForm_);
}

void TMainForm::ChgOrdnerBtnClick()
{
    errLabel_->clear();
    environment_.runModal(*maOpenForm_);
}

void TMainForm::ChgAPasswBtnClick()
{
    errLabel_->clear();
    environment_.runModal(*adminPassForm_);
}

void TMainForm::ChgProjektListeBtnClick()
{
    errLabel_->clear();
    projekteForm_->FormShow(ActivityListEditor::Mode::Projects);
    environment_.runModal(*projekteForm_);
}

void TMainForm::ChgSonstigeBtnClick()
{
    errLabel_->clear();
    projekteForm_->FormShow(ActivityListEditor::Mode::OtherActivities);
    environment_.runModal(*projekteForm_);
}

void TMainForm::ChgMonSollZBtnClick()
{
    errLabel_->clear();
    const std::optional<QStringList> employees = TargetTimesEditor::EmployeesToEdit(environment_.store);
    if (employees && zeitSollForm_->FormShow(*employees))
        environment_.runModal(*zeitSollForm_);
}

void TMainForm::StdSatzBtnClick()
{
    errLabel_->clear();
    stdSatzForm_->FormShow(EmployeeListFile::Load(environment_.store));
    environment_.runModal(*stdSatzForm_);
}

void TMainForm::ChgFeiertageBtnClick()
{
    errLabel_->clear();
    environment_.runModal(*feiertagForm_);
}
