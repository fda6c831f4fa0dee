#include "korav/core/backup_settings.h"

#include "common/number_parse.h"
#include "korav/core/base_data_store.h"

#include <iterator>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kAutomatic[] = u"autobackup";
constexpr char16_t kInterval[] = u"autobackupvall";
constexpr char16_t kFolderCount[] = u"autobackupordn";
constexpr char16_t kFolder[] = u"autobkp-ordner";
constexpr char16_t kLast[] = u"lastbackup";

int Index(const StringList& file, QStringView key, int fallback, int count)
{
    if (!file.hasKey(key))
        return fallback;
    const int index = ParseDecimalInt(file.value(key));
    return index >= 0 && index < count ? index : fallback;
}

} // namespace

BackupSettings BackupSettings::FromList(const StringList& file, const QString& dataFolder)
{
    BackupSettings settings;
    settings.automatic = !file.hasKey(kAutomatic) || file.value(kAutomatic) == u"an";
    settings.intervalIndex = Index(file, kInterval, 0, int(std::size(kIntervalChoices)));
    settings.folderCountIndex = Index(file, kFolderCount, 3, int(std::size(kFolderCountChoices)));
    settings.backupFolder = file.hasKey(kFolder) ? file.value(kFolder) : dataFolder;
    settings.lastBackup = file.value(kLast);
    return settings;
}

void BackupSettings::writeTo(StringList& file) const
{
    file.setValue(QString::fromUtf16(kAutomatic), automatic ? u"an"_s : u"aus"_s);
    file.setValue(QString::fromUtf16(kInterval), QString::number(intervalIndex));
    file.setValue(QString::fromUtf16(kFolderCount), QString::number(folderCountIndex));
    file.setValue(QString::fromUtf16(kFolder), backupFolder);
    if (!lastBackup.isEmpty())
        file.setValue(QString::fromUtf16(kLast), lastBackup);
}

BackupSettings BackupSettings::Load(const BaseDataStore& store)
{
    return FromList(store.load(KoravFile::kBackupSettings), store.folder().folder());
}
