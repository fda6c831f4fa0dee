#include "korav/core/pelin_provision.h"

#include "common/closed_months.h"
#include "common/file_store.h"
#include "common/fixed_width.h"
#include "common/ftp_transfer.h"
#include "common/messenger.h"
#include "common/provided_account.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/pelin_base_files.h"
#include "korav/core/program_file_copy.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString BaseDataStatus(const QDateTime& now, int code)
{
    return u"%1 - PELIN - Basisdaten bereitgestellt (%2)"_s.arg(FixedWidth::TimeOfDay(now.time())).arg(code);
}

// The base data, in the order they are provided.
QList<std::pair<QString, PelinProvision::Kind>> BaseFiles()
{
    using Kind = PelinProvision::Kind;
    return { { QString::fromUtf16(KoravFile::kPelinEmployees), Kind::TimeFolder },
        { QString::fromUtf16(KoravFile::kPelinActivities), Kind::TimeFolder },
        { QString::fromUtf16(KoravFile::kPelinConfig), Kind::ProgramFolder } };
}

} // namespace

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

QStringList PelinProvision::uploadToFtp() const
{
    QStringList names { QString::fromUtf16(KoravFile::kPelinEmployees),
        QString::fromUtf16(KoravFile::kPelinActivities) };
    if (store_.exists(ProvidedAccount::kFileName))
        names.append(QString::fromUtf16(ProvidedAccount::kFileName));
    if (store_.exists(ClosedMonthsFile::kProvided))
        names.append(QString::fromUtf16(ClosedMonthsFile::kProvided));
    FtpTransfer ftp(connection_.ftpSettings(), store_.messenger(), wait_);
    if (!ftp.connect())
        return names;
    const QString folder = store_.folder().folder();
    QStringList failed;
    for (qsizetype i = 0; i < names.size() && failed.isEmpty(); ++i) {
        if (!ftp.upload(folder, names.at(i)))
            failed = names.mid(i);
    }
    ftp.disconnect();
    return failed;
}

PelinProvision::Result PelinProvision::provideBaseData(BaseDataStaleness& stale, const QDateTime& now) const
{
    Messenger& messenger = store_.messenger();
    if (store_.isBackupFolder()) {
        messenger.show(QString::fromUtf16(kBackupFolderFilesRefusal));
        return {};
    }
    if (store_.exists(KoravFile::kUploadMarker)
        && messenger.ask(u"PELIN-Basisdaten sind aktuell !  \nErneut Bereitstellen ?"_s) != kAnswerYes)
        return {};
    if (!QFileInfo(store_.folder().folder()).isDir()) {
        messenger.show(u"KORAV-Ordner ist nicht vorhanden !  "_s);
        return { BaseDataStatus(now, 0), { store_.folder().folder() } };
    }
    Result result;
    for (const auto& [name, kind] : BaseFiles()) {
        if (!ProvideFile(name, kind)) {
            result.failed.append(name);
            return result;
        }
    }
    if (store_.exists(ProvidedAccount::kFileName)
        && !ProvideFile(QString::fromUtf16(ProvidedAccount::kFileName), Kind::TimeFolder)) {
        result.failed.append(QString::fromUtf16(ProvidedAccount::kFileName));
        return result;
    }
    // Closed months exist only once a month has been closed; until then
    // providing is as it always was.
    if (store_.exists(ClosedMonthsFile::kProvided)
        && !ProvideFile(QString::fromUtf16(ClosedMonthsFile::kProvided), Kind::TimeFolder)) {
        result.failed.append(QString::fromUtf16(ClosedMonthsFile::kProvided));
        return result;
    }
    if (connection_.fields().ftpActive) {
        result.failed = uploadToFtp();
        if (!result.failed.isEmpty())
            return result;
    }
    stale.checkProgram(store_.folder(), connection_.fields().programFolder);
    int code = 3;
    if (stale.program) {
        result.failed = provideProgram(stale, now).failed;
        if (!stale.program)
            code = 4;
    }
    if (!store_.save(KoravFile::kUploadMarker, PelinBaseFiles::UploadMarker()))
        result.failed.append(QString::fromUtf16(KoravFile::kUploadMarker));
    result.statusText = BaseDataStatus(now, code);
    return result;
}

PelinProvision::Result PelinProvision::provideProgram(BaseDataStaleness& stale, const QDateTime& now) const
{
    Messenger& messenger = store_.messenger();
    if (store_.isBackupFolder()) {
        messenger.show(QString::fromUtf16(kBackupFolderFilesRefusal));
        return { std::nullopt, { KoravFile::PelinProgram() } };
    }
    if (!stale.program)
        return {};
    const QString& folder = connection_.fields().programFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        messenger.show(
            u"Der Programm-Ordner ist nicht vorhanden !  \n\n( siehe Verbindungs-Einstellungen) "_s);
        return { std::nullopt, { KoravFile::PelinProgram() } };
    }
    if (!ProvideFile(KoravFile::PelinProgram(), Kind::ProgramFolder))
        return { std::nullopt, { KoravFile::PelinProgram() } };
    stale.program = false;
    return { u"%1 - Neue Version PELIN wurde bereitgestellt"_s.arg(FixedWidth::TimeOfDay(now.time())), {} };
}
