#include "korav/forms/select_dir.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString ShowFolderDialog(const QString& titel, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(nullptr, titel, startFolder, QFileDialog::ShowDirsOnly);
}

} // namespace

TSelectDir::TSelectDir() : browser_(ShowFolderDialog) { }

QString TSelectDir::startFolder() const
{
    if (!StartDir.isEmpty() && QFileInfo(StartDir).isDir())
        return StartDir;
    if (RootDir.compare(u"Desktop"_s, Qt::CaseInsensitive) == 0)
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return RootDir;
}

bool TSelectDir::Execute()
{
    SelectedDir.clear();
    const QString chosen = browser_(Titel, startFolder());
    if (chosen.isEmpty())
        return false;
    SelectedDir = chosen;
    return true;
}
