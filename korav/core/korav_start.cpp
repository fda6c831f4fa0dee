#include "korav/core/korav_start.h"

#include "common/file_store.h"
#include "korav/core/korav_settings.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

std::optional<DataFolder> RememberedDataFolder(const KoravSettings& settings)
{
    const std::optional<QString> directory = settings.read(KoravSettings::kDirectory);
    if (!directory || directory->isEmpty())
        return std::nullopt;
    const DataFolder folder(*directory);
    if (!QFileInfo(folder.folder()).isDir() || !FileStore::Exists(folder.path(KoravFile::kEmployeeList)))
        return std::nullopt;
    return folder;
}

std::optional<QString> RememberedStyle(const KoravSettings& settings)
{
    const std::optional<QString> style = settings.read(KoravSettings::kStyle);
    if (style && (*style == kWindowsStyle || *style == kGreyStyle))
        return style;
    return std::nullopt;
}

QString MainWindowCaption(const DataFolder& folder)
{
    return QString::fromUtf16(kApplicationTitle) + u" - "_s + folder.folder();
}
