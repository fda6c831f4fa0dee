#include "korav/core/backup_ring.h"

#include "common/clock.h"
#include "common/file_store.h"
#include "common/messenger.h"
#include "korav/core/backup_list.h"
#include "korav/core/backup_lock.h"
#include "korav/core/backup_schedule.h"
#include "korav/core/backup_texts.h"
#include "korav/core/base_data_store.h"
#include "korav/core/data_folder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kSubtree[] = u"auswtg";
constexpr int kNamesInIncompleteText = 3;

QString WithTrailingSeparator(const QString& folder)
{
    const QString clean = QDir::fromNativeSeparators(folder);
    return clean.endsWith(u'/') ? clean : clean + u'/';
}

} // namespace

QString IncompleteBackupText(const QStringList& failed)
{
    QString text
        = u"Datensicherung unvollständig: %1 Datei(en) konnten nicht kopiert werden ("_s.arg(failed.size())
        + failed.mid(0, kNamesInIncompleteText).join(u", "_s);
    if (failed.size() > kNamesInIncompleteText)
        text += u", ..."_s;
    return text + u")"_s;
}

QString SkippedEntriesText(const QStringList& skipped)
{
    return u"Datensicherung: nicht gesichert (keine gewöhnliche Datei oder Verknüpfung): "_s
        + skipped.join(u", "_s);
}

BackupRing::BackupRing(const QString& dataFolder, Messenger& messenger, const Clock& clock)
    : dataFolder_(DataFolder(dataFolder).root()), messenger_(messenger), clock_(clock)
{
}

void BackupRing::loadChoices()
{
    choices_ = BackupChoices::FromFile(loadSettings());
}

void BackupRing::setIntervalIndex(int index)
{
    choices_.intervalIndex = std::clamp(index, 0, int(std::size(BackupChoices::kIntervalHours)) - 1);
    settingsChanged_ = true;
}

void BackupRing::setFolderCountIndex(int index)
{
    choices_.folderCountIndex = std::clamp(index, 0, int(std::size(BackupChoices::kFolderCounts)) - 1);
    settingsChanged_ = true;
}

void BackupRing::setAutomaticOff(bool off)
{
    choices_.automaticOff = off;
    settingsChanged_ = true;
}

void BackupRing::chooseBaseFolder(const QString& folder)
{
    choices_.chosenFolder = WithoutTrailingSeparator(QDir::fromNativeSeparators(folder));
    dialogShown();
    settingsChanged_ = true;
}

QString BackupRing::baseFolder() const
{
    return choices_.chosenFolder.isEmpty() ? dataFolder_ : WithTrailingSeparator(choices_.chosenFolder);
}

bool BackupRing::isBackupDataFolder() const
{
    return IsBackupFolderPath(dataFolder_);
}

void BackupRing::dialogShown()
{
    lastBackupText_ = loadSettings().value(BackupKey::kLastBackup);
    settingsChanged_ = false;
}

QString BackupRing::lastBackupDescription() const
{
    if (lastBackupText_.isEmpty())
        return lastBackupText_;
    const int index = ParseLastBackup(lastBackupText_, choices_.folderCount()).folderIndex;
    const QString mark = BeforeRestoreMark(BackupFolderPath(baseFolder(), index));
    return mark.isEmpty() ? lastBackupText_ : lastBackupText_ + u" - "_s + mark;
}

QString BackupRing::folderDescription() const
{
    if (isBackupDataFolder())
        return u" Von einem Datensicherungsordner kann keine Sicherung erstellt werden !"_s;
    return ringDescription(true);
}

QString BackupRing::ringDescription(bool trailingBlank) const
{
    return u' ' + QDir::toNativeSeparators(baseFolder()) + u"terminbkp1 bis "_s
        + QString::number(choices_.folderCount()) + (trailingBlank ? u" "_s : QString());
}

bool BackupRing::lockExists() const
{
    if (dataFolder_.isEmpty())
        return false;
    return SperreBesteht(dataFolder_, QString::fromUtf16(KoravFile::kBackupLock));
}

QStringList BackupRing::BackupListeAnzeigen() const
{
    return ::BackupListeAnzeigen(baseFolder());
}

void BackupRing::DateisperreAufheben()
{
    ::DateisperreAufheben(dataFolder_, messenger_);
}

BackupOutcome BackupRing::StartManBackup()
{
    if (dataFolder_.isEmpty())
        return {};
    if (isBackupDataFolder()) {
        messenger_.show(u"Von einem Datensicherungsordner kann keine Sicherung erstellt werden !  "_s);
        return {};
    }
    const int folderCount = choices_.folderCount();
    const LastBackup last = ParseLastBackup(loadSettings().value(BackupKey::kLastBackup), folderCount);
    const int next = NextFolderIndex(last.folderIndex, folderCount);
    afterAutomatic_ = false;
    if (QFileInfo(BackupFolderPath(baseFolder(), next)).isDir()
        && messenger_.ask(
               u" Vorhandene Backup-Dateien in Ordner  ..\\terminbkp%1  überschreiben ?  "_s.arg(next))
            != kAnswerYes)
        return {};
    BackupOutcome outcome = BackupAusfuehren();
    if (!outcome.problems.isEmpty())
        messenger_.show(outcome.problems.join(u'\n'));
    return outcome;
}

BackupOutcome BackupRing::AutoBackupPruefen()
{
    if (dataFolder_.isEmpty() || isBackupDataFolder())
        return {};
    const LastBackup last
        = ParseLastBackup(loadSettings().value(BackupKey::kLastBackup), choices_.folderCount());
    if (!AutomaticBackupDue(clock_.now(), last, choices_.intervalHours()))
        return {};
    // A lock held by another instance is never reported from the timer: a
    // message box popping up unasked would block the window for nothing.
    afterAutomatic_ = true;
    BackupOutcome outcome = BackupAusfuehren();
    outcome.due = true;
    return outcome;
}

BackupOutcome BackupRing::BackupAusfuehren()
{
    BackupOutcome outcome;
    if (dataFolder_.isEmpty())
        return outcome;
    useDataFolderWhenBaseIsMissing();
    if (!takeLock())
        return outcome;
    // Read under the lock, so that the ring position of another instance's
    // backup is respected.
    StringList settings = loadSettings();
    backUpInto(nextFolderIndex(settings), settings, {}, outcome);
    releaseLock();
    return outcome;
}

bool BackupRing::lockForRestore()
{
    if (dataFolder_.isEmpty())
        return false;
    afterAutomatic_ = false;
    return takeLock();
}

int BackupRing::folderBeforeRestore(int sourceIndex) const
{
    const int next = nextFolderIndex(loadSettings());
    return next == sourceIndex ? NextFolderIndex(next, choices_.folderCount()) : next;
}

BackupOutcome BackupRing::SaveBeforeRestore(int sourceIndex)
{
    BackupOutcome outcome;
    StringList settings = loadSettings();
    const int index = folderBeforeRestore(sourceIndex);
    const QString target = BackupFolderPath(baseFolder(), index);
    // Files of an older backup left in the folder would look like part of
    // the state before the restore, and a restored file older than its copy
    // there would not be copied at all.
    if (QFileInfo(target).isDir() && !EmptyBackupFolder(target, dataFolder_)) {
        outcome.folderIndex = index;
        outcome.problems.append(
            u"Der Sicherungsordner %1 konnte nicht geleert werden !"_s.arg(QDir::toNativeSeparators(target)));
        return outcome;
    }
    backUpInto(index, settings, { BeforeRestoreLogLine(sourceIndex) }, outcome);
    return outcome;
}

int BackupRing::nextFolderIndex(const StringList& settings) const
{
    const int folderCount = choices_.folderCount();
    return NextFolderIndex(
        ParseLastBackup(settings.value(BackupKey::kLastBackup), folderCount).folderIndex, folderCount);
}

void BackupRing::backUpInto(
    int index, StringList& settings, const QStringList& logLines, BackupOutcome& outcome)
{
    outcome.folderIndex = index;
    const QString target = BackupFolderPath(baseFolder(), index);
    if (!QDir().mkpath(target))
        return;
    copyInto(target, outcome);
    record(target, settings, logLines, outcome);
    outcome.ran = true;
}

void BackupRing::FormClose()
{
    if (!settingsChanged_ || dataFolder_.isEmpty())
        return;
    if (isBackupDataFolder()) {
        messenger_.show(QString::fromUtf16(kBackupFolderRefusal));
        return;
    }
    if (!takeLock())
        return;
    StringList settings = loadSettings();
    choices_.writeTo(settings);
    QStringList problems;
    saveSettings(settings, problems);
    releaseLock();
    if (!problems.isEmpty())
        messenger_.show(problems.join(u'\n'));
}

StringList BackupRing::loadSettings() const
{
    if (dataFolder_.isEmpty())
        return {};
    const std::optional<TextFile> file = FileStore::ReadText(dataFolder_ + KoravFile::kBackupSettings);
    return file ? StringList::FromText(file->text) : StringList();
}

bool BackupRing::saveSettings(const StringList& settings, QStringList& problems) const
{
    QString error;
    if (FileStore::WriteText(
            dataFolder_ + KoravFile::kBackupSettings, settings.toText(), TextEncoding::Utf8WithBom, &error))
        return true;
    problems.append(error);
    return false;
}

bool BackupRing::takeLock()
{
    return SperreSetzen(dataFolder_, QString::fromUtf16(KoravFile::kBackupLock),
        afterAutomatic_ ? HeldLock::ClearIfStale : HeldLock::Report, clock_.today(), messenger_);
}

void BackupRing::releaseLock()
{
    SperreLoesen(dataFolder_, QString::fromUtf16(KoravFile::kBackupLock));
}

void BackupRing::useDataFolderWhenBaseIsMissing()
{
    if (QFileInfo(baseFolder()).isDir())
        return;
    choices_.chosenFolder = WithoutTrailingSeparator(dataFolder_);
    settingsChanged_ = true;
}

void BackupRing::copyInto(const QString& target, BackupOutcome& outcome)
{
    CopyTally tally;
    QStringList skipped;
    CopyNewer(DataFilesToBackUp(dataFolder_, target, skipped), tally, progress_);
    QList<BackupFile> subtree;
    // A folder of the subtree that could not be made has been shown; it
    // still makes the backup incomplete.
    if (!OrdnerbaumKopieren(dataFolder_ + kSubtree, target + kSubtree, backupFolders(),
            QString::fromUtf16(kSubtree), messenger_, subtree, skipped))
        tally.failed.append(QString::fromUtf16(kSubtree));
    CopyNewer(subtree, tally, progress_);
    if (progress_)
        progress_(0, 0);
    outcome.copied = tally.copied;
    outcome.examined = tally.examined;
    outcome.failed = tally.failed;
    if (!tally.failed.isEmpty())
        outcome.problems.append(IncompleteBackupText(tally.failed));
    if (!skipped.isEmpty())
        outcome.problems.append(SkippedEntriesText(skipped));
}

QStringList BackupRing::backupFolders() const
{
    const QString base = baseFolder();
    QStringList folders { WithoutTrailingSeparator(base) };
    for (int i = 1; i <= kMostBackupFolders; ++i)
        folders.append(WithoutTrailingSeparator(BackupFolderPath(base, i)));
    return folders;
}

void BackupRing::record(
    const QString& target, StringList& settings, const QStringList& logLines, BackupOutcome& outcome)
{
    const QDateTime now = clock_.now();
    lastBackupText_ = LastBackupText(now, outcome.copied, outcome.examined, outcome.folderIndex);
    settings.setValue(QString::fromUtf16(BackupKey::kLastBackup), lastBackupText_);
    const bool saved = saveSettings(settings, outcome.problems);
    const StringList log(
        QStringList { BackupLogLine(now, outcome.copied, outcome.examined, outcome.folderIndex) } + logLines);
    QString error;
    const bool logged
        = FileStore::WriteText(target + kBackupLogName, log.toText(), TextEncoding::Utf8WithBom, &error);
    if (!logged)
        outcome.problems.append(error);
    outcome.recorded = saved && logged;
}
