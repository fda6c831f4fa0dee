#pragma once

#include "common/ui/visual_style.h"
#include "korav/core/admin_passwords.h"
#include "korav/core/program_settings.h"

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
// Pickers, activities, targets, rates and holidays
class TAuswMonatStdForm;
class TAuswProjekteForm;
class TProjekteForm;
class TZeitSollForm;
class TStdSatzForm;
class TFeiertagForm;
// end: pickers, activities, targets, rates and holidays

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

    TMListeForm& listForm() { return *mListeForm_; }
    TMaStammForm& stammForm() { return *maStammForm_; }
    TAdminPassForm& passForm() { return *adminPassForm_; }
    TMaOpenForm& openForm() { return *maOpenForm_; }
    // Pickers, activities, targets, rates and holidays
    TAuswMonatStdForm& hoursPicker() { return *auswMonatStdForm_; }
    TAuswProjekteForm& activityChooser() { return *auswProjekteForm_; }
    TProjekteForm& activitiesForm() { return *projekteForm_; }
    TZeitSollForm& targetsForm() { return *zeitSollForm_; }
    TStdSatzForm& ratesForm() { return *stdSatzForm_; }
    TFeiertagForm& holidaysForm() { return *feiertagForm_; }
    // end: pickers, activities, targets, rates and holidays

public Q_SLOTS:
    void FormShow();
    void AnmeldenBtnClick();
    void SetLoginState(bool loggedIn);
    void LoadProgramSettings();
    void ChgMListeBtnClick();
    void ChgMaStammBtnClick();
    void ChgOrdnerBtnClick();
    void ChgAPasswBtnClick();
    // Pickers, activities, targets, rates and holidays
    void ChgProjektListeBtnClick();
    void ChgSonstigeBtnClick();
    void ChgMonSollZBtnClick();
    void StdSatzBtnClick();
    void ChgFeiertageBtnClick();
    // end: pickers, activities, targets, rates and holidays
    // PELIN month viewer
    void PelinMonUeBtnClick();
    // end: PELIN month viewer
    // Project overview
    void ProjMonatBtnClick();
    void ProjQuartaBtnClick();
    void ProjJahrBtnClick();
    // end: project overview
    void InfoImageClick();
    void MenuHilfeDateiClick();
    void MenuInfoClick();
    void SubMenuStilWindowsClick();
    void SubMenuStilGrauClick();
    void Timer1Timer();
    void BackupBtnClick();
    void runAutomaticBackup();
    void FormClose();

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
    // Project overview
    void openProjectOverview(int mode);
    // end: project overview

    KoravEnvironment& environment_;
    QDate startDate_;
    bool shown_ = false;
    AdminPasswords::Role role_ = AdminPasswords::kNoRole;
    VisualStyle style_;
    bool styleChanged_ = false;
    ProgramSettings programSettings_;
    BackupTimerCount backupTimer_;
    TBackupForm* backupForm_ = nullptr;

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
    // Pickers, activities, targets, rates and holidays
    TAuswMonatStdForm* auswMonatStdForm_;
    TAuswProjekteForm* auswProjekteForm_;
    TProjekteForm* projekteForm_;
    TZeitSollForm* zeitSollForm_;
    TStdSatzForm* stdSatzForm_;
    TFeiertagForm* feiertagForm_;
    // end: pickers, activities, targets, rates and holidays
};
