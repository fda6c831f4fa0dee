#include "korav/core/update_upload.h"

#include "common/file_store.h"
#include "common/ftp_client.h"
#include "common/ftp_transfer.h"
#include "common/messenger.h"
#include "korav/core/update_activation.h"
#include "korav/core/update_package.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace UpdateUpload {

namespace {

QString Package()
{
    return QString::fromUtf16(UpdatePackage::kPackage);
}

QString ClockText(const QTime& now)
{
    return now.toString(u"HH:mm:ss"_s);
}

} // namespace

bool MayStart(const DataFolder& data, Messenger& messenger)
{
    if (UpdatePackage::MarkerExists(data)
        && messenger.ask(u"Die aktuelle Datei pelin-update.zip wurde bereits hochgeladen !  \n\nErneut "
                         "Hochladen?"_s)
            != kAnswerYes)
        return false;
    if (!data.isSet() || !QFileInfo(data.folder()).isDir()) {
        messenger.show(u"Ordner mit KORAV-Dateien nicht vorhanden !  "_s);
        return false;
    }
    return true;
}

QString StartedText(const QTime& now)
{
    return ClockText(now) + u" - Upload von pelin-update.zip gestartet"_s;
}

QString DoneText(const QTime& now)
{
    return ClockText(now) + u" - pelin-update.zip wurde hochgeladen"_s;
}

bool Upload(FtpClient& ftp, const DataFolder& data, Messenger& messenger, const Wait& wait)
{
    const QString path = data.path(UpdatePackage::kPackage);
    if (!FileStore::Exists(path)) {
        messenger.show(u"Datei %1 in KORAV-Ordner nicht vorhanden !  "_s.arg(Package()));
        return false;
    }
    if (!TryTimes(FtpTransfer::kAttempts, FtpTransfer::kUploadPauseMs, wait,
            [&] { return ftp.put(path, Package()); })) {
        messenger.show(u"Datei %1 konnte nicht hochgeladen werden! (in FTP-Ordner)  "_s.arg(Package()));
        return false;
    }
    // The package is on the server even if the marker cannot be written:
    // then the next upload merely goes without the question.
    UpdatePackage::WriteMarker(data);
    return true;
}

std::optional<QString> LookUp(FtpClient& ftp, Messenger& messenger)
{
    const RemoteFile remote = ftp.lookUp(Package());
    if (remote.state != RemoteFile::State::Present) {
        messenger.show(u"Datei pelin-update.zip in FTP-Ordner nicht vorhanden !  "_s);
        return std::nullopt;
    }
    if (remote.size == 0) {
        messenger.show(u"Datei pelin-update.zip in FTP-Ordner ist leer !  "_s);
        return std::nullopt;
    }
    if (!remote.modified.isValid()) {
        messenger.show(u"Datei-Datum von pelin-update.zip in FTP-Ordner nicht lesbar !  "_s);
        return std::nullopt;
    }
    return UpdateActivation::ServerTimeText(remote.modified);
}

} // namespace UpdateUpload
