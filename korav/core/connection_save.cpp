#include "korav/core/connection_save.h"

#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_checks.h"
#include "korav/core/folder_relocation.h"
#include "korav/core/password_check.h"

using namespace Qt::StringLiterals;

ConnectionSave::ConnectionSave(ConnectionSettings& settings, const BaseDataStore& store, Messenger& messenger,
    std::function<void()> checkBaseData)
    : settings_(settings), store_(store), messenger_(messenger), checkBaseData_(std::move(checkBaseData))
{
}

ConnectionSaveOutcome ConnectionSave::run(
    const ConnectionFields& snapshot, const ConnectionFields& now, bool directoryTested)
{
    const ConnectionChanges changes = ConnectionChanges::Between(snapshot, now);
    if (!changes.any())
        return { ConnectionClose::Accepted };
    if (store_.isBackupFolder()) {
        messenger_.show(QString::fromUtf16(kBackupFolderRefusal));
        return { ConnectionClose::Accepted };
    }
    if (messenger_.ask(u"Änderungen speichern ?"_s) != kAnswerYes)
        return { ConnectionClose::Declined };
    if (const std::optional<SaveRefusal> refusal = RefuseSaving(changes, now, directoryTested)) {
        messenger_.show(refusal->text);
        return { ConnectionClose::Stay, refusal->focusLdapName };
    }
    save(changes, snapshot, now);
    return { ConnectionClose::Accepted };
}

void ConnectionSave::save(
    const ConnectionChanges& changes, const ConnectionFields& snapshot, const ConnectionFields& now)
{
    const DataFolder& data = store_.folder();
    settings_.fields() = now;
    if (changes.programFolder && !snapshot.programFolder.isEmpty())
        RelocateFolder(
            snapshot.programFolder, now.programFolder, RelocationKind::ProgramFolder, data, messenger_);
    if (changes.timeFolder && !snapshot.timeFolder.isEmpty())
        RelocateFolder(snapshot.timeFolder, now.timeFolder, RelocationKind::TimeFolder, data, messenger_);
    if (changes.passwords)
        PasswordCheck::Save(store_, now.passwordCheckValues);
    settings_.saveFields();
    if (changes.certificate || changes.programFolder)
        settings_.saveCertificate();
    checkBaseData_();
}
