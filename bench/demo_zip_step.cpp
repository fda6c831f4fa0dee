// Packs every file of a folder into one archive at level 6, as the update
// package is packed.
#include "korav/core/zip_obj.h"

#include <QCoreApplication>
#include <QDirIterator>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    QStringList files;
    QDirIterator it(QString::fromLocal8Bit(argv[1]), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    TZipObj zip;
    return zip.CreateArchive(files, QString::fromLocal8Bit(argv[2]), 6) == kZipOk ? 0 : 1;
}
