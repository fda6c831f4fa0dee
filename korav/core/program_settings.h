#pragma once

#include "korav/core/backup_settings.h"

class BaseDataStore;

// What the main window reads from the data folder at every log-in.
struct ProgramSettings {
    QString collectionText; // shown in AzDatStandLabel
    BackupSettings backup;
    bool backupFolder = false; // the red notice is shown and every save refused
    QString errorText; // for ErrLabel, dark red

    static ProgramSettings Load(const BaseDataStore& store);
};

// Counts the ticks of the main window's timer and says when the automatic
// backup is due: first on the second tick after a log-in, then on every
// ninth.
class BackupTimerCount {
public:
    static constexpr int kIntervalMs = 30000;
    static constexpr int kFirstIntervalMs = 1000;

    void restart() { count_ = kStart; }
    // True when the automatic-backup step is to run now.
    bool tick(bool automaticBackupActive);
    int count() const { return count_; }

private:
    static constexpr int kStart = 7;
    static constexpr int kDue = 9;
    int count_ = kStart;
};
