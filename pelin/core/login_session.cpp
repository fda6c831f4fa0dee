#include "pelin/core/login_session.h"

#include "common/data_file_codec.h"
#include "common/directory_login.h"
#include "common/file_store.h"
#include "common/folder_transfer.h"
#include "common/ftp_transfer.h"
#include "common/messenger.h"
#include "common/number_parse.h"
#include "common/password_hash.h"
#include "common/provided_account.h"
#include "common/working_time.h"
#include "pelin/core/closed_months_fetch.h"
#include "pelin/core/month_sync.h"
#include "pelin/core/personal_settings.h"
#include "pelin/core/recovery_copy.h"
#include "pelin/core/update_number.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

const QString kEmployeeFile = u"dama.kvd"_s;
const QString kActivityFile = u"dprojekte.kvd"_s;
const QString kUpdateFile = u"pelin-update.zip"_s;
const QString kInstaller = u"install-pelin"_s;

std::unique_ptr<Transfer> MakeTransfer(const LoginSettings& settings, Messenger& messenger, Wait wait)
{
    if (settings.lanMode)
        return std::make_unique<FolderTransfer>(settings.folders, messenger, std::move(wait));
    return std::make_unique<FtpTransfer>(settings.ftp, messenger, std::move(wait));
}

StringList ReadPlainList(const QString& path)
{
    const std::optional<TextFile> file = FileStore::ReadText(path);
    return file ? StringList::FromText(file->text) : StringList();
}

} // namespace

LoginSession::LoginSession(LoginSettings settings, UserFolders folders, Messenger& messenger, QDate startDate,
    DataFileCodec& codec, Wait wait)
    : settings_(std::move(settings)),
      folders_(std::move(folders)),
      messenger_(messenger),
      codec_(codec),
      transfer_(MakeTransfer(settings_, messenger, std::move(wait))),
      startDate_(startDate)
{
}

LoginSession::~LoginSession() = default;

void LoginSession::fail(const QString& text, bool disconnect)
{
    if (disconnect)
        transfer_->disconnect();
    if (!text.isEmpty())
        messenger_.show(text);
}

// Started by the administration program, PELIN reads the base data where
// they are built.
QString LoginSession::baseDataPath(const QString& fileName) const
{
    const QString folder
        = settings_.folders.startedByKorav ? settings_.folders.executableFolder : state_.personalFolder;
    return QDir(folder).filePath(fileName);
}

LoginSession::Result LoginSession::login(const QString& loginText, const QString& password)
{
    const Result result = loginSteps(loginText, password);
    if (!result.loggedIn)
        reset();
    return result;
}

LoginSession::Result LoginSession::loginSteps(const QString& loginText, const QString& password)
{
    if (loginText.isEmpty()) {
        messenger_.show(settings_.directoryMode ? u"Bitte LDAP - Anmeldename und - Kennwort eingeben"_s
                                                : u"Bitte Kennwort eingeben"_s);
        return { false, false, true };
    }
    if (settings_.directoryMode && !CheckDirectoryLogin(settings_.directory, loginText, password, messenger_))
        return {};
    if (const std::optional<Result> refused = preparePersonalFolder())
        return *refused;
    if (const std::optional<Result> refused = fetchBaseData())
        return *refused;
    if (const std::optional<Result> refused = findEmployee(loginText))
        return *refused;
    loadEmployeeData();
    return { true, true, false };
}

// A failed connection or employee file ends the log-in here: every later
// step would only fail again, or work on an outdated employee file.
std::optional<LoginSession::Result> LoginSession::fetchBaseData()
{
    if (!transfer_->connect()) {
        fail(u"Verbindung konnte nicht hergestellt werden!"_s);
        return Result {};
    }
    if (!transfer_->download(state_.personalFolder, kEmployeeFile, true)) {
        fail(u"Mitarbeiter-Datei konnte nicht heruntergeladen werden!"_s);
        return Result {};
    }
    state_.employeeFile.clear();
    if (!FileStore::Exists(baseDataPath(kEmployeeFile))) {
        fail(u"Keine Mitarbeiterdaten gefunden!"_s, !settings_.lanMode);
        return Result {};
    }
    codec_.LoadDataFile(baseDataPath(kEmployeeFile), state_.employeeFile);
    if (!settings_.lanMode && !versionAccepted()) {
        fail(u"Mit dieser PELIN-Version können Zeitdaten nicht mehr bearbeitet werden."_s);
        return Result { false, true, false };
    }
    if (!transfer_->download(state_.personalFolder, kActivityFile, true)) {
        fail({});
        return Result {};
    }
    return std::nullopt;
}

std::optional<LoginSession::Result> LoginSession::findEmployee(const QString& loginText)
{
    const Result clearAndFocus { false, true, true };
    qsizetype line = EmployeeFile::FindLoginLine(state_.employeeFile, loginText.left(12));
    if (line < 0)
        line = PasswordHash::FindLine(state_.employeeFile, loginText.left(12));
    if (line < 0) {
        fail(u"Passwort ist falsch"_s);
        return clearAndFocus;
    }
    const EmployeeFile::LoginRecord record
        = EmployeeFile::ParseLoginRecord(StringList::ValueOf(state_.employeeFile.at(line)));
    switch (record.status) {
    case EmployeeFile::LoginRecord::Status::Empty:
        fail(u"Keine gültige Personalnummer vorhanden"_s);
        return clearAndFocus;
    case EmployeeFile::LoginRecord::Status::NumberTooLong:
        fail(u"Personalnummer ist zu lang, max. 12 Zeichen sind möglich."_s);
        return Result {};
    case EmployeeFile::LoginRecord::Status::Malformed:
        fail(u"Datensatz Personalnummer/Mitarbeitername ist nicht korrekt!"_s);
        return Result {};
    case EmployeeFile::LoginRecord::Status::Ok:
        break;
    }
    readEmployee(record);
    return std::nullopt;
}

void LoginSession::loadEmployeeData()
{
    loadPersonalSettings();
    loadAccounts();
    state_.activityList = ReadPlainList(baseDataPath(kActivityFile));
    state_.filteredActivities = FilteredActivityList(state_.activityList, state_.filterPool);
    state_.closedMonths = FetchClosedMonths(*transfer_, state_.personalFolder,
        settings_.folders.startedByKorav ? settings_.folders.executableFolder : state_.personalFolder);
    loadMonths();
    readTargets();
    if (!state_.dailyTargetDefined)
        messenger_.show(u"Es ist keine tägliche Soll-Arbeitszeit definiert!\n\nErsatzweise wird mit einer "
                        "täglichen Arbeitszeit von 8 Stunden gerechnet"_s);
}

std::optional<LoginSession::Result> LoginSession::preparePersonalFolder()
{
    if (folders_.documents.isEmpty()) {
        messenger_.show(u"Persönlicher Ordner konnte nicht ermittelt werden"_s);
        return Result {};
    }
    const QString folder = QDir(folders_.documents).filePath(u"pelin"_s);
    if (!QDir().mkpath(folder)) {
        messenger_.show(u"Unterordner '..\\pelin' im persönlichen Ordner konnte nicht ermittelt werden"_s);
        return Result {};
    }
    if (!QFileInfo(folder).isDir()) {
        messenger_.show(u"Der Anwender hat keinen persönlichen Ordner auf dem Gerät!"_s);
        return Result { false, false, true };
    }
    state_.personalFolder = folder;
    return std::nullopt;
}

void LoginSession::readEmployee(const EmployeeFile::LoginRecord& record)
{
    state_.loggedIn = true;
    state_.personnelNumber = record.personnelNumber;
    state_.name = record.name;
    state_.degree = record.degree;
}

void LoginSession::loadPersonalSettings()
{
    const QString fileName = PersonalSettings::FileName(state_.personnelNumber);
    transfer_->download(state_.personalFolder, fileName, false);
    const std::optional<TextFile> file = FileStore::ReadText(QDir(state_.personalFolder).filePath(fileName));
    state_.personalSettings = file ? StringList::FromText(file->text) : StringList();
    state_.personalSettingsEncoding = file ? file->encoding : TextEncoding::Windows1252;
    state_.filterPool = FilterPool::FromSettingValue(state_.personalSettings.value(u"projfilter"));
}

// A store without the file leaves no local copy behind: balances of an
// earlier provision must not be shown as current.
void LoginSession::loadAccounts()
{
    const QString name = QString::fromUtf16(ProvidedAccount::kFileName);
    transfer_->fetchCopy(QDir(state_.personalFolder).filePath(name), name);
    if (FileStore::Exists(baseDataPath(name)))
        codec_.LoadDataFile(baseDataPath(name), state_.accountFile);
}

// Pending uploads go first, inside the month's fetch: a local copy with
// changes the store has not seen is never replaced by the download.
void LoginSession::loadMonths()
{
    const QDate previous = startDate_.addMonths(-1);
    state_.previousMonth = MonthList(previous.year(), previous.month(), state_.personnelNumber);
    state_.currentMonth = MonthList(startDate_.year(), startDate_.month(), state_.personnelNumber);
    MonthSync sync(*transfer_, messenger_, state_.personalFolder);
    state_.previousLink = sync.fetch(state_.previousMonth);
    state_.currentLink = sync.fetch(state_.currentMonth);
    if (!settings_.lanMode)
        transfer_->disconnect();
    for (MonthList* month : { &state_.previousMonth, &state_.currentMonth }) {
        loadMonth(*month);
        offerRecoveryCopy(*month);
        month->setChangeObserver([this, month] { keepRecoveryCopy(*month); });
    }
}

// An unreadable month stays out of every save, so that the employee's
// records in it are never replaced by an empty month.
void LoginSession::loadMonth(MonthList& month)
{
    if (month.load(state_.personalFolder) != MonthList::LoadResult::Unreadable)
        return;
    const QString path = QDir(state_.personalFolder).filePath(month.fileName());
    const QString reason = FileStore::IsTooLargeForText(path)
        ? FileStore::TooLargeText(path)
        : u"Die Zeitdatei %1 konnte nicht gelesen werden!"_s.arg(QDir::toNativeSeparators(path));
    messenger_.show(reason + u"\n\nDieser Monat wird nicht gespeichert."_s);
}

// A recovery copy that still exists holds changes of a session that ended
// without saving them. Declined, it stays under a dated name.
void LoginSession::offerRecoveryCopy(MonthList& month)
{
    const QString path = QDir(state_.personalFolder).filePath(RecoveryCopy::FileName(month.fileName()));
    if (!FileStore::Exists(path) || !month.writable())
        return;
    MonthList copy(month.year(), month.month(), state_.personnelNumber);
    if (copy.loadFrom(path) == MonthList::LoadResult::Loaded
        && copy.lines().toText() == month.lines().toText()) {
        RecoveryCopy::Remove(state_.personalFolder, month.fileName());
        return;
    }
    const int answer = messenger_.ask(
        u"Für den Monat %1.%2 gibt es eine Wiederherstellungskopie mit Änderungen, die nicht gespeichert "
        "wurden:\n%3\n\nSollen diese Änderungen übernommen werden?"_s.arg(month.month(), 2, 10, QChar(u'0'))
            .arg(month.year())
            .arg(QDir::toNativeSeparators(path)));
    if (answer == kAnswerYes && month.loadFrom(path) == MonthList::LoadResult::Loaded) {
        state_.changes.dataChanged();
        return;
    }
    if (!RecoveryCopy::SetAside(state_.personalFolder, month.fileName()))
        messenger_.show(u"Die Wiederherstellungskopie %1 konnte nicht umbenannt werden!"_s.arg(
            QDir::toNativeSeparators(path)));
}

void LoginSession::keepRecoveryCopy(const MonthList& month)
{
    if (!state_.loggedIn || !month.writable())
        return;
    if (RecoveryCopy::Write(state_.personalFolder, month)) {
        state_.recoveryFailureShown = false;
        return;
    }
    if (state_.recoveryFailureShown)
        return;
    state_.recoveryFailureShown = true;
    messenger_.show(u"Die Wiederherstellungskopie %1 konnte nicht geschrieben werden!\n\nIhre Änderungen "
                    "sind erst nach dem Speichern gesichert."_s.arg(QDir::toNativeSeparators(
                        QDir(state_.personalFolder).filePath(RecoveryCopy::FileName(month.fileName())))));
}

void LoginSession::discardRecoveryCopies()
{
    for (const MonthList* month : { &state_.currentMonth, &state_.previousMonth })
        RecoveryCopy::Remove(state_.personalFolder, month->fileName());
}

void LoginSession::readTargets()
{
    const EmployeeFile::TargetTimes times = EmployeeFile::ParseTargetRecord(
        state_.employeeFile.value(EmployeeFile::TargetRecordKey(state_.personnelNumber)),
        startDate_.addMonths(-1));
    state_.freeMinutes = times.freeMinutes;
    state_.dailyTarget = times.dailyTarget;
    state_.dailyTargetDefined = times.dailyTargetDefined;
    state_.fullTimePreviousMonth = times.previousMonthFullTime;
    state_.fullTimeCurrentMonth = times.currentMonthFullTime;
    state_.personalTargetPreviousMonth = PersonalTarget(state_.degree, times.previousMonthFullTime);
    state_.personalTargetCurrentMonth = PersonalTarget(state_.degree, times.currentMonthFullTime);

    const int length = ParseDecimalInt(state_.employeeFile.value(u"key_laestamm"));
    state_.masterNumberLength = length >= 1 && length <= 14 ? length : 5;
    const QString caption4 = state_.employeeFile.value(u"bezeichnung4");
    const QString caption5 = state_.employeeFile.value(u"bezeichnung5");
    if (!caption4.isEmpty())
        state_.caption4 = caption4;
    if (!caption5.isEmpty())
        state_.caption5 = caption5;
}

bool LoginSession::versionAccepted()
{
    if (!state_.employeeFile.hasKey(u"update_nummer"))
        return false;
    const StringList local = ReadPlainList(
        QDir(state_.personalFolder).filePath(QStringView(UpdateNumber::kLocalVersionFile).toString()));
    if (!UpdateNumber::IsNewer(state_.employeeFile, local))
        return true;
    if (messenger_.ask(u"Es ist eine neuere PELIN-Version vorhanden!\nDie jetzige Version kann nicht mehr "
                       "verwendet werden.\n\nJetzt das PELIN-Update herunterladen?"_s)
        == kAnswerYes)
        downloadUpdate();
    return false;
}

void LoginSession::downloadUpdate()
{
    const QString folder = updateTargetFolder();
    if (!transfer_->download(folder, kUpdateFile, true))
        return;
    setUpdateFileTime(QDir(folder).filePath(kUpdateFile));
    messenger_.show(
        u"Der Download der neuen PELIN-Dateien war erfolgreich!\n\nDie Datei '%1' befindet sich im "
        "Ordner\n%2\n\nBeenden Sie die Anwendung PELIN und öffnen Sie die ZIP-Datei mit Doppelklick."
        "\n\nStarten Sie die in der ZIP-Datei enthaltene Anwendung %3 mit Doppelklick."_s.arg(
            kUpdateFile, QDir::toNativeSeparators(folder), kInstaller));
}

QString LoginSession::updateTargetFolder()
{
    if (folders_.desktop.isEmpty()) {
        messenger_.show(
            u"Der Desktop-Ordner konnte nicht ermittelt werden! (Ordnerpfad)\n\nDie ZIP-Datei wird "
            "im Benutzerordner gespeichert."_s);
        return state_.personalFolder;
    }
    if (!QFileInfo(folders_.desktop).isDir()) {
        messenger_.show(u"Der Desktop-Ordner konnte nicht ermittelt werden! (Ordner existiert nicht)\n\nDie "
                        "ZIP-Datei wird im Benutzerordner gespeichert."_s);
        return state_.personalFolder;
    }
    return folders_.desktop;
}

void LoginSession::setUpdateFileTime(const QString& path)
{
    const RemoteFile remote = transfer_->lookUp(kUpdateFile);
    if (remote.state != RemoteFile::State::Present || !remote.modified.isValid()) {
        messenger_.show(u"Keine Datei pelin-update.zip in FTP-Ordner gefunden! (hFind)"_s);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        messenger_.show(u"Dateizeit von lokaler ZIP-Datei konnte nicht geändert werden! (iFilehandle)"_s);
        return;
    }
    if (!file.setFileTime(remote.modified, QFileDevice::FileModificationTime)
        || !file.setFileTime(remote.modified, QFileDevice::FileAccessTime))
        messenger_.show(u"Dateizeit von lokaler ZIP-Datei konnte nicht geändert werden! (SetFileTime)"_s);
}

bool LoginSession::offerSave()
{
    if (!state_.loggedIn || !state_.changes.any())
        return true;
    switch (messenger_.ask(u"Änderungen speichern ?"_s)) {
    case kAnswerYes:
        return save() != SaveResult::NotSaved;
    case kAnswerNo:
        discardRecoveryCopies();
        return true;
    default:
        return false;
    }
}

bool LoginSession::logout()
{
    if (!offerSave())
        return false;
    if (!settings_.lanMode)
        transfer_->disconnect();
    reset();
    return true;
}

// Rewritten unchanged, a closed month would reach the store as a late
// upload. It is written only when it holds what its file does not, such as
// an accepted recovery copy, which must never be lost.
bool LoginSession::unchangedClosedMonth(const MonthList& month) const
{
    if (!state_.closedMonths.closes(month.year(), month.month()))
        return false;
    const std::optional<TextFile> file
        = FileStore::ReadText(QDir(state_.personalFolder).filePath(month.fileName()));
    return file ? StringList::FromText(file->text) == month.lines() : month.lines().isEmpty();
}

bool LoginSession::writeMonth(MonthList& month)
{
    if (!month.writable() || month.save(state_.personalFolder))
        return true;
    messenger_.show(
        u"Speichern nicht möglich! (Datei %1 konnte nicht geschrieben werden)"_s.arg(month.fileName()));
    return false;
}

bool LoginSession::uploadMonth(
    MonthSync& sync, const MonthList& month, MonthLink& link, const QString& failureText)
{
    if (!month.writable() || !link.uploadAllowed || sync.upload(month, link))
        return true;
    fail(failureText);
    return false;
}

bool LoginSession::saveAndUpload()
{
    return save() == SaveResult::Saved;
}

// Each month is marked as not yet uploaded before its upload starts, so that
// whatever fails from there on is uploaded by a later session instead of
// being replaced by the next download.
LoginSession::SaveResult LoginSession::save()
{
    if (state_.personalFolder.isEmpty() || !QFileInfo(state_.personalFolder).isDir()) {
        messenger_.show(u"Speichern nicht möglich! (Benutzer-Ordner nicht vorhanden)"_s);
        return SaveResult::NotSaved;
    }
    if (state_.changes.dayPending() && storeDisplayedDay_)
        storeDisplayedDay_();
    const bool keepCurrent = unchangedClosedMonth(state_.currentMonth);
    const bool keepPrevious = unchangedClosedMonth(state_.previousMonth);
    if (!(keepCurrent || writeMonth(state_.currentMonth))
        || !(keepPrevious || writeMonth(state_.previousMonth)))
        return SaveResult::NotSaved;
    discardRecoveryCopies();
    MonthSync sync(*transfer_, messenger_, state_.personalFolder);
    bool allUploaded = true;
    for (const auto& [month, link, keep] :
        { std::tuple { &state_.currentMonth, &state_.currentLink, keepCurrent },
            std::tuple { &state_.previousMonth, &state_.previousLink, keepPrevious } }) {
        if (!month->writable() || keep)
            continue;
        sync.markPending(*month, *link);
        if (!link->uploadAllowed) {
            sync.reportKeptLocally(*month);
            allUploaded = false;
        }
    }
    if (!transfer_->connect()) {
        fail(u"Speichern nicht möglich! (Verbindungsfehler)"_s);
        return SaveResult::KeptLocally;
    }
    if (!(keepCurrent
            || uploadMonth(sync, state_.currentMonth, state_.currentLink,
                u"Aktueller Monat : Upload nicht möglich! (Verbindungsfehler) "_s))
        || !(keepPrevious
            || uploadMonth(sync, state_.previousMonth, state_.previousLink,
                u"Vorheriger Monat : Upload nicht möglich! (Verbindungsfehler) "_s)))
        return SaveResult::KeptLocally;
    const QString settingsFile = PersonalSettings::FileName(state_.personnelNumber);
    if (FileStore::Exists(QDir(state_.personalFolder).filePath(settingsFile))
        && !transfer_->upload(state_.personalFolder, settingsFile)) {
        fail(u"Mitarbeiter-Einstellungen : Upload nicht möglich! (Verbindungsfehler) "_s);
        return SaveResult::KeptLocally;
    }
    return allUploaded ? SaveResult::Saved : SaveResult::KeptLocally;
}

void LoginSession::reset()
{
    state_ = LoginState();
}
