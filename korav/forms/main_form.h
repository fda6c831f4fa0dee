#pragma once

#include "common/data_file_codec.h"
#include "common/ftp_client.h"
#include "common/ui/visual_style.h"
#include "korav/core/admin_passwords.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/connection_settings.h"
#include "korav/core/program_settings.h"
#include "korav/forms/korav_environment.h"
#include "korav/forms/main_form_controls.h"
#include "korav/reports/forms/ue_monat_ma_opener.h"

#include <QDate>
#include <QMainWindow>
#include <array>
#include <memory>

class DataFolder;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;
class TAdminPassForm;
class TAuswMonatStdForm;
class TAuswProjekteForm;
class TBackupForm;
class TConnectionIndicator;
class TFeiertagForm;
class TKontoForm;
class TKontoUeForm;
class TMaOpenForm;
class TMaStammForm;
class TMListeForm;
class TProjekteForm;
class TPruefenForm;
class TStdSatzForm;
class TUeMonatMaForm;
class TUpdateForm;
class TVerbDatenForm;
class TZeitSollForm;

// KORAV's main window: the log-in and the hub of every dialog. Its buttons
// with their menu items are declared in MainControls(); each file of the
// window holds one of its concerns (main_form_*.cpp).
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(KoravEnvironment& environment, VisualStyle activeStyle, QWidget* parent = nullptr);
    ~TMainForm() override;

    QDate startDate() const { return startDate_; }
    AdminPasswords::Role role() const { return role_; }
    const ProgramSettings& programSettings() const { return programSettings_; }
    const BackupTimerCount& backupTimer() const { return backupTimer_; }
    ConnectionSettings& connectionSettings() { return connection_; }
    const BaseDataStaleness& staleness() const { return stale_; }
    TVerbDatenForm& verbDatenForm() { return *verbDatenForm_; }
    TUpdateForm& updateForm() { return *updateForm_; }
    TConnectionIndicator& paintBox1() { return *paintBox1_; }

    TMListeForm& listForm() { return *mListeForm_; }
    TMaStammForm& stammForm() { return *maStammForm_; }
    TAdminPassForm& passForm() { return *adminPassForm_; }
    TMaOpenForm& openForm() { return *maOpenForm_; }
    TAuswMonatStdForm& hoursPicker() { return *auswMonatStdForm_; }
    TAuswProjekteForm& activityChooser() { return *auswProjekteForm_; }
    TProjekteForm& activitiesForm() { return *projekteForm_; }
    TZeitSollForm& targetsForm() { return *zeitSollForm_; }
    TStdSatzForm& ratesForm() { return *stdSatzForm_; }
    TFeiertagForm& holidaysForm() { return *feiertagForm_; }
    TUeMonatMaForm& employeeOverview() { return *ueMonatMaForm_; }
    TPruefenForm& annualCheck() { return *pruefenForm_; }
    TKontoForm& accountsForm() { return *kontoForm_; }
    TKontoUeForm& accountReport() { return *kontoUeForm_; }

    // Start, log-in and end (main_form.cpp, main_form_login.cpp).
    void FormShow();
    void AnmeldenBtnClick();
    void SetLoginState(bool loggedIn);
    void LoadProgramSettings();
    void CloseBtnClick();
    void FormClose();

    // Base-data dialogs (main_form_dialogs.cpp).
    void ChgMListeBtnClick();
    void ChgMaStammBtnClick();
    void ChgOrdnerBtnClick();
    void ChgAPasswBtnClick();
    void ChgProjektListeBtnClick();
    void ChgSonstigeBtnClick();
    void ChgMonSollZBtnClick();
    void StdSatzBtnClick();
    void ChgFeiertageBtnClick();

    // Working-time and holiday accounts (main_form_accounts.cpp).
    void KontoBtnClick();
    void MaKontoBtnClick();

    // Overviews and checks (main_form_reports.cpp).
    void PelinMonUeBtnClick();
    void ProjMonatBtnClick();
    void ProjQuartaBtnClick();
    void ProjJahrBtnClick();
    void MaMonatBtnClick();
    void MaQuartaBtnClick();
    void MaJahrBtnClick();
    void PruefJahrBtnClick();
    void MonatKomplettBtnClick();
    void ArbZGBtnClick();

    // Closed months and timesheets (main_form_closing.cpp).
    void MonatAbschlussBtnClick();
    void StundenzettelBtnClick();

    // Notes, help, information and style (main_form_help.cpp).
    void InfoImageClick();
    void MenuHilfeDateiClick();
    void MenuInfoClick();
    void SubMenuStilWindowsClick();
    void SubMenuStilGrauClick();

    // Backup and its timer (main_form_backup.cpp).
    void Timer1Timer();
    void BackupBtnClick();
    void runAutomaticBackup();

    // Providing PELIN and collecting time files (main_form_provision.cpp).
    void EinstellungenLaden();
    void CheckBaseDataCurrent();
    void CheckPelinProgramCurrent();
    void MarkActivityListStale();
    void PelinErstellenBtnClick();
    void KoravUploadBtnClick();
    void PelinExeUploadBtnClick();
    void StartPelinBtnClick();
    void KoravDownloadBtnClick();
    void VerbindBtnClick();
    void UpdateBtnClick();
    // 1 connected, 0 not; the FTP session stays open.
    int FtpVerbinden();

Q_SIGNALS:
    void programEnd();
    // Base data were saved: PELIN's base data may have to be rebuilt.
    void baseDataSaved();
    void automaticBackupDue();
    // The activity list for PELIN must be rebuilt (sent before baseDataSaved).
    void activityListStale();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A button of MainControls() and its menu item.
    struct CommandControls {
        QPushButton* button = nullptr;
        QAction* menuItem = nullptr;
    };

    void createDialogs();
    void createAccountDialogs();
    void createProvisionDialogs();
    void buildControls();
    QWidget* buildLoginPanel();
    QWidget* buildGroups();
    void buildMenus();
    void connectHandlers();
    void enableCommands(bool loggedIn);
    void switchStyle(VisualStyle style);
    void dataFolderChanged(const DataFolder& folder);
    void openProjectOverview(int mode);
    void showEmployeeOverview(EmployeeOverviewCommand command);
    CommandControls& controls(MainCommand command) { return commands_[std::size_t(command)]; }
    QPushButton* button(MainCommand command) { return controls(command).button; }
    void setCommandState(MainCommand command, const QString& caption, bool enabled);
    void setCommandEnabled(MainCommand command, bool enabled);
    void setButtonLook(MainCommand command, bool italic, const QString& colour = {});

    KoravEnvironment& environment_;
    QDate startDate_;
    bool shown_ = false;
    AdminPasswords::Role role_ = AdminPasswords::kNoRole;
    VisualStyle style_;
    bool styleChanged_ = false;
    ProgramSettings programSettings_;
    BackupTimerCount backupTimer_;
    DataFileCodec codec_ { CodecProgram::Korav, environment_.messenger };
    ConnectionSettings connection_ { environment_.store };
    BaseDataStaleness stale_;
    std::unique_ptr<FtpClient> ftp_;

    std::array<CommandControls, kMainCommandCount> commands_ {};
    QLineEdit* adminPassMEdit_ = nullptr;
    QToolButton* ampelSBtn_ = nullptr;
    QToolButton* infoImage_ = nullptr;
    QLabel* errLabel_ = nullptr;
    QLabel* azDatStandLabel_ = nullptr;
    QLabel* bkpHinweisLabel_ = nullptr;
    QList<QLabel*> periodLabels_;
    QAction* subMenuStilWindows_ = nullptr;
    QAction* subMenuStilGrau_ = nullptr;
    QAction* menuHilfeOeffnen_ = nullptr;
    QAction* menuHilfeDatei_ = nullptr;
    QAction* menuInfo_ = nullptr;
    QTimer* timer1_;
    TConnectionIndicator* paintBox1_ = nullptr;

    TMListeForm* mListeForm_ = nullptr;
    TMaStammForm* maStammForm_ = nullptr;
    TAdminPassForm* adminPassForm_ = nullptr;
    TMaOpenForm* maOpenForm_ = nullptr;
    TAuswMonatStdForm* auswMonatStdForm_ = nullptr;
    TAuswProjekteForm* auswProjekteForm_ = nullptr;
    TProjekteForm* projekteForm_ = nullptr;
    TZeitSollForm* zeitSollForm_ = nullptr;
    TStdSatzForm* stdSatzForm_ = nullptr;
    TFeiertagForm* feiertagForm_ = nullptr;
    TBackupForm* backupForm_ = nullptr;
    TUeMonatMaForm* ueMonatMaForm_ = nullptr;
    TPruefenForm* pruefenForm_ = nullptr;
    TKontoForm* kontoForm_ = nullptr;
    TKontoUeForm* kontoUeForm_ = nullptr;
    TVerbDatenForm* verbDatenForm_ = nullptr;
    TUpdateForm* updateForm_ = nullptr;
};
