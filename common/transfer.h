#pragma once

#include "common/wait.h"

#include <QDateTime>
#include <QString>
#include <functional>

class Messenger;

// What the central store knows about one of its files.
struct RemoteFile {
    enum class State { Present, Missing, Unknown };
    State state = State::Unknown;
    QDateTime modified; // as the store gives it; invalid when unknown
    qint64 size = -1; // in bytes; -1 when unknown
};

// Copies files between the personal folder and the central store, a LAN
// folder or an FTP folder; log-in and saving do not care which. Every failure
// is reported through the messenger and returned as false.
class Transfer {
public:
    using OnlineObserver = std::function<void(bool online)>;
    enum class Fetched { File, NoFile, Failed };

    Transfer(Messenger& messenger, Wait wait);
    virtual ~Transfer() = default;

    virtual bool connect() = 0;
    virtual void disconnect() { }
    // "Online" or "Offline": the hint of the connection picture.
    bool online() const { return online_; }
    static QString OnlineHint(bool online);
    void setOnlineObserver(OnlineObserver observer) { observer_ = std::move(observer); }

    // Fetches a file of the store into `localFolder`. The previous local copy
    // is kept as "bak_" + name, and put back under its own name when the
    // store yields no file, so that the next save cannot replace the central
    // copy with an empty month.
    bool download(const QString& localFolder, const QString& fileName, bool required);
    // Fetches the store's file to `localPath` and touches nothing else. Tells
    // a file the store does not have from one it could not deliver.
    Fetched fetchCopy(const QString& localPath, const QString& fileName);
    virtual bool upload(const QString& localFolder, const QString& fileName) = 0;
    virtual RemoteFile lookUp(const QString& fileName) = 0;

    static QString BackupName(const QString& fileName);

protected:
    // Puts the store's file at `localPath`, whole or not at all.
    virtual bool fetch(const QString& localPath, const QString& fileName, bool required) = 0;
    void setOnline(bool online);
    void wait(int milliseconds) const;
    void show(const QString& text) const;

private:
    Messenger& messenger_;
    Wait wait_;
    OnlineObserver observer_;
    bool online_ = false;
};
