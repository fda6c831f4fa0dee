#include "korav/core/version_line.h"

#include "korav/core/korav_version.h"

#include <QSysInfo>

using namespace Qt::StringLiterals;

QString KoravVersionLine()
{
    const QString version = u"Version "_s + QString::fromLatin1(kKoravVersionNumber);
    return version.left(40) + u' ' + u"%1Bit"_s.arg(QSysInfo::WordSize, 2, 10, QChar(u'0'));
}
