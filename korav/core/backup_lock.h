#pragma once

#include "korav/core/data_folder.h"

#include <QDate>
#include <QString>

class Messenger;

// The lock file (KoravFile::kBackupLock) keeps two KORAV instances sharing a
// data folder from backing up or saving the backup settings at the same time.

// How a lock held by someone else is dealt with.
enum class HeldLock {
    Report, // after a manual start: the user is told
    // After an automatic attempt: silent; a lock of an earlier day is removed
    // for the next attempt.
    ClearIfStale,
};

// Takes the lock by creating the file; false when it is held already.
bool SperreSetzen(
    const QString& dataFolder, const QString& name, HeldLock held, QDate today, Messenger& messenger);
// Only the holder of the lock calls this.
void SperreLoesen(const QString& dataFolder, const QString& name);
bool SperreBesteht(const QString& dataFolder, const QString& name);
// Removes the lock by hand and tells whether there was one.
void DateisperreAufheben(const QString& dataFolder, Messenger& messenger);
