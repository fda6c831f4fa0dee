#pragma once

#include "common/transfer_settings.h"

#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

// A real directory server (slapd) on 127.0.0.1 with a generated
// configuration and database in a temporary folder, holding the base
// "dc=firma,dc=de" and one entry "uid=<name>" per user with a password.
// Started by the constructor, stopped by the destructor. With TLS it has a
// certificate for 127.0.0.1, offers StartTLS and listens for ldaps too.
class LdapServer {
public:
    explicit LdapServer(const QMap<QString, QString>& users, bool tls = false);
    ~LdapServer();

    bool isRunning() const { return running_; }
    DirectorySettings settings() const;
    // "ldaps://127.0.0.1:<port>", trusting the server's certificate.
    DirectorySettings ldapsSettings() const;
    // StartTLS on the plain port, trusting the server's certificate.
    DirectorySettings startTlsSettings() const;
    QString certificate() const;
    void stop();

private:
    bool prepare(const QMap<QString, QString>& users, bool tls);

    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
    int ldapsPort_ = 0;
    bool running_ = false;
};

// A port on 127.0.0.1 that nothing listens on at the moment of asking.
int FreeLocalPort();
// Polls the port on 127.0.0.1 for up to ten seconds.
bool WaitUntilListening(int port);
