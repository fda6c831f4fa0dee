#include "korav/core/backup_list.h"

#include "common/file_store.h"
#include "common/string_list.h"
#include "korav/core/backup_texts.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

QString BackupFolderPath(const QString& baseFolder, int index)
{
    return baseFolder + BackupFolderName(index) + u'/';
}

QString BackupFolderName(int index)
{
    return u"terminbkp"_s + QString::number(index);
}

int BackupFolderIndex(const QString& name)
{
    static const QRegularExpression pattern(u"^terminbkp([1-8])$"_s);
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

namespace {

std::optional<StringList> LogLines(const QString& backupFolder)
{
    const std::optional<QString> log = FileStore::ReadUtf8(backupFolder + kBackupLogName);
    if (!log)
        return std::nullopt;
    return StringList::FromText(*log);
}

QString MarkIn(const StringList& lines)
{
    return lines.size() > 1 && IsBeforeRestoreLogLine(lines.at(1)) ? lines.at(1) : QString();
}

} // namespace

QString BeforeRestoreMark(const QString& backupFolder)
{
    const std::optional<StringList> lines = LogLines(backupFolder);
    return lines ? MarkIn(*lines) : QString();
}

std::optional<QString> BackupLogEntry(const QString& backupFolder)
{
    const std::optional<StringList> lines = LogLines(backupFolder);
    if (!lines)
        return std::nullopt;
    QString entry = lines->isEmpty() ? QString() : lines->at(0);
    if (const QString mark = MarkIn(*lines); !mark.isEmpty())
        entry += u" - "_s + mark;
    return entry;
}

QStringList BackupListeAnzeigen(const QString& baseFolder)
{
    QStringList lines;
    for (int i = 1; i <= kMostBackupFolders; ++i) {
        if (const std::optional<QString> entry = BackupLogEntry(BackupFolderPath(baseFolder, i)))
            lines.append(*entry);
    }
    std::sort(lines.begin(), lines.end());
    std::reverse(lines.begin(), lines.end());
    for (QString& line : lines)
        line = BackupListLine(line);
    return lines;
}

QList<RingFolder> RingFolders(const QString& baseFolder)
{
    QList<std::pair<QString, int>> logged;
    QList<RingFolder> folders;
    for (int i = 1; i <= kMostBackupFolders; ++i) {
        const QString path = BackupFolderPath(baseFolder, i);
        if (!QFileInfo(path).isDir())
            continue;
        if (const std::optional<QString> entry = BackupLogEntry(path))
            logged.append({ *entry, i });
        else
            folders.append({ i, u' ' + BackupFolderName(i) + u" - ohne Protokoll"_s });
    }
    std::sort(logged.begin(), logged.end(), std::greater<>());
    QList<RingFolder> sorted;
    for (const auto& [entry, index] : logged)
        sorted.append({ index, BackupListLine(entry) });
    return sorted + folders;
}
