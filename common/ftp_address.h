#pragma once

#include "common/transfer_settings.h"

// The FTP server as the server field holds it: "host", "host:port",
// "ftpes://host[:port]" for explicit TLS or "ftps://host[:port]" for
// implicit TLS. A name with more than one colon is an IPv6 address.
struct FtpAddress {
    QString host;
    int port = 21;
    FtpSecurity security = FtpSecurity::None;
};

FtpAddress ParseFtpAddress(const QString& field);

// Settings for the server field and the access data.
FtpSettings FtpSettingsFor(
    const QString& field, const QString& user, const QString& password, const QString& folder);

// Whether the field asks for TLS, and the field with or without it: the
// switch adds explicit TLS, the form most servers offer, and keeps a TLS
// scheme already there.
bool AsksForTls(const QString& field);
QString WithTls(const QString& field, bool tls);
