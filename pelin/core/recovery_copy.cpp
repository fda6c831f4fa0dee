#include "pelin/core/recovery_copy.h"

#include "common/file_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace RecoveryCopy {

QString FileName(const QString& monthFileName)
{
    return u"wiederherst_"_s + monthFileName;
}

QString DatedName(const QString& monthFileName, const QDateTime& written)
{
    return u"wiederherst_%1_%2"_s.arg(written.toString(u"yyyyMMdd_HHmmss"_s), monthFileName);
}

bool Write(const QString& folder, const MonthList& month)
{
    return FileStore::WriteText(
        QDir(folder).filePath(FileName(month.fileName())), month.lines().toText(), month.encoding());
}

bool Remove(const QString& folder, const QString& monthFileName)
{
    const QString path = QDir(folder).filePath(FileName(monthFileName));
    return !QFile::exists(path) || QFile::remove(path);
}

bool SetAside(const QString& folder, const QString& monthFileName)
{
    const QString path = QDir(folder).filePath(FileName(monthFileName));
    QString dated = QDir(folder).filePath(DatedName(monthFileName, QFileInfo(path).lastModified()));
    for (int n = 2; QFileInfo::exists(dated); ++n)
        dated = QDir(folder).filePath(
            DatedName(monthFileName, QFileInfo(path).lastModified()) + u"_%1"_s.arg(n));
    return QFile::rename(path, dated);
}

} // namespace RecoveryCopy
