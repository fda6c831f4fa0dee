#include "korav/core/data_folder.h"

using namespace Qt::StringLiterals;

namespace KoravFile {

QString PelinProgram()
{
#ifdef Q_OS_WIN
    return u"pelin.exe"_s;
#else
    return u"pelin"_s;
#endif
}

QString PelinInstaller()
{
#ifdef Q_OS_WIN
    return u"install-pelin.exe"_s;
#else
    return u"install-pelin"_s;
#endif
}

QString YearTargets(int year)
{
    return u"zmonsoll%1.kvd"_s.arg(year, 4, 10, QChar(u'0'));
}

} // namespace KoravFile

namespace {

bool IsSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

} // namespace

QString WithoutTrailingSeparator(QString folder)
{
    if (folder.size() > 1 && IsSeparator(folder.back()))
        folder.chop(1);
    return folder;
}

bool IsBackupFolderPath(QStringView folder)
{
    if (!folder.isEmpty() && IsSeparator(folder.back()))
        folder.chop(1);
    constexpr QStringView kWord = u"terminbkp";
    if (folder.size() < kWord.size() + 1)
        return false;
    return folder.sliced(folder.size() - kWord.size() - 1, kWord.size()) == kWord;
}

DataFolder::DataFolder(const QString& folder)
{
    const QString bare = WithoutTrailingSeparator(folder);
    if (!bare.isEmpty())
        root_ = IsSeparator(bare.back()) ? bare : bare + u'/';
}

QString DataFolder::folder() const
{
    return WithoutTrailingSeparator(root_);
}

bool DataFolder::isBackupFolder() const
{
    return IsBackupFolderPath(root_);
}
