#include "common/single_instance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString& programName, const QString& runtimeFolder)
    : lock_(std::make_unique<QLockFile>(QDir(runtimeFolder).filePath(programName + QStringLiteral(".lock"))))
{
}

bool SingleInstance::tryAcquire()
{
    if (lock_->isLocked())
        return true;
    return lock_->tryLock(0);
}
