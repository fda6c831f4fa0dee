#include "korav/core/ftp_time_files.h"

#include "common/ftp_client.h"
#include "common/messenger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

bool IsTimeFile(const FtpEntry& entry)
{
    static const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(u"az20*.kvd"_s),
        QRegularExpression::CaseInsensitiveOption);
    return !entry.folder && !entry.name.startsWith(u'.') && pattern.match(entry.name).hasMatch();
}

bool Unchanged(const FtpEntry& entry, const QString& localPath)
{
    const QFileInfo local(localPath);
    return local.isFile() && local.size() == entry.size && entry.modified.isValid()
        && local.lastModified().toSecsSinceEpoch() == entry.modified.toSecsSinceEpoch();
}

bool Fetch(FtpClient& client, FtpEntry entry, const QString& localPath)
{
    if (!entry.modified.isValid())
        entry.modified = client.lookUp(entry.name).modified;
    if (Unchanged(entry, localPath))
        return true;
    if (!client.get(entry.name, localPath))
        return false;
    QFile file(localPath);
    if (entry.modified.isValid() && file.open(QIODevice::ReadWrite))
        file.setFileTime(entry.modified, QFileDevice::FileModificationTime);
    return true;
}

} // namespace

QStringList FetchFtpTimeFiles(const FtpSettings& ftp, const QString& timeFolder, Messenger& messenger)
{
    const QStringList unreachable { u"ftp://%1/%2"_s.arg(ftp.server, ftp.folder) };
    FtpClient client(ftp);
    if (!client.open()) {
        messenger.show(u"Eine Internetverbindung konnte nicht hergestellt werden! (4)"_s);
        return unreachable;
    }
    if (!client.login()) {
        messenger.show(u"Die Anmeldung am FTP-Server war nicht erfolgreich! (2)"_s);
        return unreachable;
    }
    const std::optional<QList<FtpEntry>> entries = client.list();
    if (!entries) {
        messenger.show(u"Der FTP-Ordner %1 konnte nicht gelesen werden!"_s.arg(ftp.folder));
        return unreachable;
    }
    QStringList failed;
    for (const FtpEntry& entry : *entries) {
        if (IsTimeFile(entry) && !Fetch(client, entry, QDir(timeFolder).filePath(entry.name))) {
            messenger.show(u"Datei %1 konnte nicht heruntergeladen werden!"_s.arg(entry.name));
            failed.append(entry.name);
        }
    }
    return failed;
}
