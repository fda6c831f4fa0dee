#pragma once

#include "common/string_list.h"

#include <QString>

// The values PELIN takes from "pelin.cfg", each cut to its width and with
// its default for a missing key.
struct PelinConfig {
    int dbVersion = 200101;
    bool lanMode = true;
    QString programFolder;
    QString timeFolder;
    QString ftpServer;
    QString ftpUser;
    QString ftpPassword;
    QString ftpFolder;
    bool directoryLogin = false;
    QString ldapServer;
    QString ldapPort;
    QString ldapDn1;
    QString ldapDn2;
    bool ldapStartTls = false;
    QString holidaySwitches = QStringLiteral("000000");
    int countryCode = 0;
};

inline constexpr int kRequiredDbVersion = 161020;

PelinConfig ParsePelinConfig(const StringList& lines);

// The lines for the hidden configuration display: the FTP password is
// masked, as anyone at the employee's desk may see them.
StringList ConfigLinesForDisplay(const StringList& lines);

// "Version 23.1.1 VD" for Germany.
QString PelinVersionText(int countryCode);
