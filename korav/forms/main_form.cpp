#include "korav/forms/main_form.h"

#include "common/clock.h"
#include "common/messenger.h"
#include "common/ui/about_form.h"
#include "korav/core/admin_login.h"
#include "korav/core/base_data_store.h"
#include "korav/core/employee_list_file.h"
#include "korav/core/korav_settings.h"
#include "korav/core/korav_start.h"
#include "korav/core/master_data_editor.h"
#include "korav/core/target_times_editor.h"
#include "korav/core/version_line.h"
#include "korav/forms/admin_pass_form.h"
#include "korav/forms/ausw_monat_std_form.h"
#include "korav/forms/ausw_projekte_form.h"
#include "korav/forms/feiertag_form.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/help_window.h"
#include "korav/forms/korav_environment.h"
#include "korav/forms/m_liste_form.h"
#include "korav/forms/ma_open_form.h"
#include "korav/forms/ma_stamm_form.h"
#include "korav/forms/main_form_controls.h"
#include "korav/forms/projekte_form.h"
#include "korav/forms/report_openers.h"
#include "korav/forms/std_satz_form.h"
#include "korav/forms/zeit_soll_form.h"

#include "korav/core/backup_ring.h"
#include "korav/forms/backup_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QString GreyName()
{
    return QString::fromUtf16(kGreyStyle);
}

} // namespace

TMainForm::TMainForm(KoravEnvironment& environment, VisualStyle activeStyle, QWidget* parent)
    : QMainWindow(parent),
      environment_(environment),
      startDate_(environment.clock.today()),
      style_(activeStyle),
      timer1_(new QTimer(this))
{
    setObjectName(u"MainForm"_s);
    setWindowTitle(QString::fromUtf16(kApplicationTitle));
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
    timer1_->setObjectName(u"Timer1"_s);
    timer1_->setInterval(BackupTimerCount::kFirstIntervalMs);
    buildControls();
    connectHandlers();
    connectProvisionHandlers(); // provisioning, collection and connection settings
    SetLoginState(false);
}

TMainForm::~TMainForm() = default;

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

void TMainForm::AnmeldenBtnClick()
{
    errLabel_->clear();
    if (!adminPassMEdit_->isEnabled() && anmeldenBtn_->text() == u"Abmelden"_s) {
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
    SetLoginState(true);
    role_ = result.role;
    if (role_ == AdminPasswords::kDataAdmin)
        applyDataAdminLocks();
    EinstellungenLaden(); // provisioning, collection and connection settings
    CheckBaseDataCurrent(); // provisioning, collection and connection settings
}

void TMainForm::SetLoginState(bool loggedIn)
{
    if (loggedIn) {
        LoadProgramSettings();
        backupForm_->setDataFolder(environment_.store.folder().root());
        backupForm_->ring().loadChoices();
    } else
        role_ = AdminPasswords::kNoRole;
    anmeldenBtn_->setText(loggedIn ? u"Abmelden"_s : u"Anmelden"_s);
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
    setTableEnabled(loggedIn);
}

void TMainForm::LoadProgramSettings()
{
    programSettings_ = ProgramSettings::Load(environment_.store);
    azDatStandLabel_->setText(programSettings_.collectionText);
    bkpHinweisLabel_->setVisible(programSettings_.backupFolder);
    ShowError(errLabel_, programSettings_.errorText);
    backupTimer_.restart();
}

void TMainForm::setTableEnabled(bool enabled)
{
    for (const MainControl& control : MainControls()) {
        findChild<QPushButton*>(QString::fromUtf16(control.button))->setEnabled(enabled);
        findChild<QAction*>(QString::fromUtf16(control.menuItem))->setEnabled(enabled);
    }
}

void TMainForm::applyDataAdminLocks()
{
    for (const QString& name : DataAdminLockedNames()) {
        if (auto* button = findChild<QPushButton*>(name))
            button->setEnabled(false);
        if (auto* action = findChild<QAction*>(name))
            action->setEnabled(false);
    }
}

void TMainForm::Timer1Timer()
{
    if (timer1_->interval() != BackupTimerCount::kIntervalMs)
        timer1_->setInterval(BackupTimerCount::kIntervalMs);
    if (backupTimer_.tick(backupForm_->ring().isAutomaticActive()))
        Q_EMIT automaticBackupDue();
}

void TMainForm::runAutomaticBackup()
{
    const BackupOutcome outcome = backupForm_->ring().AutoBackupPruefen();
    if (!outcome.problems.isEmpty())
        ShowError(errLabel_, outcome.problems.join(u' '));
}

void TMainForm::BackupBtnClick()
{
    errLabel_->clear();
    // The automatic step must not run into a backup the dialog has started.
    timer1_->stop();
    environment_.runModal(*backupForm_);
    backupForm_->ring().loadChoices();
    if (role_ != AdminPasswords::kNoRole)
        timer1_->start();
}

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

void TMainForm::dataFolderChanged(const DataFolder& folder)
{
    setWindowTitle(MainWindowCaption(folder));
    backupForm_->setDataFolder(folder.root());
    SetLoginState(false);
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

void TMainForm::InfoImageClick()
{
    errLabel_->clear();
    environment_.messenger.show(u" Das Standard-Passwort heißt 'nuvo' .  \n\nÄndern Sie das Passwort um den "
                                u"Zugang zu schützen.\n( Schalter 'Passworte ändern' )"_s);
}

void TMainForm::MenuHilfeDateiClick()
{
    errLabel_->clear();
    environment_.messenger.show(environment_.help.LocationText());
}

void TMainForm::MenuInfoClick()
{
    errLabel_->clear();
    TAboutForm about(u"Programm "_s + QString::fromUtf16(kApplicationTitle), KoravVersionLine(), this);
    environment_.runModal(about);
}

void TMainForm::switchStyle(VisualStyle style)
{
    errLabel_->clear();
    if (style != style_) {
        style_ = style;
        ApplyVisualStyle(style);
        styleChanged_ = true;
    }
    subMenuStilWindows_->setChecked(style_ == VisualStyle::System);
    subMenuStilGrau_->setChecked(style_ == VisualStyle::Grey);
}

void TMainForm::SubMenuStilWindowsClick()
{
    switchStyle(VisualStyle::System);
}

void TMainForm::SubMenuStilGrauClick()
{
    switchStyle(VisualStyle::Grey);
}

void TMainForm::FormClose()
{
    if (styleChanged_
        && !environment_.settings.write(KoravSettings::kStyle, VisualStyleName(style_, GreyName())))
        environment_.messenger.show(u"In Registrierung kann nicht geschrieben werden !  "_s);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
    Q_EMIT programEnd();
}
