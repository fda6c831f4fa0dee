#include "korav/core/backup_list.h"

#include "common/file_store.h"
#include "common/string_list.h"
#include "korav/core/backup_texts.h"

#include <algorithm>

using namespace Qt::StringLiterals;

QString BackupFolderPath(const QString& baseFolder, int index)
{
    return baseFolder + u"terminbkp"_s + QString::number(index) + u'/';
}

QStringList BackupListeAnzeigen(const QString& baseFolder)
{
    QStringList lines;
    for (int i = 1; i <= kMostBackupFolders; ++i) {
        const std::optional<QString> log
            = FileStore::ReadUtf8(BackupFolderPath(baseFolder, i) + kBackupLogName);
        if (!log)
            continue;
        const StringList logLines = StringList::FromText(*log);
        lines.append(logLines.isEmpty() ? QString() : logLines.at(0));
    }
    std::sort(lines.begin(), lines.end());
    std::reverse(lines.begin(), lines.end());
    for (QString& line : lines)
        line = BackupListLine(line);
    return lines;
}
