#pragma once

#include "common/transfer_settings.h"

#include <QProcess>
#include <QTemporaryDir>

// A real FTP server (pyftpdlib) on 127.0.0.1, serving a temporary root
// folder; started by the constructor, stopped by the destructor.
class FtpServer {
public:
    FtpServer();
    ~FtpServer();

    bool isRunning() const { return port_ > 0; }
    // Settings for the user "pelin" with password "geheim" in `folder`.
    FtpSettings settings(const QString& folder = QStringLiteral("zeit")) const;
    QString root(const QString& name = {}) const;
    void write(const QString& relativePath, const QByteArray& bytes) const;
    QByteArray read(const QString& relativePath) const;

    void refuseLogins(bool refuse);
    void failNextUploads(int count);
    void dropTransfersAfter(int bytes);
    // MLSD answered as unknown, as by servers that only list with LIST.
    void refuseMlsd(bool refuse);
    // Stops the server; its port then refuses connections.
    void stop();

private:
    void writeFaults();

    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
    bool refuseLogins_ = false;
    bool refuseMlsd_ = false;
    int failUploads_ = 0;
    int dropAfter_ = -1;
};
