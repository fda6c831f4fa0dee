#include "common/ftp_transfer.h"

#include "common/file_store.h"

#include <QDir>

using namespace Qt::StringLiterals;

FtpTransfer::FtpTransfer(FtpSettings settings, Messenger& messenger, Wait wait)
    : Transfer(messenger, std::move(wait)), client_(std::move(settings))
{
}

bool FtpTransfer::connect()
{
    if (!client_.open()) {
        show(u"Eine Internetverbindung konnte nicht hergestellt werden! (4)"_s);
        return false;
    }
    if (!client_.login()) {
        const QString tlsText = FtpFailureText(client_.lastFailure());
        client_.close();
        show(tlsText.isEmpty() ? u"Die Anmeldung am FTP-Server war nicht erfolgreich! (2)"_s : tlsText);
        return false;
    }
    setOnline(true);
    return true;
}

// The picture is refreshed at once and turns to "Offline" only after the
// pause, so that the user sees the connection end.
void FtpTransfer::disconnect()
{
    client_.close();
    setOnline(online());
    wait(kDownloadPauseMs);
    setOnline(false);
}

bool FtpTransfer::tryTimes(int pauseMs, const std::function<bool()>& attempt) const
{
    return TryTimes(
        kAttempts, pauseMs, [this](int milliseconds) { wait(milliseconds); }, attempt);
}

bool FtpTransfer::fetch(const QString& localPath, const QString& fileName, bool required)
{
    if (client_.lookUp(fileName).state == RemoteFile::State::Missing) {
        if (required)
            show(u"Datei %1 in FTP-Ordner nicht gefunden "_s.arg(fileName));
        return !required;
    }
    if (tryTimes(kDownloadPauseMs, [&] { return client_.get(fileName, localPath); }))
        return true;
    if (required)
        show(u"Datei %1 konnte nicht heruntergeladen werden!"_s.arg(fileName));
    return false;
}

bool FtpTransfer::upload(const QString& localFolder, const QString& fileName)
{
    const QString localPath = QDir(localFolder).filePath(fileName);
    if (!FileStore::Exists(localPath)) {
        show(u"Datei %1 in Benutzerordner nicht vorhanden!"_s.arg(fileName));
        return false;
    }
    if (tryTimes(kUploadPauseMs, [&] { return client_.put(localPath, fileName); }))
        return true;
    show(u"Datei %1 konnte nicht hochgeladen werden!"_s.arg(fileName));
    return false;
}

RemoteFile FtpTransfer::lookUp(const QString& fileName)
{
    return client_.lookUp(fileName);
}
