#pragma once

class AdminSession;

// "Datensicherung": without `now` the automatic step of the main window's
// timer (a backup only when the last one is older than the interval), with
// `now` the dialog's "Datensicherung jetzt ausführen". Returns an exit code.
int RunBackupCommand(const AdminSession& session, bool now);
