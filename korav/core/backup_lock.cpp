#include "korav/core/backup_lock.h"

#include "common/messenger.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

void DealWithHeldLock(
    const QString& path, const QString& name, HeldLock held, QDate today, Messenger& messenger)
{
    if (held == HeldLock::Report) {
        messenger.show(u"Datei ist momentan gesperrt ! ( %1 )"_s.arg(name));
        return;
    }
    if (QFileInfo(path).lastModified().toLocalTime().date() < today)
        QFile::remove(path);
}

} // namespace

bool SperreSetzen(
    const QString& dataFolder, const QString& name, HeldLock held, QDate today, Messenger& messenger)
{
    const QString path = dataFolder + name;
    // Creating exclusively, so that of two instances starting at the same
    // moment only one gets the lock.
    QFile lock(path);
    if (lock.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return true;
    if (QFileInfo::exists(path))
        DealWithHeldLock(path, name, held, today, messenger);
    return false;
}

void SperreLoesen(const QString& dataFolder, const QString& name)
{
    QFile::remove(dataFolder + name);
}

bool SperreBesteht(const QString& dataFolder, const QString& name)
{
    return QFileInfo::exists(dataFolder + name);
}

void DateisperreAufheben(const QString& dataFolder, Messenger& messenger)
{
    const QString name = QString::fromUtf16(KoravFile::kBackupLock);
    if (SperreBesteht(dataFolder, name)) {
        SperreLoesen(dataFolder, name);
        messenger.show(u"Die Backup-Dateisperre wurde aufgehoben."_s);
    } else {
        messenger.show(u"Die Backup-Datei war nicht gesperrt."_s);
    }
}
