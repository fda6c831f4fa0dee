#include "common/directory_login.h"

#include "common/messenger.h"
#include "common/number_parse.h"

#include <QRegularExpression>
#include <ldap.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int kTimeoutSeconds = 5;

constexpr int kLdapsPort = 636;

struct ServerAddress {
    QString uri;
    bool ldaps = false;
};

// "host", "ldap://host[:port]" or "ldaps://host[:port]"; a port in the
// server field wins over the port field.
ServerAddress ServerUri(const DirectorySettings& settings)
{
    QString host = settings.server.left(60).trimmed();
    int port = ParseDecimalInt(settings.port);
    bool ldaps = port == kLdapsPort;
    for (const bool secure : { true, false }) {
        const QString scheme = secure ? u"ldaps://"_s : u"ldap://"_s;
        if (host.startsWith(scheme, Qt::CaseInsensitive)) {
            ldaps = secure;
            host = host.mid(scheme.size());
            break;
        }
    }
    if (host.endsWith(u'/'))
        host.chop(1);
    static const QRegularExpression hostAndPort(u"^([^:]+):(\\d{1,5})$"_s);
    if (const QRegularExpressionMatch match = hostAndPort.match(host); match.hasMatch()) {
        host = match.captured(1);
        port = match.captured(2).toInt();
    }
    return { (ldaps ? u"ldaps://"_s : u"ldap://"_s) % host % u':' % QString::number(port), ldaps };
}

// The certificate must be valid and made out for the host; a file of the
// firm's own certificate replaces the system's CA store. The options belong
// to this connection alone.
void RequireCertificate(LDAP* ldap, const QString& caFile)
{
    const int demand = LDAP_OPT_X_TLS_DEMAND;
    ldap_set_option(ldap, LDAP_OPT_X_TLS_REQUIRE_CERT, &demand);
    if (!caFile.isEmpty())
        ldap_set_option(ldap, LDAP_OPT_X_TLS_CACERTFILE, caFile.toLocal8Bit().constData());
    const int client = 0;
    ldap_set_option(ldap, LDAP_OPT_X_TLS_NEWCTX, &client);
}

bool IsUnreachable(int code)
{
    return code == LDAP_SERVER_DOWN || code == LDAP_TIMEOUT;
}

// Nothing when TLS is up or was not asked for.
std::optional<DirectoryBind> SecureConnection(LDAP* ldap, const DirectorySettings& settings, bool ldaps)
{
    if (!ldaps && !settings.startTls)
        return std::nullopt;
    RequireCertificate(ldap, settings.caFile);
    // A refused handshake on an ldaps port reads like a server that is down;
    // either way no protected connection came about.
    if (ldaps)
        return ldap_connect(ldap) == LDAP_SUCCESS ? std::nullopt : std::optional(DirectoryBind::NoTls);
    const int code = ldap_start_tls_s(ldap, nullptr, nullptr);
    if (code == LDAP_SUCCESS)
        return std::nullopt;
    return IsUnreachable(code) ? DirectoryBind::NoConnection : DirectoryBind::NoTls;
}

bool IsConnectionFailure(int code)
{
    return code == LDAP_SERVER_DOWN || code == LDAP_TIMEOUT || code == LDAP_CONNECT_ERROR;
}

void SetTimeouts(LDAP* ldap)
{
    const timeval timeout { kTimeoutSeconds, 0 };
    ldap_set_option(ldap, LDAP_OPT_NETWORK_TIMEOUT, &timeout);
    ldap_set_option(ldap, LDAP_OPT_TIMEOUT, &timeout);
    ldap_set_option(ldap, LDAP_OPT_REFERRALS, LDAP_OPT_OFF);
}

} // namespace

// Only what RFC 4514 requires, and nothing more: a server that compares
// DNs as text would not match a needless escape such as "e\\=f".
QString EscapeDnValue(const QString& value)
{
    QString escaped;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const bool edgeBlank = c == u' ' && (i == 0 || i == value.size() - 1);
        const bool leadingHash = c == u'#' && i == 0;
        if (u",+\"\\<>;"_s.contains(c) || edgeBlank || leadingHash)
            escaped += u'\\';
        if (c == QChar(0))
            escaped += u"\\00"_s;
        else
            escaped += c;
    }
    return escaped;
}

DirectoryBind TryDirectoryBind(
    const DirectorySettings& settings, const QString& userName, const QString& password)
{
    const QString base = u"dc=%1,dc=%2"_s.arg(settings.dn1.left(40), settings.dn2.left(10));
    const QByteArray dn = (u"uid="_s % EscapeDnValue(userName.left(60)) % u',' % base.left(60)).toUtf8();
    LDAP* ldap = nullptr;
    const ServerAddress address = ServerUri(settings);
    if (ldap_initialize(&ldap, address.uri.toUtf8().constData()) != LDAP_SUCCESS || !ldap)
        return DirectoryBind::NoConnection;
    DirectoryBind result = DirectoryBind::VersionRefused;
    const int version = LDAP_VERSION3;
    if (ldap_set_option(ldap, LDAP_OPT_PROTOCOL_VERSION, &version) == LDAP_OPT_SUCCESS) {
        SetTimeouts(ldap);
        if (const std::optional<DirectoryBind> refused = SecureConnection(ldap, settings, address.ldaps)) {
            ldap_unbind_ext_s(ldap, nullptr, nullptr);
            return *refused;
        }
        QByteArray secretBytes = password.left(20).toUtf8();
        berval credentials { ber_len_t(secretBytes.size()), secretBytes.data() };
        const int code = ldap_sasl_bind_s(
            ldap, dn.constData(), LDAP_SASL_SIMPLE, &credentials, nullptr, nullptr, nullptr);
        result = code == LDAP_SUCCESS   ? DirectoryBind::Accepted
            : IsConnectionFailure(code) ? DirectoryBind::NoConnection
                                        : DirectoryBind::Refused;
    }
    ldap_unbind_ext_s(ldap, nullptr, nullptr);
    return result;
}

bool CheckDirectoryLogin(
    const DirectorySettings& settings, const QString& userName, const QString& password, Messenger& messenger)
{
    if (settings.server.isEmpty() || settings.port.isEmpty() || settings.dn1.isEmpty()
        || settings.dn2.isEmpty()) {
        messenger.show(u"Keine Datei mit LDAP-Anmeldedaten vorhanden!"_s);
        return false;
    }
    // An empty password would make an unauthenticated bind, which many
    // servers accept for any name.
    if (userName.isEmpty() || password.left(20).isEmpty()) {
        messenger.show(u"Bitte LDAP - Anmeldename und - Kennwort eingeben"_s);
        return false;
    }
    switch (TryDirectoryBind(settings, userName, password)) {
    case DirectoryBind::Accepted:
        return true;
    case DirectoryBind::NoConnection:
        messenger.show(u"Keine Verbindung zum LDAP-Server möglich!"_s);
        break;
    case DirectoryBind::NoTls:
        messenger.show(QString::fromUtf16(kDirectoryTlsRefusal));
        break;
    case DirectoryBind::VersionRefused:
        messenger.show(u"Setzen der Option war nicht erfolgreich! (Versionsfehler) "_s);
        break;
    case DirectoryBind::Refused:
        messenger.show(u"Anmeldung war nicht erfolgreich! (Anmeldename-/Passwortfehler)"_s);
        break;
    }
    return false;
}
