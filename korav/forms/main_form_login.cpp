// The main window's log-in and log-out and what they switch.
#include "korav/core/admin_login.h"
#include "korav/core/base_data_store.h"
#include "korav/forms/backup_form.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/ma_open_form.h"
#include "korav/forms/main_form.h"

#include "korav/core/backup_ring.h"
#include "korav/core/korav_start.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

bool Allowed(MainRole needed, bool loggedIn, AdminPasswords::Role role)
{
    switch (needed) {
    case MainRole::Anyone:
        return true;
    case MainRole::Admin:
        return loggedIn;
    case MainRole::SystemAdmin:
        return loggedIn && role != AdminPasswords::kDataAdmin;
    }
    return false;
}

} // namespace

void TMainForm::AnmeldenBtnClick()
{
    errLabel_->clear();
    if (!adminPassMEdit_->isEnabled() && button(MainCommand::Anmelden)->text() == u"Abmelden"_s) {
        SetLoginState(false);
        return;
    }
    const LoginResult result = LogIn(environment_.store, adminPassMEdit_->text());
    if (result.role == AdminPasswords::kNoRole) {
        ShowError(errLabel_, result.errorText);
        adminPassMEdit_->clear();
        adminPassMEdit_->setFocus();
        return;
    }
    role_ = result.role;
    SetLoginState(true);
    EinstellungenLaden();
    CheckBaseDataCurrent();
}

void TMainForm::SetLoginState(bool loggedIn)
{
    if (loggedIn) {
        LoadProgramSettings();
        backupForm_->setDataFolder(environment_.store.folder().root());
        backupForm_->ring().loadChoices();
    } else
        role_ = AdminPasswords::kNoRole;
    button(MainCommand::Anmelden)->setText(loggedIn ? u"Abmelden"_s : u"Anmelden"_s);
    ampelSBtn_->setEnabled(loggedIn);
    adminPassMEdit_->clear();
    adminPassMEdit_->setEnabled(!loggedIn);
    adminPassMEdit_->setStyleSheet(
        loggedIn ? u"background-color: rgb(216, 216, 216);"_s : u"background-color: white;"_s);
    if (!loggedIn) {
        errLabel_->clear();
        azDatStandLabel_->clear();
        bkpHinweisLabel_->hide();
        timer1_->stop();
        if (shown_)
            adminPassMEdit_->setFocus();
    } else {
        if (bkpHinweisLabel_->isHidden())
            errLabel_->clear();
        timer1_->start();
    }
    for (QLabel* label : std::as_const(periodLabels_))
        label->setEnabled(loggedIn);
    enableCommands(loggedIn);
}

void TMainForm::enableCommands(bool loggedIn)
{
    for (const MainControl& control : MainControls())
        setCommandEnabled(control.command, Allowed(control.role, loggedIn, role_));
}

void TMainForm::setCommandEnabled(MainCommand command, bool enabled)
{
    controls(command).button->setEnabled(enabled);
    controls(command).menuItem->setEnabled(enabled);
}

void TMainForm::LoadProgramSettings()
{
    programSettings_ = ProgramSettings::Load(environment_.store);
    azDatStandLabel_->setText(programSettings_.collectionText);
    bkpHinweisLabel_->setVisible(programSettings_.backupFolder);
    ShowError(errLabel_, programSettings_.errorText);
    backupTimer_.restart();
}

void TMainForm::dataFolderChanged(const DataFolder& folder)
{
    setWindowTitle(MainWindowCaption(folder));
    backupForm_->setDataFolder(folder.root());
    SetLoginState(false);
}
