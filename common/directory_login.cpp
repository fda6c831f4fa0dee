#include "common/directory_login.h"

#include "common/messenger.h"
#include "common/number_parse.h"

#include <ldap.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kTimeoutSeconds = 5;

QString ServerUri(const DirectorySettings& settings)
{
    const int port = ParseDecimalInt(settings.port);
    return (port == 636 ? u"ldaps://"_s : u"ldap://"_s) % settings.server.left(60) % u':'
        % QString::number(port);
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
    if (ldap_initialize(&ldap, ServerUri(settings).toUtf8().constData()) != LDAP_SUCCESS || !ldap)
        return DirectoryBind::NoConnection;
    DirectoryBind result = DirectoryBind::VersionRefused;
    const int version = LDAP_VERSION3;
    if (ldap_set_option(ldap, LDAP_OPT_PROTOCOL_VERSION, &version) == LDAP_OPT_SUCCESS) {
        SetTimeouts(ldap);
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
    case DirectoryBind::VersionRefused:
        messenger.show(u"Setzen der Option war nicht erfolgreich! (Versionsfehler) "_s);
        break;
    case DirectoryBind::Refused:
        messenger.show(u"Anmeldung war nicht erfolgreich! (Anmeldename-/Passwortfehler)"_s);
        break;
    }
    return false;
}
