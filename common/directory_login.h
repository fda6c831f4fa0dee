#pragma once

#include "common/transfer_settings.h"

class Messenger;

enum class DirectoryBind { NoConnection, NoTls, VersionRefused, Refused, Accepted };

inline constexpr char16_t kDirectoryTlsRefusal[]
    = u"Keine verschlüsselte Verbindung zum LDAP-Server möglich!";

// One simple bind as "uid=<name>,dc=<dn1>,dc=<dn2>" with protocol version 3;
// the connection is closed again in every case. The server field may be
// "ldaps://host[:port]" (as may port 636); with StartTLS the connection is
// protected first. Where TLS is asked for, the password is sent only once
// it is up and the server's certificate was accepted.
DirectoryBind TryDirectoryBind(
    const DirectorySettings& settings, const QString& userName, const QString& password);

// The directory log-in check: a simple bind as "uid=<name>,dc=<dn1>,dc=<dn2>"
// with protocol version 3. Reports every failure through the messenger.
bool CheckDirectoryLogin(const DirectorySettings& settings, const QString& userName, const QString& password,
    Messenger& messenger);

// The user name as an attribute value of a distinguished name (RFC 4514), so
// that a typed name cannot change the structure of the DN.
QString EscapeDnValue(const QString& value);
