#include "korav/core/program_settings.h"

#include "korav/core/base_data_store.h"
#include "korav/core/korav_state.h"

ProgramSettings ProgramSettings::Load(const BaseDataStore& store)
{
    ProgramSettings settings;
    settings.collectionText = KoravState::CollectionText(store);
    settings.backup = BackupSettings::Load(store);
    settings.backupFolder = store.isBackupFolder();
    if (settings.backupFolder)
        settings.errorText = QString::fromUtf16(kBackupFolderRefusal);
    return settings;
}

bool BackupTimerCount::tick(bool automaticBackupActive)
{
    ++count_;
    if (count_ < kDue || !automaticBackupActive)
        return false;
    count_ = 0;
    return true;
}
