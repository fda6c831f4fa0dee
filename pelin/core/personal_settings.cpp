#include "pelin/core/personal_settings.h"

using namespace Qt::StringLiterals;

namespace PersonalSettings {

QString FileName(const QString& personnelNumber)
{
    return u"d"_s % personnelNumber.left(14) % u".kvd"_s;
}

} // namespace PersonalSettings
