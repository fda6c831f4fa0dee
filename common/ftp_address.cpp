#include "common/ftp_address.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr int kPlainPort = 21;
constexpr int kImplicitTlsPort = 990;

struct Scheme {
    QStringView prefix;
    FtpSecurity security;
};

constexpr Scheme kSchemes[] = {
    { u"ftpes://", FtpSecurity::Explicit },
    { u"ftps://", FtpSecurity::Implicit },
    { u"ftp://", FtpSecurity::None },
};

// The scheme at the start of the field, compared without regard to case.
const Scheme* SchemeOf(QStringView field)
{
    for (const Scheme& scheme : kSchemes) {
        if (field.startsWith(scheme.prefix, Qt::CaseInsensitive))
            return &scheme;
    }
    return nullptr;
}

} // namespace

FtpAddress ParseFtpAddress(const QString& field)
{
    QString rest = field.trimmed();
    FtpAddress address;
    if (const Scheme* scheme = SchemeOf(rest)) {
        address.security = scheme->security;
        rest = rest.mid(scheme->prefix.size());
        if (rest.endsWith(u'/'))
            rest.chop(1);
    }
    address.host = rest;
    address.port = address.security == FtpSecurity::Implicit ? kImplicitTlsPort : kPlainPort;
    static const QRegularExpression hostAndPort(u"^([^:]+):(\\d{1,5})$"_s);
    const QRegularExpressionMatch match = hostAndPort.match(rest);
    if (match.hasMatch()) {
        address.host = match.captured(1);
        address.port = match.captured(2).toInt();
    }
    return address;
}

FtpSettings FtpSettingsFor(
    const QString& field, const QString& user, const QString& password, const QString& folder)
{
    const FtpAddress address = ParseFtpAddress(field);
    return FtpSettings { address.host, user, password, folder, address.port, address.security };
}

bool AsksForTls(const QString& field)
{
    return ParseFtpAddress(field).security != FtpSecurity::None;
}

QString WithTls(const QString& field, bool tls)
{
    const QString trimmed = field.trimmed();
    if (tls == AsksForTls(trimmed))
        return field;
    const Scheme* scheme = SchemeOf(trimmed);
    const QString bare = scheme ? trimmed.mid(scheme->prefix.size()) : trimmed;
    return tls ? u"ftpes://"_s + bare : bare;
}
