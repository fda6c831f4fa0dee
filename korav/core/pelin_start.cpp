#include "korav/core/pelin_start.h"

#include "common/messenger.h"
#include "korav/core/data_folder.h"

#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

PelinStart::PelinStart(Starter starter) : starter_(std::move(starter)) { }

PelinStart::Starter PelinStart::DetachedStarter()
{
    return [](const QString& program, const QStringList& arguments, const QString& folder) {
        return QProcess::startDetached(program, arguments, folder);
    };
}

bool PelinStart::start(const DataFolder& data, Messenger& messenger) const
{
    const QFileInfo folder(data.folder());
    const QFileInfo program(data.path(KoravFile::PelinProgram()));
    QString failure;
    if (!folder.isDir())
        failure = u"Der Pfad zur Datei ist nicht vorhanden !  "_s;
    else if (!program.exists())
        failure = u"Die angegebene Datei ist nicht vorhanden !  "_s;
    else if (!program.isFile() || !program.isReadable())
        failure = u"Dateizugriff wird vom Betriebssystem verweigert !  "_s;
    else if (!program.isExecutable())
        failure = u"Die .EXE Datei ist ungültig oder beschädigt !  "_s;
    else if (!starter_(program.absoluteFilePath(), { u"korav"_s }, folder.absoluteFilePath()))
        failure = u"Datei konnte nicht geöffnet werden !  "_s;
    if (failure.isEmpty())
        return true;
    messenger.show(failure);
    return false;
}
