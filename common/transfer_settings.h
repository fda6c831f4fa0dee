#pragma once

#include <QString>

// Where the central store lies in LAN mode.
struct FolderSettings {
    QString timeFolder; // "zeitordner"; when empty the program folder serves
    QString programFolder; // "progordner"
    QString executableFolder; // the folder PELIN runs from
    bool startedByKorav = false;
};

// Where the central store lies in FTP mode.
struct FtpSettings {
    QString server; // "syftpserver"
    QString user; // "syftpbenutzer"
    QString password; // "syftppw"
    QString folder; // "syftpordner"
    int port = 21;
};

// The directory server of the directory log-in.
struct DirectorySettings {
    QString server; // "ldapserver"
    QString port; // "ldapport", decimal
    QString dn1; // "ldapdn1"
    QString dn2; // "ldapdn2"
};
