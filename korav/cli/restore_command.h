#pragma once

#include <QStringList>

class AdminSession;

// "korav restore --from terminbkpN [DATEI...]": the restore of the backup
// dialog, of the named files or of the whole folder. Prints the summary line
// by line; exit code 0 only when every file was restored.
int RunRestoreCommand(const AdminSession& session, const QString& from, const QStringList& files);
