#include "pelin/core/personal_settings.h"

using namespace Qt::StringLiterals;

namespace PersonalSettings {

QString FileName(const QString& personnelNumber)
{
    return u"d"_s % personnelNumber.left(14) % u".kvd"_s;
}

QStringList FilterPool(const StringList& settings)
{
    QStringList pool;
    const QString value = settings.value(u"projfilter").left(300);
    for (QStringView entry : QStringView(value).split(u'#', Qt::SkipEmptyParts))
        pool.append(entry.left(14).toString());
    return pool;
}

} // namespace PersonalSettings
