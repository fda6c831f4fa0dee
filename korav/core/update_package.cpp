#include "korav/core/update_package.h"

#include "common/file_store.h"
#include "common/messenger.h"
#include "common/string_list.h"
#include "common/trusted_certificate.h"
#include "korav/core/base_data_store.h"
#include "korav/core/zip_obj.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace UpdatePackage {

namespace {

struct PackedFile {
    QString name;
    QString missing;
};

QList<PackedFile> PackedFiles()
{
    const QString program = KoravFile::PelinProgram();
    const QString installer = KoravFile::PelinInstaller();
    return {
        { QString::fromUtf16(KoravFile::kPelinConfig),
            u"Datei pelin.cfg in korav-Ordner nicht gefunden !  "_s },
        { program,
            u"Datei %1 in Korav-Ordner nicht vorhanden !  \n\nKopieren Sie die Datei in den Ordner"_s.arg(
                program) },
        { installer, u"Datei %1 in korav-Ordner nicht vorhanden !  "_s.arg(installer) },
    };
}

} // namespace

bool MayPack(const DataFolder& data, Messenger& messenger)
{
    if (!data.isBackupFolder())
        return true;
    messenger.show(QString::fromUtf16(kBackupFolderFilesRefusal));
    return false;
}

std::optional<QStringList> FilesToPack(const DataFolder& data, Messenger& messenger)
{
    QStringList files;
    for (const PackedFile& file : PackedFiles()) {
        const QString path = data.path(file.name);
        if (!FileStore::Exists(path)) {
            messenger.show(file.missing);
            return std::nullopt;
        }
        files.append(path);
    }
    // A firm's own server certificate travels with PELIN where there is one.
    const QString certificate = data.path(TrustedCertificate::kFileName);
    if (FileStore::Exists(certificate))
        files.append(certificate);
    return files;
}

int Pack(const DataFolder& data, QStringList files, TZipObj& zip)
{
    const int result = zip.CreateArchive(files, data.path(kPackage), kLevel);
    QFile::remove(data.path(kUploadMarker));
    return result;
}

bool MarkerExists(const DataFolder& data)
{
    return data.isSet() && FileStore::Exists(data.path(kUploadMarker));
}

bool WriteMarker(const DataFolder& data)
{
    const StringList marker(QStringList { u"Zeitstempel für Upload"_s });
    return FileStore::WriteText(data.path(kUploadMarker), marker.toText(), TextEncoding::Utf8WithBom);
}

} // namespace UpdatePackage
