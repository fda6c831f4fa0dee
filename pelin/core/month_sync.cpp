#include "pelin/core/month_sync.h"

#include "common/file_store.h"
#include "common/messenger.h"
#include "common/transfer.h"
#include "pelin/core/pending_upload.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QString MonthText(const MonthList& month)
{
    return u"%1.%2"_s.arg(month.month(), 2, 10, QChar(u'0')).arg(month.year());
}

} // namespace

MonthSync::MonthSync(Transfer& transfer, Messenger& messenger, QString folder)
    : transfer_(transfer), messenger_(messenger), folder_(std::move(folder))
{
}

QString MonthSync::path(const QString& fileName) const
{
    return QDir(folder_).filePath(fileName);
}

QString MonthSync::CentralCopyName(const QString& fileName, const QString& stamp)
{
    return u"zentral_%1_%2"_s.arg(stamp, fileName);
}

// The central copy comes into a file of its own first, so that the local
// copy is replaced only by a whole central copy, and never while it holds
// changes that have not been uploaded.
MonthLink MonthSync::fetch(const MonthList& month)
{
    const QString fileName = month.fileName();
    const QString incoming = path(u".~"_s + fileName);
    const std::optional<QString> pending = PendingUpload::Read(folder_, fileName);
    const Transfer::Fetched fetched = transfer_.fetchCopy(incoming, fileName);
    const std::optional<QByteArray> central
        = fetched == Transfer::Fetched::File ? FileStore::ReadBytes(incoming) : std::nullopt;
    if (fetched == Transfer::Fetched::Failed || (fetched == Transfer::Fetched::File && !central)) {
        QFile::remove(incoming);
        return unavailable(month, pending.value_or(PendingUpload::FingerprintOfFile(path(fileName))));
    }
    if (!pending)
        return adopt(month, incoming, fetched == Transfer::Fetched::File);
    const QString centralPrint = PendingUpload::Fingerprint(central);
    if (centralPrint == PendingUpload::FingerprintOfFile(path(fileName))) {
        QFile::remove(incoming);
        PendingUpload::Remove(folder_, fileName);
        return { true, centralPrint };
    }
    if (centralPrint == *pending || !central) {
        QFile::remove(incoming);
        return uploadPending(month, centralPrint);
    }
    return merge(month, incoming, *central, centralPrint);
}

// Someone else saved the month while this copy waited for its upload. The
// local copy takes every record of the central one that it lacks; when that
// leaves no record of the central copy changed, uploading the result loses
// nothing. Otherwise both stay, and the user is told which file holds which.
MonthLink MonthSync::merge(
    const MonthList& month, const QString& incoming, const QByteArray& central, const QString& centralPrint)
{
    const QString local = path(month.fileName());
    const std::optional<TextFile> localFile = FileStore::ReadText(local);
    if (!localFile) {
        QFile::remove(incoming);
        return unavailable(month, PendingUpload::Read(folder_, month.fileName()).value_or(QString()));
    }
    StringList merged = StringList::FromText(localFile->text);
    bool differs = false;
    const StringList centralLines = StringList::FromText(FileStore::DecodeText(central).text);
    for (const QString& line : centralLines.lines()) {
        const QString key = StringList::KeyOf(line);
        if (!merged.hasKey(key))
            merged.append(line);
        else if (merged.value(key) != StringList::ValueOf(line))
            differs = true;
    }
    if (merged.toText() != localFile->text
        && !FileStore::WriteText(local, merged.toText(), localFile->encoding)) {
        QFile::remove(incoming);
        return unavailable(month, PendingUpload::Read(folder_, month.fileName()).value_or(QString()));
    }
    if (!differs) {
        QFile::remove(incoming);
        return uploadPending(month, centralPrint);
    }
    return keepBoth(month, incoming, centralPrint);
}

// The previous local copy stays as the "bak_" file.
MonthLink MonthSync::adopt(const MonthList& month, const QString& incoming, bool arrived)
{
    const QString local = path(month.fileName());
    const QString backup = path(Transfer::BackupName(month.fileName()));
    if (FileStore::Exists(local))
        FileStore::CopyFile(local, backup);
    if (!arrived)
        return { true, PendingUpload::Fingerprint(std::nullopt) };
    const QString centralPrint = PendingUpload::FingerprintOfFile(incoming);
    const bool placed = FileStore::CopyFile(incoming, local);
    QFile::remove(incoming);
    if (!placed)
        return unavailable(month, PendingUpload::FingerprintOfFile(local));
    return { true, centralPrint };
}

MonthLink MonthSync::uploadPending(const MonthList& month, const QString& centralPrint)
{
    const QString fileName = month.fileName();
    if (!transfer_.upload(folder_, fileName))
        return { true, centralPrint };
    PendingUpload::Remove(folder_, fileName);
    return { true, PendingUpload::FingerprintOfFile(path(fileName)) };
}

// Both copies hold a different record for the same day: the local copy is
// used and kept, the central one is put beside it, and the month stays out
// of the uploads until its central copy is the one the changes build on.
MonthLink MonthSync::keepBoth(const MonthList& month, const QString& incoming, const QString& centralPrint)
{
    const QString fileName = month.fileName();
    const QString base = PendingUpload::Read(folder_, fileName).value_or(QString());
    const QString aside = keptCentralCopy(fileName, incoming, centralPrint);
    QFile::remove(incoming);
    if (aside.isEmpty())
        return unavailable(month, base);
    messenger_.show(
        u"Die zentrale Zeitdatei für den Monat %1 wurde inzwischen an anderer Stelle geändert.\n\n"
        "Ihre noch nicht hochgeladenen Einträge stehen in\n%2\n\ndie geänderte zentrale Fassung wurde "
        "unverändert gespeichert als\n%3\n\nBeide Fassungen enthalten verschiedene Einträge für "
        "dieselben Tage. Der Monat wird nur lokal gespeichert und nicht hochgeladen; bitte wenden Sie "
        "sich an die Verwaltung."_s.arg(MonthText(month), QDir::toNativeSeparators(path(fileName)),
            QDir::toNativeSeparators(path(aside))));
    return { false, base };
}

// The same central copy is put aside once, however often the month is
// loaded while the conflict lasts.
QString MonthSync::keptCentralCopy(
    const QString& fileName, const QString& incoming, const QString& centralPrint)
{
    const QStringList earlier
        = QDir(folder_).entryList({ CentralCopyName(fileName, u"*"_s) }, QDir::Files, QDir::Name);
    for (const QString& name : earlier) {
        if (PendingUpload::FingerprintOfFile(path(name)) == centralPrint)
            return name;
    }
    const QString aside
        = CentralCopyName(fileName, QDateTime::currentDateTime().toString(u"yyyyMMdd_HHmmss"_s));
    return FileStore::CopyFile(incoming, path(aside)) ? aside : QString();
}

MonthLink MonthSync::unavailable(const MonthList& month, const QString& base)
{
    messenger_.show(u"Die zentrale Zeitdatei für den Monat %1 (%2) konnte nicht geladen werden!\n\n"
                    "Der Monat wird aus der lokalen Kopie angezeigt. Änderungen werden nur lokal "
                    "gespeichert und erst bei einer späteren Anmeldung hochgeladen."_s.arg(
                        MonthText(month), month.fileName()));
    return { false, base };
}

bool MonthSync::markPending(const MonthList& month, const MonthLink& link)
{
    if (PendingUpload::Write(folder_, month.fileName(), link.base))
        return true;
    messenger_.show(
        u"Die Markierung der Zeitdatei %1 als noch nicht hochgeladen konnte nicht geschrieben werden!"_s.arg(
            month.fileName()));
    return false;
}

bool MonthSync::upload(const MonthList& month, MonthLink& link)
{
    if (!transfer_.upload(folder_, month.fileName()))
        return false;
    PendingUpload::Remove(folder_, month.fileName());
    link.base = PendingUpload::FingerprintOfFile(path(month.fileName()));
    return true;
}

void MonthSync::reportKeptLocally(const MonthList& month)
{
    messenger_.show(u"Der Monat %1 wurde nur lokal gespeichert (%2).\n\nEr wird bei einer späteren Anmeldung "
                    "hochgeladen, sobald die zentrale Zeitdatei gelesen werden kann."_s.arg(
                        MonthText(month), QDir::toNativeSeparators(path(month.fileName()))));
}
