#include "pelin/core/pelin_startup.h"

#include "common/data_file_codec.h"
#include "common/messenger.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace PelinStartup {

namespace {

QString ConfigPath(const QString& executableFolder)
{
    return QDir(executableFolder).filePath(QString::fromUtf16(kConfigFileName));
}

} // namespace

bool StartedByKorav(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument.isEmpty())
            break;
        if (argument == u"korav")
            return true;
    }
    return false;
}

std::optional<PelinConfig> LoadConfiguration(
    const QString& executableFolder, DataFileCodec& codec, Messenger& messenger)
{
    const QString path = ConfigPath(executableFolder);
    if (!QFileInfo(path).isFile()) {
        messenger.show(u"Die Datei pelin.cfg ist in Programm-Ordner\n"_s + executableFolder
            + u"\nnicht vorhanden !\nTipps zur Einrichtung der Software stehen\n"
              u"in der KORAV-Hilfe, Abschnitt 'PC eines Mitarbeiters einrichten'.\n\nProgramm wird beendet! "_s);
        return std::nullopt;
    }
    StringList lines;
    codec.LoadDataFile(path, lines);
    PelinConfig config = ParsePelinConfig(lines);
    if (config.dbVersion != kRequiredDbVersion) {
        messenger.show(u"Die Datenstrukturen haben sich geändert.\nSie benötigen eine neue PELIN-Version!\n\n"
                       u"Wenden Sie sich an Ihren Administrator.\n\nProgramm wird beendet."_s);
        return std::nullopt;
    }
    return config;
}

std::optional<QString> ProgramFolderHint(
    const PelinConfig& config, const QString& executableFolder, bool startedByKorav)
{
    if (!config.lanMode || startedByKorav || !QFileInfo(config.programFolder).isDir())
        return std::nullopt;
    QString folder = config.programFolder;
    if (folder.endsWith(QDir::separator()) || folder.endsWith(u'/'))
        folder.chop(1);
    if (folder == executableFolder)
        return std::nullopt;
    return u"Die Programmdatei pelin in Ordner\n\n%1\n\nsollte für den Programmstart verwendet werden !"_s
        .arg(config.programFolder);
}

std::optional<QString> ConfigurationText(const QString& executableFolder, DataFileCodec& codec)
{
    const QString path = ConfigPath(executableFolder);
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    StringList lines;
    codec.LoadDataFile(path, lines);
    return ConfigLinesForDisplay(lines).toText();
}

} // namespace PelinStartup
