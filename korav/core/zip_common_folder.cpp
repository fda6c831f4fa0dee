#include "korav/core/zip_common_folder.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

bool LiesIn(const QString& file, const QString& folder)
{
    return QDir::fromNativeSeparators(file).startsWith(folder + u'/');
}

} // namespace

QString CommonFolder(const QStringList& files)
{
    if (files.isEmpty())
        return {};
    QString folder = QDir::fromNativeSeparators(files.first());
    folder.truncate(std::max<qsizetype>(folder.lastIndexOf(u'/'), 0));
    // A folder is common only up to a separator, so "/a/data" is not the
    // common folder of "/a/data/x" and "/a/data2/y".
    while (
        !std::all_of(files.begin(), files.end(), [&](const QString& file) { return LiesIn(file, folder); })) {
        const qsizetype cut = folder.lastIndexOf(u'/');
        if (cut < 0)
            return {};
        folder.truncate(cut);
    }
    return folder;
}

QString EntryName(const QString& file, const QString& commonFolder)
{
    const QString path = QDir::fromNativeSeparators(file);
    if (LiesIn(path, commonFolder))
        return path.mid(commonFolder.size() + 1);
    QString name = path;
    while (name.startsWith(u'/'))
        name.remove(0, 1);
    return name;
}
