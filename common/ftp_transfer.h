#pragma once

#include "common/ftp_client.h"
#include "common/transfer.h"

// The central store as a folder on an FTP server. Connected only while
// files move: from connect() to disconnect().
class FtpTransfer final : public Transfer {
public:
    static constexpr int kAttempts = 3;
    static constexpr int kDownloadPauseMs = 500;
    static constexpr int kUploadPauseMs = 1000;

    FtpTransfer(FtpSettings settings, Messenger& messenger, Wait wait);

    bool connect() override;
    void disconnect() override;
    bool upload(const QString& localFolder, const QString& fileName) override;
    RemoteFile lookUp(const QString& fileName) override;

protected:
    bool fetch(const QString& localPath, const QString& fileName, bool required) override;

private:
    bool tryTimes(int pauseMs, const std::function<bool()>& attempt) const;

    FtpClient client_;
};
