#include "korav/core/program_file_copy.h"

#include "common/file_store.h"

#include <QFile>

bool CopyProgramFile(const QString& from, const QString& to)
{
    if (!FileStore::CopyFile(from, to))
        return false;
    QFile::setPermissions(to, QFile::permissions(from));
    return true;
}
