#include "korav/core/pelin_provision.h"

#include "common/file_store.h"
#include "common/fixed_width.h"
#include "common/ftp_transfer.h"
#include "common/messenger.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/pelin_base_files.h"
#include "korav/core/program_file_copy.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

PelinProvision::PelinProvision(const BaseDataStore& store, const ConnectionSettings& connection, Wait wait)
    : store_(store), connection_(connection), wait_(std::move(wait))
{
}

bool PelinProvision::ProvideFile(const QString& name, Kind kind) const
{
    Messenger& messenger = store_.messenger();
    const QString source = store_.folder().path(name);
    if (!FileStore::Exists(source)) {
        messenger.show(u"Datei %1 in KORAV-Ordner nicht vorhanden !  "_s.arg(name));
        return false;
    }
    const bool toTime = kind == Kind::TimeFolder;
    const QString folder = toTime ? connection_.fields().timeFolder : connection_.fields().programFolder;
    if (folder.isEmpty()) {
        messenger.show(toTime ? u"Ordner für Mitarbeiter-Zeitdaten ist nicht vohanden !  "_s
                              : u"Ordner für Programm-Dateien PELIN ist nicht vohanden !  "_s);
        return false;
    }
    const QString target = QDir(folder).filePath(name);
    const bool copied = toTime ? FileStore::CopyFile(source, target) : CopyProgramFile(source, target);
    if (!copied) {
        messenger.show(toTime
                ? u"Datei %1 konnte nicht hochgeladen werden! (in Server-Ordner)"_s.arg(name)
                : u"Datei %1 konnte nicht hochgeladen werden! (in Programm-Ordner)  "_s.arg(name));
        return false;
    }
    return true;
}

bool PelinProvision::uploadToFtp() const
{
    FtpTransfer ftp(connection_.ftpSettings(), store_.messenger(), wait_);
    if (!ftp.connect())
        return false;
    const QString folder = store_.folder().folder();
    const bool ok = ftp.upload(folder, QString::fromUtf16(KoravFile::kPelinEmployees))
        && ftp.upload(folder, QString::fromUtf16(KoravFile::kPelinActivities));
    ftp.disconnect();
    return ok;
}

std::optional<QString> PelinProvision::provideBaseData(BaseDataStaleness& stale, const QDateTime& now) const
{
    Messenger& messenger = store_.messenger();
    if (store_.isBackupFolder()) {
        messenger.show(QString::fromUtf16(kBackupFolderFilesRefusal));
        return std::nullopt;
    }
    if (store_.exists(KoravFile::kUploadMarker)
        && messenger.ask(u"PELIN-Basisdaten sind aktuell !  \nErneut Bereitstellen ?"_s) != kAnswerYes)
        return std::nullopt;
    if (!QFileInfo(store_.folder().folder()).isDir()) {
        messenger.show(u"KORAV-Ordner ist nicht vorhanden !  "_s);
        return u"%1 - PELIN - Basisdaten bereitgestellt (%2)"_s.arg(FixedWidth::TimeOfDay(now.time())).arg(0);
    }
    if (!ProvideFile(QString::fromUtf16(KoravFile::kPelinEmployees), Kind::TimeFolder)
        || !ProvideFile(QString::fromUtf16(KoravFile::kPelinActivities), Kind::TimeFolder)
        || !ProvideFile(QString::fromUtf16(KoravFile::kPelinConfig), Kind::ProgramFolder))
        return std::nullopt;
    if (connection_.fields().ftpActive && !uploadToFtp())
        return std::nullopt;
    stale.checkProgram(store_.folder(), connection_.fields().programFolder);
    int code = 3;
    if (stale.program) {
        provideProgram(stale, now);
        if (!stale.program)
            code = 4;
    }
    store_.save(KoravFile::kUploadMarker, PelinBaseFiles::UploadMarker());
    return u"%1 - PELIN - Basisdaten bereitgestellt (%2)"_s.arg(FixedWidth::TimeOfDay(now.time())).arg(code);
}

std::optional<QString> PelinProvision::provideProgram(BaseDataStaleness& stale, const QDateTime& now) const
{
    Messenger& messenger = store_.messenger();
    if (store_.isBackupFolder()) {
        messenger.show(QString::fromUtf16(kBackupFolderFilesRefusal));
        return std::nullopt;
    }
    if (!stale.program)
        return std::nullopt;
    const QString& folder = connection_.fields().programFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        messenger.show(
            u"Der Programm-Ordner ist nicht vorhanden !  \n\n( siehe Verbindungs-Einstellungen) "_s);
        return std::nullopt;
    }
    if (!ProvideFile(KoravFile::PelinProgram(), Kind::ProgramFolder))
        return std::nullopt;
    stale.program = false;
    return u"%1 - Neue Version PELIN wurde bereitgestellt"_s.arg(FixedWidth::TimeOfDay(now.time()));
}
