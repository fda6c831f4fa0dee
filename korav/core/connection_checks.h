#pragma once

#include "korav/core/connection_settings.h"

#include <QStringList>
#include <optional>

// What the connection dialog decides beyond wiring: which settings changed
// since its showing, what refuses a save, and the two server tests.
struct ConnectionChanges {
    bool ftp = false;
    bool directory = false;
    bool programFolder = false;
    bool timeFolder = false;
    bool certificate = false;
    bool passwords = false;

    bool any() const { return ftp || directory || programFolder || timeFolder || certificate || passwords; }
    static ConnectionChanges Between(const ConnectionFields& snapshot, const ConnectionFields& now);
};

// Why saving with "Ja" is refused: the message, and whether the directory
// log-in name is to be focused.
struct SaveRefusal {
    QString text;
    bool focusLdapName = false;
};
std::optional<SaveRefusal> RefuseSaving(
    const ConnectionChanges& changes, const ConnectionFields& now, bool directoryTested);

// The directory test's two status lines.
struct LdapTestLines {
    QString connection; // Err4_Label
    bool connectionOk = false;
    QString login; // Err3_Label; empty when the test ended before
    bool loginOk = false;
};
// The input message when something is missing, else nothing.
std::optional<QString> LdapInputMissing(
    const ConnectionFields& fields, const QString& name, const QString& password);
LdapTestLines LdapTesten(const ConnectionFields& fields, const QString& name, const QString& password);

// The FTP test's three status lines and the folders found on the server.
struct FtpTestResult {
    QStringList lines; // Err_Label, Err1_Label, Err2_Label
    QStringList folders;
    bool connected = false;
};
std::optional<QString> FtpInputMissing(const ConnectionFields& fields);
FtpTestResult FtpTesten(const ConnectionFields& fields);
