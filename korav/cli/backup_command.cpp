#include "korav/cli/backup_command.h"

#include "common/messenger.h"
#include "korav/cli/admin_session.h"
#include "korav/cli/exit_codes.h"
#include "korav/core/backup_ring.h"
#include "korav/core/data_folder.h"

using namespace Qt::StringLiterals;

namespace {

// The manual start as the dialog runs it: opened, started, closed.
BackupOutcome ManualBackup(BackupRing& ring)
{
    ring.dialogShown();
    BackupOutcome outcome = ring.StartManBackup();
    ring.FormClose();
    return outcome;
}

int AutomaticBackup(BackupRing& ring, Messenger& messenger)
{
    // The main window's timer never runs the step while it is switched off.
    if (!ring.isAutomaticActive()) {
        messenger.show(
            u"Die automatische Datensicherung ist ausgeschaltet ( sofort sichern : korav backup --now )"_s);
        return kExitSuccess;
    }
    const BackupOutcome outcome = ring.AutoBackupPruefen();
    if (!outcome.problems.isEmpty())
        messenger.show(outcome.problems.join(u' '));
    if (outcome.ran) {
        messenger.show(ring.lastBackupText());
        return outcome.problems.isEmpty() ? kExitSuccess : kExitRefused;
    }
    if (outcome.due) {
        messenger.show(u"Die Datensicherung konnte nicht ausgeführt werden ! ( Dateisperre %1 ? )"_s.arg(
            QString::fromUtf16(KoravFile::kBackupLock)));
        return kExitRefused;
    }
    ring.dialogShown();
    messenger.show(u"Keine Datensicherung fällig, letzte Datensicherung :"_s + ring.lastBackupText());
    return kExitSuccess;
}

} // namespace

int RunBackupCommand(const AdminSession& session, bool now)
{
    if (!session.requireSystemAdmin(u"Die Datensicherung"_s))
        return kExitRefused;
    BackupRing ring(session.store().folder().root(), session.messenger(), session.clock());
    ring.loadChoices();
    // The timer's step would stay silent in a backup folder; asked for by
    // hand, it refuses as the manual start does.
    if (!now && ring.isBackupDataFolder()) {
        session.messenger().show(
            u"Von einem Datensicherungsordner kann keine Sicherung erstellt werden !  "_s);
        return kExitRefused;
    }
    if (!now)
        return AutomaticBackup(ring, session.messenger());
    const BackupOutcome outcome = ManualBackup(ring);
    if (!outcome.ran)
        return kExitRefused;
    session.messenger().show(ring.lastBackupText());
    return outcome.problems.isEmpty() ? kExitSuccess : kExitRefused;
}
