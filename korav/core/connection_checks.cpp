#include "korav/core/connection_checks.h"

#include "common/directory_login.h"
#include "common/ftp_client.h"
#include "common/trusted_certificate.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

ConnectionChanges ConnectionChanges::Between(const ConnectionFields& a, const ConnectionFields& b)
{
    ConnectionChanges c;
    c.ftp = a.ftpServer != b.ftpServer || a.ftpUser != b.ftpUser || a.ftpPassword != b.ftpPassword
        || a.ftpFolder != b.ftpFolder || a.ftpActive != b.ftpActive;
    c.directory = a.ldapServer != b.ldapServer || a.ldapPort != b.ldapPort || a.ldapDn1 != b.ldapDn1
        || a.ldapDn2 != b.ldapDn2 || a.ldapActive != b.ldapActive || a.ldapStartTls != b.ldapStartTls;
    c.certificate = a.certificate != b.certificate;
    c.passwords = a.passwordCheckValues != b.passwordCheckValues;
    c.programFolder = a.programFolder != b.programFolder;
    c.timeFolder = a.timeFolder != b.timeFolder;
    return c;
}

std::optional<SaveRefusal> RefuseSaving(
    const ConnectionChanges& changes, const ConnectionFields& now, bool directoryTested)
{
    if (changes.programFolder && !QFileInfo(now.programFolder).isDir())
        return SaveRefusal { u"Kein Ordner für Programm-Dateien ausgewählt !  "_s };
    if (changes.timeFolder && !QFileInfo(now.timeFolder).isDir())
        return SaveRefusal { u"Kein Ordner für Arbeitszeit-Dateien ausgewählt !  "_s };
    if (changes.certificate && !now.certificate.isEmpty() && !TrustedCertificate::IsPem(now.certificate))
        return SaveRefusal { u"Die gewählte Datei enthält kein Zertifikat im PEM-Format !  "_s };
    if (changes.directory && now.ldapActive && !directoryTested)
        return SaveRefusal { u"LDAP-Anmeldung muss getestet werden !  "_s, true };
    return std::nullopt;
}

std::optional<QString> LdapInputMissing(
    const ConnectionFields& f, const QString& name, const QString& password)
{
    if (f.ldapServer.isEmpty() || f.ldapPort.isEmpty() || f.ldapDn1.isEmpty() || f.ldapDn2.isEmpty())
        return u"Eingabe Adresse LDAP-Server, Port oder Domänen-Name fehlt!  "_s;
    if (name.isEmpty() || password.isEmpty())
        return u"Eingabe Anmeldename oder Kennwort fehlt !  "_s;
    return std::nullopt;
}

LdapTestLines LdapTesten(const ConnectionFields& f, const QString& name, const QString& password)
{
    DirectorySettings settings = DirectorySettingsOf(f);
    settings.server = settings.server.left(60);
    LdapTestLines lines;
    const DirectoryBind bind = TryDirectoryBind(settings, name, password);
    if (bind == DirectoryBind::NoConnection) {
        lines.connection = u"Keine Verbindung zum LDAP-Server möglich!)"_s;
        return lines;
    }
    if (bind == DirectoryBind::NoTls) {
        lines.connection = QString::fromUtf16(kDirectoryTlsRefusal);
        return lines;
    }
    lines.connection = u"Verbindung zum LDAP-Server konnte hergestellt werden"_s;
    lines.connectionOk = true;
    lines.loginOk = bind == DirectoryBind::Accepted;
    lines.login = bind == DirectoryBind::VersionRefused
        ? u"Anmeldung war nicht erfolgreich! (Versionsfehler)"_s
        : lines.loginOk ? u"Anmeldung war erfolgreich!"_s
                        : u"Anmeldung war nicht erfolgreich! (Anmeldename-/Passwortfehler)"_s;
    return lines;
}

std::optional<QString> FtpInputMissing(const ConnectionFields& f)
{
    if (f.ftpServer.trimmed().isEmpty() || f.ftpUser.isEmpty() || f.ftpPassword.isEmpty())
        return u"Eingabe Adresse FTP-Server, Benutzername oder Passwort fehlt ! "_s;
    return std::nullopt;
}

// Lists the folders of the log-in folder of the server, where the FTP
// folders for PELIN are chosen from.
FtpTestResult FtpTesten(const ConnectionFields& f)
{
    FtpTestResult result;
    result.lines = QStringList(3);
    ConnectionFields cut = f;
    cut.ftpServer = f.ftpServer.left(60);
    cut.ftpUser = f.ftpUser.left(60);
    cut.ftpPassword = f.ftpPassword.left(20);
    cut.ftpFolder.clear();
    FtpClient client(FtpSettingsOf(cut));
    if (!client.open()) {
        result.lines[0] = u"Keine Internetverbindung möglich (h_ftpOpen = NULL)  "_s;
        return result;
    }
    const std::optional<QList<FtpEntry>> entries = client.login() ? client.list() : std::nullopt;
    if (!entries) {
        result.lines[0] = u"Eine Internetverbindung besteht, jedoch ist"_s;
        result.lines[1] = u"keine Verbindung zum FTP-Server möglich"_s;
        result.lines[2] = FtpFailureText(client.lastFailure());
        return result;
    }
    result.connected = true;
    result.lines[0] = u" Eine Verbindung zum FTP-Server konnte hergestellt werden! "_s;
    result.lines[1] = client.encrypted() ? u" Die Verbindung ist verschlüsselt (TLS). "_s
                                         : u" Die Verbindung ist nicht verschlüsselt! "_s;
    for (const FtpEntry& entry : *entries) {
        if (entry.folder)
            result.folders.append(entry.name);
    }
    if (!f.ftpFolder.isEmpty() && result.folders.contains(f.ftpFolder))
        result.lines[2] = u" Der gewählte Ordner ist vorhanden! "_s;
    return result;
}
