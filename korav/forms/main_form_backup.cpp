// The main window's backup: the dialog and the timer of the automatic step.
#include "korav/core/backup_ring.h"
#include "korav/forms/backup_form.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/main_form.h"

#include <QLabel>
#include <QTimer>

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
    // Restored files replace what the window read at log-in.
    if (backupForm_->takeRestored()) {
        LoadProgramSettings();
        EinstellungenLaden();
        CheckBaseDataCurrent();
    }
    if (role_ != AdminPasswords::kNoRole)
        timer1_->start();
}
