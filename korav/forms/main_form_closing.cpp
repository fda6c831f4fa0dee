// The main window closes months and writes the timesheets to sign.
#include "korav/core/month_closing.h"
#include "korav/forms/abschluss_form.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/main_form.h"
#include "korav/forms/report_openers.h"

#include <QLabel>

void TMainForm::MonatAbschlussBtnClick()
{
    errLabel_->clear();
    const MonthClosing closing(environment_.store, environment_.clock, startDate_);
    TAbschlussForm form(closing, role_, startDate_, this);
    form.FormShow();
    if (environment_.runModal(form) != QDialog::Accepted)
        return;
    ShowDone(errLabel_, form.statusText());
    // The closed months reach PELIN with the next providing.
    setButtonLook(MainCommand::KoravUpload, true);
}

void TMainForm::StundenzettelBtnClick()
{
    errLabel_->clear();
    OpenTimesheets(environment_, startDate_, this);
}
