#include "common/activity_description.h"

using namespace Qt::StringLiterals;

std::optional<QString> ListedDescription(const StringList& activities, const QString& number)
{
    const qsizetype i = activities.indexOfKey(number);
    if (i < 0)
        return std::nullopt;
    return StringList::ValueOf(activities.at(i)).left(100);
}

QString NotInListNote()
{
    return u"Tätigkeit nicht in Liste vorhanden !"_s;
}
