#include "korav/forms/main_form.h"

#include "common/clock.h"
#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_settings.h"
#include "korav/core/korav_start.h"
#include "korav/forms/admin_pass_form.h"
#include "korav/forms/ausw_monat_std_form.h"
#include "korav/forms/ausw_projekte_form.h"
#include "korav/forms/backup_form.h"
#include "korav/forms/feiertag_form.h"
#include "korav/forms/help_window.h"
#include "korav/forms/m_liste_form.h"
#include "korav/forms/ma_open_form.h"
#include "korav/forms/ma_stamm_form.h"
#include "korav/forms/projekte_form.h"
#include "korav/forms/report_openers.h"
#include "korav/forms/std_satz_form.h"
#include "korav/forms/zeit_soll_form.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

TMainForm::TMainForm(KoravEnvironment& environment, VisualStyle activeStyle, QWidget* parent)
    : QMainWindow(parent),
      environment_(environment),
      startDate_(environment.clock.today()),
      style_(activeStyle),
      timer1_(new QTimer(this))
{
    setObjectName(u"MainForm"_s);
    setWindowTitle(QString::fromUtf16(kApplicationTitle));
    createDialogs();
    timer1_->setObjectName(u"Timer1"_s);
    timer1_->setInterval(BackupTimerCount::kFirstIntervalMs);
    buildControls();
    createProvisionDialogs();
    connectHandlers();
    SetLoginState(false);
}

TMainForm::~TMainForm() = default;

void TMainForm::createDialogs()
{
    KoravEnvironment& environment = environment_;
    const BaseDataSaved saved = [this] { Q_EMIT baseDataSaved(); };
    mListeForm_ = new TMListeForm(environment, saved, this);
    maStammForm_ = new TMaStammForm(environment, saved, this);
    adminPassForm_ = new TAdminPassForm(environment, this);
    maOpenForm_ = new TMaOpenForm(environment, this);
    auswMonatStdForm_ = new TAuswMonatStdForm(environment.messenger, this);
    auswProjekteForm_ = new TAuswProjekteForm(environment.store, this);
    const BaseDataSaved activitiesSaved = [this] {
        Q_EMIT activityListStale();
        Q_EMIT baseDataSaved();
    };
    projekteForm_ = new TProjekteForm(environment, *auswProjekteForm_, activitiesSaved, this);
    zeitSollForm_ = new TZeitSollForm(environment, *auswMonatStdForm_, startDate_.year(), saved, this);
    stdSatzForm_ = new TStdSatzForm(environment, startDate_.year(), this);
    feiertagForm_ = new TFeiertagForm(environment, saved, this);
    backupForm_
        = new TBackupForm(environment.messenger, environment.store.folder().root(), environment.clock, this);
    backupForm_->setHelpHandler([this] { environment_.help.OpenHelp(KoravHelp::kCheckTopic); });
    ueMonatMaForm_ = CreateUeMonatMaForm([&environment] { return environment.store.folder().path(u""); },
        environment.messenger, environment.clock, startDate_,
        [&environment] { environment.help.OpenHelp(KoravHelp::kReportTopic); }, this);
    pruefenForm_ = CreatePruefenForm([&environment] { return environment.store.folder().path(u""); },
        environment.messenger, environment.clock, startDate_,
        [&environment] { environment.help.OpenHelp(KoravHelp::kCheckTopic); }, this);
    createAccountDialogs();
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_)
        QTimer::singleShot(0, this, &TMainForm::FormShow);
}

void TMainForm::FormShow()
{
    if (shown_)
        return;
    shown_ = true;
    if (const std::optional<DataFolder> folder = RememberedDataFolder(environment_.settings)) {
        environment_.store.setFolder(*folder);
        setWindowTitle(MainWindowCaption(*folder));
        adminPassMEdit_->setFocus();
    } else {
        environment_.runModal(*maOpenForm_);
    }
    const DataFolder& folder = environment_.store.folder();
    if (!folder.isSet() || !QFileInfo(folder.folder()).isDir()) {
        environment_.messenger.show(u"KORAV-Ordner nicht vorhanden, Programm wird beendet !  "_s);
        Q_EMIT programEnd();
    }
}

void TMainForm::CloseBtnClick()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
    Q_EMIT programEnd();
}
