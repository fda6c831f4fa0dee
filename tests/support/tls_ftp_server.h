#pragma once

#include "common/transfer_settings.h"

#include <QProcess>
#include <QTemporaryDir>

// A real FTP server (vsftpd, run as root in the foreground) on 127.0.0.1
// with a certificate of its own for 127.0.0.1, serving a temporary root
// folder to a local user made for the tests. Started by the constructor,
// stopped by the destructor. Logs every command it receives.
class TlsFtpServer {
public:
    // Explicit: TLS after "AUTH TLS", required for log-in and data. Implicit:
    // TLS from the first byte. None: no TLS at all.
    explicit TlsFtpServer(FtpSecurity security);
    ~TlsFtpServer();

    bool isRunning() const { return running_; }
    // Settings asking for `security`, trusting the server's certificate.
    FtpSettings settings(FtpSecurity security, const QString& folder = QStringLiteral("zeit")) const;
    QString certificate() const;
    QString root(const QString& name = {}) const;
    void write(const QString& relativePath, const QByteArray& bytes) const;
    QByteArray read(const QString& relativePath) const;
    // The commands the server received, as its protocol log holds them.
    QByteArray protocolLog() const;

private:
    bool prepare(FtpSecurity security);
    void stop();

    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
    bool running_ = false;
};
