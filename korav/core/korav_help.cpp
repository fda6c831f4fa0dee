#include "korav/core/korav_help.h"

#include "common/file_store.h"
#include "common/messenger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <minizip/unzip.h>

using namespace Qt::StringLiterals;

namespace KoravHelp {

namespace {

QString HelpName()
{
    return QString::fromUtf16(KoravFile::kHelp);
}

// The data folder's copy; an archive beside the program stands in when the
// data folder has none yet.
QString SourceFile(const Places& places)
{
    const QString inDataFolder = places.dataFolder.path(KoravFile::kHelp);
    if (places.dataFolder.isSet() && FileStore::Exists(inDataFolder))
        return inDataFolder;
    const QString beside = places.programDirectory + u'/' + HelpName();
    return FileStore::Exists(beside) ? beside : QString();
}

QString StampOf(const QString& path)
{
    return QFileInfo(path).lastModified().toString(u"yyyy-MM-dd HH:mm:ss"_s);
}

void SetUpLocalCopy(const QString& source, const QString& local, Messenger& messenger)
{
    if (source.isEmpty()) {
        messenger.show(
            u"Hilfe-Datei in KORAV-Ordner ist nicht vorhanden.\n\nLokale Hilfe konnte nicht eingerichtet werden"_s);
        return;
    }
    if (!QDir().mkpath(QFileInfo(local).absolutePath())) {
        messenger.systemMessage(u"Ordner 'Korav' konnte nicht im lokalen Ordner angelegt werden.  "_s);
        return;
    }
    if (FileStore::CopyFile(source, local))
        messenger.show(u"Hilfe wurde erfolgreich auf PC eingerichtet  "_s);
    else
        messenger.show(u"Hilfe konnte nicht lokal eingerichtet werden (copyfile)  "_s);
}

void RefreshLocalCopy(const QString& source, const QString& local, Messenger& messenger)
{
    if (source.isEmpty() || StampOf(source) <= StampOf(local))
        return;
    if (FileStore::CopyFile(source, local))
        messenger.show(u"Lokale Hilfedatei wurde aktualisiert.  "_s);
}

} // namespace

QString PageForTopic(int topic)
{
    switch (topic) {
    case kMainWindowTopic:
        return u"html/korav_010_allgemeines.htm"_s;
    case kBaseDataTopic:
        return u"html/korav_020_einrichten.htm"_s;
    case kAdministrationTopic:
        return u"html/korav_030_verwalten.htm"_s;
    case kCheckTopic:
        return u"html/korav_040_pruef_korr.htm"_s;
    case kReportTopic:
        return u"html/korav_050_auswerten.htm"_s;
    case kAccountTopic:
        return u"html/korav_060_konten.htm"_s;
    default:
        return {};
    }
}

QString LocalFolder(const QString& appDataFolder)
{
    return appDataFolder + u"/korav"_s;
}

std::optional<QString> PrepareHelpFile(const Places& places, Messenger& messenger)
{
    if (places.appDataFolder.isEmpty()) {
        messenger.show(
            u"Benutzer-Ordner auf PC ist nicht vorhanden.\n\nLokale Hilfe konnte nicht eingerichtet werden  "_s);
        return std::nullopt;
    }
    if (places.appDataFolder.size() > kMaxAppDataLength) {
        messenger.show(u"Zeichenlänge des lokalen Ordners ist zu groß !  "_s);
        return std::nullopt;
    }
    const QString source = SourceFile(places);
    const QString local = LocalFolder(places.appDataFolder) + u'/' + HelpName();
    if (FileStore::Exists(local))
        RefreshLocalCopy(source, local, messenger);
    else
        SetUpLocalCopy(source, local, messenger);
    if (FileStore::Exists(local))
        return local;
    if (!source.isEmpty())
        return source;
    messenger.show(
        u"Im KORAV-Ordner befindet sich keine Hilfedatei %1.\n\nKopieren Sie die Hilfedatei in den "
        u"KORAV-Ordner, falls diese dort fehlt.\n\n"_s.arg(HelpName()));
    return std::nullopt;
}

std::optional<QByteArray> ReadArchiveEntry(const QString& archive, const QString& entry)
{
    unzFile zip = unzOpen64(QFile::encodeName(archive).constData());
    if (!zip)
        return std::nullopt;
    std::optional<QByteArray> data;
    if (unzLocateFile(zip, entry.toUtf8().constData(), 1) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        QByteArray bytes;
        char buffer[8192];
        int read = 0;
        while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, read);
        if (unzCloseCurrentFile(zip) == UNZ_OK && read == 0)
            data = bytes;
    }
    unzClose(zip);
    return data;
}

QString LocationText(const Places& places)
{
    if (SourceFile(places).isEmpty())
        return u"Hilfedatei ist nicht vorhanden"_s;
    return u"Hilfe-Datei :  %1\n\nin Ordner :  %2/korav\n\n"_s.arg(HelpName(), places.appDataFolder)
        + u"Lässt sich die Hilfe nicht öffnen, prüfen Sie im Dateimanager, ob Sie die Datei lesen dürfen."_s;
}

} // namespace KoravHelp
