#include "tests/support/tls_ftp_server.h"

#include "tests/support/ldap_server.h"
#include "tests/support/tls_certificate.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// The local account vsftpd logs in; made once, harmless to make again.
const QString kUser = u"pelintls"_s;
const QString kPassword = u"Geheim-TLS-7"_s;

bool Run(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

bool EnsureUser()
{
    // vsftpd enters the home folder before the root folder of the test. No
    // shell: the account serves this FTP server and nothing else.
    const QStringList account { u"--home"_s, u"/"_s, u"--shell"_s, u"/usr/sbin/nologin"_s, kUser };
    // Another test process may be making it at the same moment.
    if (!Run(u"id"_s, { kUser }) && !Run(u"useradd"_s, QStringList { u"--no-create-home"_s } + account)
        && !Run(u"id"_s, { kUser }))
        return false;
    if (!Run(u"usermod"_s, account))
        return false;
    return Run(u"chpasswd"_s, {}, (kUser + u':' + kPassword + u'\n').toUtf8());
}

// The PAM service has no file of its own, so PAM takes its defaults, which
// check the password but, unlike Debian's "vsftpd" service, not the shell.
QString Config(FtpSecurity security, const QString& base, int port)
{
    QString config = u"listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=%1\n"
                     "background=NO\nanonymous_enable=NO\nlocal_enable=YES\nwrite_enable=YES\n"
                     "local_umask=022\nlocal_root=%2/root\nsecure_chroot_dir=%2/empty\n"
                     "pam_service_name=ze-tls-test\nseccomp_sandbox=NO\nuserlist_enable=NO\n"
                     "connect_from_port_20=NO\ndirmessage_enable=NO\n"
                     "xferlog_enable=YES\nxferlog_std_format=NO\nlog_ftp_protocol=YES\n"
                     "vsftpd_log_file=%2/protocol.log\n"_s.arg(port)
                         .arg(base);
    if (security == FtpSecurity::None)
        return config + u"ssl_enable=NO\n"_s;
    config += u"ssl_enable=YES\nforce_local_logins_ssl=YES\nforce_local_data_ssl=YES\n"
              "require_ssl_reuse=NO\nssl_ciphers=HIGH\nrsa_cert_file=%1/cert.pem\n"
              "rsa_private_key_file=%1/key.pem\n"_s.arg(base);
    if (security == FtpSecurity::Implicit)
        config += u"implicit_ssl=YES\n"_s;
    return config;
}

} // namespace

TlsFtpServer::TlsFtpServer(FtpSecurity security)
{
    if (!prepare(security))
        return;
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(u"/usr/sbin/vsftpd"_s, { dir_.filePath(u"vsftpd.conf"_s) });
    running_ = process_.waitForStarted(5000) && WaitUntilListening(port_);
}

TlsFtpServer::~TlsFtpServer()
{
    stop();
}

bool TlsFtpServer::prepare(FtpSecurity security)
{
    const QString base = dir_.path();
    QDir dir(base);
    // The test user reaches its root folder through the temporary folder.
    QFile::setPermissions(base,
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
            | QFile::ReadGroup | QFile::ExeGroup);
    if (!dir.mkpath(u"root/zeit"_s) || !dir.mkpath(u"empty"_s) || !EnsureUser()
        || !Run(u"chown"_s, { u"-R"_s, kUser, dir.filePath(u"root"_s) }) || !MakeTestCertificate(base))
        return false;
    port_ = FreeLocalPort();
    QFile config(dir.filePath(u"vsftpd.conf"_s));
    return config.open(QIODevice::WriteOnly) && config.write(Config(security, base, port_).toUtf8()) > 0;
}

void TlsFtpServer::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
    process_.waitForFinished(5000);
    running_ = false;
}

FtpSettings TlsFtpServer::settings(FtpSecurity security, const QString& folder) const
{
    return FtpSettings { u"127.0.0.1"_s, kUser, kPassword, folder, port_, security, certificate() };
}

QString TlsFtpServer::certificate() const
{
    return dir_.filePath(u"cert.pem"_s);
}

QString TlsFtpServer::root(const QString& name) const
{
    return name.isEmpty() ? dir_.filePath(u"root"_s) : dir_.filePath(u"root/"_s + name);
}

void TlsFtpServer::write(const QString& relativePath, const QByteArray& bytes) const
{
    QFile file(root(relativePath));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TlsFtpServer::read(const QString& relativePath) const
{
    QFile file(root(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray TlsFtpServer::protocolLog() const
{
    QFile file(dir_.filePath(u"protocol.log"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
