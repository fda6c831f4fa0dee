#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString TempFolder::path(const QString& name) const
{
    return name.isEmpty() ? dir_.path() : dir_.filePath(name);
}

void TempFolder::write(const QString& name, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TempFolder::read(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempFolder::exists(const QString& name) const
{
    return QFileInfo::exists(path(name));
}
