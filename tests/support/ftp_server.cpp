#include "tests/support/ftp_server.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

QString SourceDir()
{
    return qEnvironmentVariable("ZE_SOURCE_DIR", QStringLiteral(ZE_SOURCE_DIR_DEFAULT));
}

} // namespace

FtpServer::FtpServer()
{
    QDir(dir_.path()).mkpath(u"root/zeit"_s);
    writeFaults();
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(u"/usr/bin/python3"_s,
        { SourceDir() + u"/tests/support/ftp_server.py"_s, root(), u"pelin"_s, u"geheim"_s,
            dir_.filePath(u"faults.json"_s) });
    if (!process_.waitForStarted(5000))
        return;
    while (!process_.canReadLine() && process_.waitForReadyRead(10000)) { }
    port_ = process_.readLine().trimmed().toInt();
}

FtpServer::~FtpServer()
{
    stop();
}

void FtpServer::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
    process_.waitForFinished(5000);
}

FtpSettings FtpServer::settings(const QString& folder) const
{
    return FtpSettings { u"127.0.0.1"_s, u"pelin"_s, u"geheim"_s, folder, port_ };
}

QString FtpServer::root(const QString& name) const
{
    return name.isEmpty() ? dir_.filePath(u"root"_s) : dir_.filePath(u"root/"_s + name);
}

void FtpServer::write(const QString& relativePath, const QByteArray& bytes) const
{
    QFile file(root(relativePath));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray FtpServer::read(const QString& relativePath) const
{
    QFile file(root(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void FtpServer::refuseLogins(bool refuse)
{
    refuseLogins_ = refuse;
    writeFaults();
}

void FtpServer::failNextUploads(int count)
{
    failUploads_ = count;
    writeFaults();
}

void FtpServer::dropTransfersAfter(int bytes)
{
    dropAfter_ = bytes;
    writeFaults();
}

void FtpServer::refuseMlsd(bool refuse)
{
    refuseMlsd_ = refuse;
    writeFaults();
}

void FtpServer::writeFaults()
{
    QJsonObject faults { { u"refuse_login"_s, refuseLogins_ }, { u"fail_stores"_s, failUploads_ },
        { u"no_mlsd"_s, refuseMlsd_ } };
    if (dropAfter_ >= 0)
        faults.insert(u"drop_after"_s, dropAfter_);
    QFile file(dir_.filePath(u"faults.json"_s));
    if (file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(faults).toJson());
}
