#pragma once

#include "common/transfer_settings.h"

class Messenger;

enum class DirectoryBind { NoConnection, VersionRefused, Refused, Accepted };

// One simple bind as "uid=<name>,dc=<dn1>,dc=<dn2>" with protocol version 3;
// the connection is closed again in every case.
DirectoryBind TryDirectoryBind(
    const DirectorySettings& settings, const QString& userName, const QString& password);

// The directory log-in check: a simple bind as "uid=<name>,dc=<dn1>,dc=<dn2>"
// with protocol version 3. Reports every failure through the messenger.
bool CheckDirectoryLogin(const DirectorySettings& settings, const QString& userName, const QString& password,
    Messenger& messenger);

// The user name as an attribute value of a distinguished name (RFC 4514), so
// that a typed name cannot change the structure of the DN.
QString EscapeDnValue(const QString& value);
