#pragma once

#include "common/transfer_settings.h"

#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

// A real directory server (slapd) on 127.0.0.1 with a generated
// configuration and database in a temporary folder, holding the base
// "dc=firma,dc=de" and one entry "uid=<name>" per user with a password.
// Started by the constructor, stopped by the destructor.
class LdapServer {
public:
    explicit LdapServer(const QMap<QString, QString>& users);
    ~LdapServer();

    bool isRunning() const { return running_; }
    DirectorySettings settings() const;
    void stop();

private:
    bool prepare(const QMap<QString, QString>& users);
    bool waitUntilListening() const;

    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
    bool running_ = false;
};

// A port on 127.0.0.1 that nothing listens on at the moment of asking.
int FreeLocalPort();
