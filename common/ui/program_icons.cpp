#include "common/ui/program_icons.h"

using namespace Qt::StringLiterals;

QIcon HelpIcon()
{
    return QIcon(u":/icons/help.svg"_s);
}

QIcon InfoIcon()
{
    return QIcon(u":/icons/info.svg"_s);
}

QIcon KoravIcon()
{
    return QIcon(u":/icons/korav.svg"_s);
}

QIcon PelinIcon()
{
    return QIcon(u":/icons/pelin.svg"_s);
}
