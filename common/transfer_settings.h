#pragma once

#include <QString>

// Where the central store lies in LAN mode.
struct FolderSettings {
    QString timeFolder; // "zeitordner"; when empty the program folder serves
    QString programFolder; // "progordner"
    QString executableFolder; // the folder PELIN runs from
    bool startedByKorav = false;
};

// How the FTP connection is protected: explicit TLS asks the server to
// switch to TLS after the greeting ("AUTH TLS"), implicit TLS speaks TLS from
// the first byte (port 990).
enum class FtpSecurity { None, Explicit, Implicit };

// Where the central store lies in FTP mode.
struct FtpSettings {
    QString server; // "syftpserver" without scheme and port
    QString user; // "syftpbenutzer"
    QString password; // "syftppw"
    QString folder; // "syftpordner"
    int port = 21;
    FtpSecurity security = FtpSecurity::None;
    // A certificate file (PEM) trusted in place of the system's CA store.
    QString caFile {};
};

// The directory server of the directory log-in.
struct DirectorySettings {
    QString server; // "ldapserver"
    QString port; // "ldapport", decimal
    QString dn1; // "ldapdn1"
    QString dn2; // "ldapdn2"
    bool startTls = false; // "ldap_starttls"
    // A certificate file (PEM) trusted in place of the system's CA store.
    QString caFile {};
};
