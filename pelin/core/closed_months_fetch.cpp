#include "pelin/core/closed_months_fetch.h"

#include "common/transfer.h"

#include <QDir>

ClosedMonths FetchClosedMonths(Transfer& transfer, const QString& personalFolder, const QString& readFolder)
{
    const QString name = QString::fromUtf16(ClosedMonthsFile::kProvided);
    transfer.fetchCopy(QDir(personalFolder).filePath(name), name);
    return ClosedMonths::FromFile(QDir(readFolder).filePath(name));
}
