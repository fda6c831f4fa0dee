#include "korav/core/backup_choices.h"

#include "common/number_parse.h"

#include <iterator>

using namespace Qt::StringLiterals;

namespace {

int Index(const StringList& file, QStringView key, int fallback, int count)
{
    if (!file.hasKey(key))
        return fallback;
    const int index = ParseDecimalInt(file.value(key));
    return index >= 0 && index < count ? index : fallback;
}

} // namespace

BackupChoices BackupChoices::FromFile(const StringList& file)
{
    BackupChoices choices;
    choices.automaticOff = file.hasKey(BackupKey::kAutomatic) && file.value(BackupKey::kAutomatic) != u"an";
    choices.intervalIndex = Index(file, BackupKey::kInterval, 0, int(std::size(kIntervalHours)));
    choices.folderCountIndex = Index(file, BackupKey::kFolderCount, 3, int(std::size(kFolderCounts)));
    choices.chosenFolder = file.value(BackupKey::kFolder);
    return choices;
}

void BackupChoices::writeTo(StringList& file) const
{
    file.setValue(QString::fromUtf16(BackupKey::kAutomatic), automaticOff ? u"aus"_s : u"an"_s);
    file.setValue(QString::fromUtf16(BackupKey::kInterval), QString::number(intervalIndex));
    file.setValue(QString::fromUtf16(BackupKey::kFolderCount), QString::number(folderCountIndex));
    if (!chosenFolder.isEmpty())
        file.setValue(QString::fromUtf16(BackupKey::kFolder), chosenFolder);
}
