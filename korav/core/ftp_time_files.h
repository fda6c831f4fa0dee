#pragma once

#include "common/transfer_settings.h"

#include <QStringList>

class Messenger;

// In FTP mode the employees' month files arrive in the FTP folder. Every
// "az20*.kvd" there that is new or changed (by the server's time and size)
// is downloaded into the time folder and given the server's time, so that
// the collection sees it as any other time file. Failures are shown; the
// files that came stay. Returns what did not come: the names of the files,
// or the FTP folder when it could not be reached or read.
QStringList FetchFtpTimeFiles(const FtpSettings& ftp, const QString& timeFolder, Messenger& messenger);
