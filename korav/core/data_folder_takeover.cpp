#include "korav/core/data_folder_takeover.h"

#include "common/file_store.h"
#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_config.h"
#include "korav/core/korav_settings.h"
#include "korav/core/program_file_copy.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kProgramFolderFailed[] = u"Ordner für Programm-Datei konnte nicht erstellt werden!";
constexpr char16_t kTimeFolderFailed[] = u"Ordner für Arbeitszeit-Dateien konnte nicht erstellt werden!";

struct SubFolder {
    QStringView name;
    QStringView key;
    QStringView failure;
};

constexpr SubFolder kSubFolders[] = {
    { u"prog", KoravConfig::kProgramFolder, kProgramFolderFailed },
    { u"zeit", KoravConfig::kTimeFolder, kTimeFolderFailed },
};

// Creates the subfolder when it is missing; a newly created one gets its line.
void CreateSubFolder(const QString& folder, const SubFolder& sub, StringList& config, Messenger& messenger)
{
    const QString path = folder + u'/' + sub.name;
    if (QFileInfo(path).isDir())
        return;
    if (!QDir().mkpath(path)) {
        messenger.show(sub.failure.toString());
        return;
    }
    config.setValue(sub.key.toString(), path);
}

void TakeOverExisting(const BaseDataStore& store, Messenger& messenger)
{
    messenger.show(u"KORAV-Dateien sind vorhanden, Ordner wird übernommen.  "_s);
    if (store.isBackupFolder())
        return;
    StringList config = KoravConfig::Load(store);
    for (const SubFolder& sub : kSubFolders) {
        if (!config.hasKey(sub.key))
            CreateSubFolder(store.folder().folder(), sub, config, messenger);
    }
    KoravConfig::Save(store, config);
}

bool SetUpNew(const BaseDataStore& store, Messenger& messenger)
{
    if (messenger.ask(u"Im Ordner sind keine KORAV-Dateien vorhanden! Neu anlegen ?  "_s) != kAnswerYes)
        return false;
    if (!store.save(KoravFile::kEmployeeList, StringList()))
        return false;
    StringList config;
    for (const SubFolder& sub : kSubFolders)
        CreateSubFolder(store.folder().folder(), sub, config, messenger);
    KoravConfig::Save(store, config);
    messenger.show(u"KORAV-Dateien wurden neu angelegt, Ordner wird übernommen."_s);
    return true;
}

// The previous data folder's copy, else the one beside KORAV.
QString ProgramSource(const QString& name, const TakeOverContext& context)
{
    const QString previous = context.previous.isSet() ? context.previous.path(name) : QString();
    return FileStore::Exists(previous) ? previous : context.programDirectory + u'/' + name;
}

void CopyProgram(const QString& source, const DataFolder& target, const QString& name, Messenger& messenger)
{
    if (!CopyProgramFile(source, target.path(name)))
        messenger.show(
            u"Datei '%1' konnte nicht in neuen KORAV - Ordner kopiert werden! (Kopierfehler)"_s.arg(name));
}

void ProvidePelin(const DataFolder& target, const TakeOverContext& context)
{
    const QString name = KoravFile::PelinProgram();
    if (target.isBackupFolder() || FileStore::Exists(target.path(name)))
        return;
    const QString source = ProgramSource(name, context);
    if (!FileStore::Exists(source)) {
        context.messenger.show(
            u"Datei '%1' in aktuellem Ordner nicht gefunden! (kein Kopieren möglich)  "_s.arg(name));
        return;
    }
    CopyProgram(source, target, name, context.messenger);
}

// The installer goes with the program into the update package. Without it
// nothing else fails, and packing names it when it is missing.
void ProvideInstaller(const DataFolder& target, const TakeOverContext& context)
{
    const QString name = KoravFile::PelinInstaller();
    if (target.isBackupFolder() || FileStore::Exists(target.path(name)))
        return;
    const QString source = ProgramSource(name, context);
    if (FileStore::Exists(source))
        CopyProgram(source, target, name, context.messenger);
}

} // namespace

std::optional<DataFolder> TakeOverDataFolder(const QString& chosen, const TakeOverContext& context)
{
    Messenger& messenger = context.messenger;
    if (chosen.isEmpty()) {
        messenger.show(u"Es wurde kein Ordner ausgewählt  "_s);
        return std::nullopt;
    }
    if (chosen.size() > kMaxDataFolderLength) {
        messenger.show(u"Ordner-Pfad ist zu lang, max. 220 Zeichen  "_s);
        return std::nullopt;
    }
    const QString folder = WithoutTrailingSeparator(chosen);
    if (!QFileInfo(folder).isDir()) {
        messenger.show(u"Der Ordner ist nicht vorhanden !  "_s);
        return std::nullopt;
    }
    BaseDataStore store(messenger);
    store.setFolder(DataFolder(folder));
    const bool existing = store.exists(KoravFile::kEmployeeList);
    if (!existing && store.isBackupFolder()) {
        messenger.show(QString::fromUtf16(kBackupFolderRefusal));
        return std::nullopt;
    }
    if (existing)
        TakeOverExisting(store, messenger);
    else if (!SetUpNew(store, messenger))
        return std::nullopt;
    if (!context.settings.write(KoravSettings::kDirectory, folder))
        messenger.show(u"In Registrierung kann nicht geschrieben werden [mao182]  "_s);
    ProvidePelin(store.folder(), context);
    ProvideInstaller(store.folder(), context);
    return store.folder();
}
