// The main window opens the account settings and the account report.
#include "common/clock.h"
#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/employee_list_file.h"
#include "korav/core/korav_help.h"
#include "korav/forms/help_window.h"
#include "korav/forms/konto_form.h"
#include "korav/forms/main_form.h"
#include "korav/reports/forms/konto_ue_form.h"

#include <QLabel>

void TMainForm::createAccountDialogs()
{
    KoravEnvironment& environment = environment_;
    kontoForm_ = new TKontoForm(
        environment, startDate_, [this] { Q_EMIT baseDataSaved(); }, this);
    kontoUeForm_ = new TKontoUeForm([&environment] { return environment.store.folder().path(u""); },
        environment.messenger, environment.clock, startDate_,
        [&environment] { environment.help.OpenHelp(KoravHelp::kAccountTopic); }, this);
}

void TMainForm::KontoBtnClick()
{
    errLabel_->clear();
    kontoForm_->FormShow(EmployeeListFile::Load(environment_.store));
    environment_.runModal(*kontoForm_);
}

void TMainForm::MaKontoBtnClick()
{
    errLabel_->clear();
    environment_.runModal(*kontoUeForm_);
}
