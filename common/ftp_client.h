#pragma once

#include "common/transfer.h"
#include "common/transfer_settings.h"

#include <QString>

#include <QDateTime>
#include <QList>
#include <optional>

typedef void CURL;

// One entry of a listing of the FTP folder.
struct FtpEntry {
    QString name;
    bool folder = false;
    QDateTime modified; // UTC; invalid when the listing gives no exact time
    qint64 size = -1;
};

// Why the last operation failed, where the caller words it differently.
enum class FtpFailure {
    None,
    Other,
    Tls, // TLS was asked for and could not be set up: nothing went in clear
    Certificate, // untrusted, or made out for another server
};

// The German message for a failure of the protected connection; empty for
// the others, which the callers word themselves.
QString FtpFailureText(FtpFailure failure);

// The FTP operations the programs use, on libcurl: passive mode, binary
// transfers. One session lives from open() to close(); every file name is
// relative to the configured FTP folder. Failures are plain failures.
// With TLS asked for, every command and transfer is protected; a server that
// cannot do TLS is refused rather than spoken to in clear.
class FtpClient {
public:
    explicit FtpClient(FtpSettings settings);
    ~FtpClient();
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    bool open();
    // Logs in; the session stays usable until close().
    bool login();
    void close();
    bool isOpen() const { return curl_ != nullptr; }

    RemoteFile lookUp(const QString& fileName);
    // Writes to a temporary file beside `localPath`, renamed only when whole.
    bool get(const QString& fileName, const QString& localPath);
    // Stores under a temporary name of its own on the server, renamed only
    // when whole; then removes what dropped uploads of the file left behind.
    bool put(const QString& localPath, const QString& fileName);
    // The entries of the FTP folder: MLSD, or LIST where the server has no
    // MLSD (LIST gives no exact times). Nothing when neither works.
    std::optional<QList<FtpEntry>> list();

    bool encrypted() const { return settings_.security != FtpSecurity::None; }
    FtpFailure lastFailure() const { return lastFailure_; }

private:
    bool perform();
    QByteArray url(const QString& fileName) const;
    void prepare(const QString& fileName);
    std::optional<QByteArray> listing(const char* command);
    void removeLeftovers(const QString& fileName);
    bool remove(const QString& fileName);

    FtpSettings settings_;
    CURL* curl_ = nullptr;
    FtpFailure lastFailure_ = FtpFailure::None;
};
