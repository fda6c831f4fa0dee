#pragma once

#include "common/data_file_codec.h"
#include "common/ftp_client.h"
#include "common/ui/visual_style.h"
#include "korav/core/admin_passwords.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/connection_settings.h"
#include "korav/core/program_settings.h"
#include "korav/forms/korav_environment.h"
#include <memory>
class TConnectionIndicator;
class TVerbDatenForm;
class TUpdateForm;
#include "korav/reports/forms/ue_monat_ma_opener.h"

#include <QDate>
#include <QMainWindow>

struct KoravEnvironment;
class DataFolder;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;
class TAdminPassForm;
class TMaOpenForm;
class TMaStammForm;
class TMListeForm;
class TAuswMonatStdForm;
class TAuswProjekteForm;
class TProjekteForm;
class TZeitSollForm;
class TStdSatzForm;
class TFeiertagForm;
class TPruefenForm;
class TUeMonatMaForm;

// KORAV's main window: the log-in and the hub of every dialog.
class TBackupForm;

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

public Q_SLOTS:
    void FormShow();
    void AnmeldenBtnClick();
    void SetLoginState(bool loggedIn);
    void LoadProgramSettings();
    void ChgMListeBtnClick();
    void ChgMaStammBtnClick();
    void ChgOrdnerBtnClick();
    void ChgAPasswBtnClick();
    void ChgProjektListeBtnClick();
    void ChgSonstigeBtnClick();
    void ChgMonSollZBtnClick();
    void StdSatzBtnClick();
    void ChgFeiertageBtnClick();
    void PelinMonUeBtnClick();
    void ProjMonatBtnClick();
    void ProjQuartaBtnClick();
    void ProjJahrBtnClick();
    void MaMonatBtnClick();
    void MaQuartaBtnClick();
    void MaJahrBtnClick();
    void PruefJahrBtnClick();
    void MonatKomplettBtnClick();
    void InfoImageClick();
    void MenuHilfeDateiClick();
    void MenuInfoClick();
    void SubMenuStilWindowsClick();
    void SubMenuStilGrauClick();
    void Timer1Timer();
    void BackupBtnClick();
    void runAutomaticBackup();
    void FormClose();
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
    void buildControls();
    QWidget* buildLoginPanel();
    QWidget* buildGroups();
    void buildMenus();
    void connectHandlers();
    void setTableEnabled(bool enabled);
    void applyDataAdminLocks();
    void switchStyle(VisualStyle style);
    void dataFolderChanged(const DataFolder& folder);
    void connectProvisionHandlers();
    void setButtonState(QStringView button, QStringView menuItem, const QString& caption, bool enabled);
    void setButtonLook(QStringView button, bool italic, const QString& colour = {});
    void openProjectOverview(int mode);

    KoravEnvironment& environment_;
    QDate startDate_;
    bool shown_ = false;
    AdminPasswords::Role role_ = AdminPasswords::kNoRole;
    VisualStyle style_;
    bool styleChanged_ = false;
    ProgramSettings programSettings_;
    BackupTimerCount backupTimer_;
    TBackupForm* backupForm_ = nullptr;
    DataFileCodec codec_ { CodecProgram::Korav, environment_.messenger };
    ConnectionSettings connection_ { environment_.store };
    BaseDataStaleness stale_;
    TVerbDatenForm* verbDatenForm_ = nullptr;
    TUpdateForm* updateForm_ = nullptr;
    TConnectionIndicator* paintBox1_ = nullptr;
    std::unique_ptr<FtpClient> ftp_;

    QLineEdit* adminPassMEdit_ = nullptr;
    QPushButton* anmeldenBtn_ = nullptr;
    QToolButton* ampelSBtn_ = nullptr;
    QLabel* errLabel_ = nullptr;
    QLabel* azDatStandLabel_ = nullptr;
    QLabel* bkpHinweisLabel_ = nullptr;
    QList<QLabel*> periodLabels_;
    QAction* subMenuStilWindows_ = nullptr;
    QAction* subMenuStilGrau_ = nullptr;
    QTimer* timer1_;

    TMListeForm* mListeForm_;
    TMaStammForm* maStammForm_;
    TAdminPassForm* adminPassForm_;
    TMaOpenForm* maOpenForm_;
    TAuswMonatStdForm* auswMonatStdForm_;
    TAuswProjekteForm* auswProjekteForm_;
    TProjekteForm* projekteForm_;
    TZeitSollForm* zeitSollForm_;
    TStdSatzForm* stdSatzForm_;
    TFeiertagForm* feiertagForm_;
    TUeMonatMaForm* ueMonatMaForm_;
    TPruefenForm* pruefenForm_;
    void showEmployeeOverview(EmployeeOverviewCommand command);
};
