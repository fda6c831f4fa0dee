#include "tests/korav_core/backup_fixture.h"

#include "common/file_store.h"
#include "common/string_list.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

const QDateTime kOld(QDate(2024, 2, 1), QTime(10, 0, 0));

} // namespace

BackupFixture::BackupFixture() : clock(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 30)))
{
    qputenv("TZ", "Europe/Berlin");
    tzset();
    put(u"zama.kvd"_s, "ma1=\r\n", kOld);
    put(u"zamasta.kvd"_s, "ma1=Anna#\r\n", kOld);
    put(u"zprojekte.kvd"_s, "P1=Projekt\r\n", kOld);
    put(u"auswtg/202402/az202402P1.kvd"_s, "month", kOld);
    put(u"auswtg/202402/az202402P1mon.kvd"_s, "month mon", kOld);
    put(u"auswtg/202403/notiz.txt"_s, "any extension", kOld);
    // Never part of a backup:
    put(u"~temp.kvd"_s, "tilde", kOld);
    put(u".versteckt.kvd"_s, "hidden", kOld);
    put(u"notizen.txt"_s, "other extension", kOld);
    ring = std::make_unique<BackupRing>(data(), messenger, clock);
}

void BackupFixture::put(const QString& name, const QByteArray& bytes, const QDateTime& time) const
{
    folder.write(u"data/"_s + name, bytes);
    setTime(data(name), time);
}

void BackupFixture::setTime(const QString& path, const QDateTime& time)
{
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(time, QFileDevice::FileModificationTime);
}

QByteArray BackupFixture::read(const QString& path) const
{
    return FileStore::ReadBytes(path).value_or(QByteArray());
}

bool BackupFixture::exists(const QString& path) const
{
    return QFileInfo::exists(path);
}

QStringList BackupFixture::FilesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QStringList BackupFixture::backedUpFiles() const
{
    QStringList files;
    for (const QString& name : QDir(data()).entryList({ u"*.kvd"_s }, QDir::Files | QDir::Hidden)) {
        if (!name.startsWith(u'~') && !name.startsWith(u'.'))
            files.append(name);
    }
    for (const QString& name : FilesBelow(data(u"auswtg"_s)))
        files.append(u"auswtg/"_s + name);
    files.sort();
    return files;
}

QString BackupFixture::lastBackup() const
{
    const std::optional<QString> text = FileStore::ReadUtf8(data(u"zbackup.kvd"_s));
    return text ? StringList::FromText(*text).value(u"lastbackup") : QString();
}
