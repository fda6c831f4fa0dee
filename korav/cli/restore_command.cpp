#include "korav/cli/restore_command.h"

#include "common/messenger.h"
#include "korav/cli/admin_session.h"
#include "korav/cli/exit_codes.h"
#include "korav/core/backup_restore.h"
#include "korav/core/backup_ring.h"

using namespace Qt::StringLiterals;

int RunRestoreCommand(const AdminSession& session, const QString& from, const QStringList& files)
{
    if (!session.requireSystemAdmin(u"Die Wiederherstellung"_s))
        return kExitRefused;
    BackupRing ring(session.store().folder().root(), session.messenger(), session.clock());
    ring.loadChoices();
    const RestoreResult result = Wiederherstellen(ring, from, files);
    for (const QString& line : result.summary)
        session.messenger().show(line);
    return result.complete() ? kExitSuccess : kExitRefused;
}
