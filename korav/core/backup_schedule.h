#pragma once

#include "korav/core/backup_texts.h"

#include <QDateTime>

// Minutes since the last backup as the automatic step counts them: a later
// day counts as exactly one day, however many days lie between.
int MinutesSinceBackup(const QDateTime& now, const LastBackup& last);

// True when more than the interval has passed since the last backup.
bool AutomaticBackupDue(const QDateTime& now, const LastBackup& last, int intervalHours);
