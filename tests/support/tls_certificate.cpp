#include "tests/support/tls_certificate.h"

#include <QDir>
#include <QProcess>

using namespace Qt::StringLiterals;

bool MakeTestCertificate(const QString& folder)
{
    const QDir dir(folder);
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(u"openssl"_s,
        { u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-keyout"_s,
            dir.filePath(u"key.pem"_s), u"-out"_s, dir.filePath(u"cert.pem"_s), u"-days"_s, u"2"_s,
            u"-subj"_s, u"/CN=127.0.0.1"_s, u"-addext"_s, u"subjectAltName=IP:127.0.0.1"_s });
    return openssl.waitForFinished(30000) && openssl.exitStatus() == QProcess::NormalExit
        && openssl.exitCode() == 0;
}
