#include "tests/support/ldap_server.h"

#include "tests/support/tls_certificate.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

sockaddr_in LocalAddress(int port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool Accepts(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = LocalAddress(port);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

QString Run(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void WriteFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}

} // namespace

int FreeLocalPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = LocalAddress(0);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

LdapServer::LdapServer(const QMap<QString, QString>& users, bool tls)
{
    if (!prepare(users, tls))
        return;
    port_ = FreeLocalPort();
    QString listeners = u"ldap://127.0.0.1:%1/"_s.arg(port_);
    if (tls) {
        ldapsPort_ = FreeLocalPort();
        listeners += u" ldaps://127.0.0.1:%1/"_s.arg(ldapsPort_);
    }
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(u"/usr/sbin/slapd"_s,
        { u"-d"_s, u"0"_s, u"-f"_s, dir_.filePath(u"slapd.conf"_s), u"-h"_s, listeners });
    running_ = process_.waitForStarted(5000) && WaitUntilListening(port_)
        && (!tls || WaitUntilListening(ldapsPort_));
}

LdapServer::~LdapServer()
{
    stop();
}

bool LdapServer::prepare(const QMap<QString, QString>& users, bool tls)
{
    const QString base = dir_.path();
    QDir(base).mkdir(u"db"_s);
    if (tls && !MakeTestCertificate(base))
        return false;
    const QString tlsLines
        = tls ? u"TLSCertificateFile %1/cert.pem\nTLSCertificateKeyFile %1/key.pem\n"_s.arg(base) : QString();
    WriteFile(base + u"/slapd.conf"_s,
        tlsLines
            + u"include /etc/ldap/schema/core.schema\n"
              "include /etc/ldap/schema/cosine.schema\n"
              "include /etc/ldap/schema/inetorgperson.schema\n"
              "pidfile %1/slapd.pid\nargsfile %1/slapd.args\n"
              "modulepath /usr/lib/ldap\nmoduleload back_mdb\nloglevel none\n"
              "database mdb\nmaxsize 16777216\nsuffix \"dc=firma,dc=de\"\n"
              "rootdn \"cn=admin,dc=firma,dc=de\"\nrootpw admin\ndirectory %1/db\n"
              "access to attrs=userPassword by anonymous auth by self write by * none\n"
              "access to * by * read\n"_s.arg(base));
    QString ldif
        = u"dn: dc=firma,dc=de\nobjectClass: dcObject\nobjectClass: organization\no: Firma\ndc: firma\n\n"_s;
    for (auto user = users.begin(); user != users.end(); ++user) {
        const QString hash = Run(u"/usr/sbin/slappasswd"_s, { u"-s"_s, user.value() });
        ldif += u"dn: uid=%1,dc=firma,dc=de\nobjectClass: inetOrgPerson\nuid: %1\ncn: %1\nsn: %1\n"
                "userPassword: %2\n\n"_s.arg(user.key(), hash);
    }
    WriteFile(base + u"/base.ldif"_s, ldif);
    QProcess load;
    load.start(u"/usr/sbin/slapadd"_s,
        { u"-q"_s, u"-f"_s, base + u"/slapd.conf"_s, u"-l"_s, base + u"/base.ldif"_s });
    return load.waitForFinished(20000) && load.exitCode() == 0;
}

bool WaitUntilListening(int port)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        if (Accepts(port))
            return true;
        QThread::msleep(100);
    }
    return false;
}

DirectorySettings LdapServer::settings() const
{
    return DirectorySettings { u"127.0.0.1"_s, QString::number(port_), u"firma"_s, u"de"_s };
}

DirectorySettings LdapServer::ldapsSettings() const
{
    return DirectorySettings { u"ldaps://127.0.0.1:%1"_s.arg(ldapsPort_), QString::number(ldapsPort_),
        u"firma"_s, u"de"_s, false, certificate() };
}

DirectorySettings LdapServer::startTlsSettings() const
{
    return DirectorySettings { u"127.0.0.1"_s, QString::number(port_), u"firma"_s, u"de"_s, true,
        certificate() };
}

QString LdapServer::certificate() const
{
    return dir_.filePath(u"cert.pem"_s);
}

void LdapServer::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
    process_.waitForFinished(5000);
    running_ = false;
}
