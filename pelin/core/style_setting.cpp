#include "pelin/core/style_setting.h"

#include "common/messenger.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace StyleSetting {

QString Read(QSettings& settings, Messenger& messenger)
{
    if (settings.status() != QSettings::NoError) {
        messenger.show(u"Registrierung kann nicht gelesen werden!"_s);
        return {};
    }
    return settings.value(QString::fromUtf16(kKey)).toString();
}

bool Write(QSettings& settings, const QString& styleName, Messenger& messenger)
{
    settings.setValue(QString::fromUtf16(kKey), styleName);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        messenger.show(u"In Registrierung kann nicht geschrieben werden!"_s);
        return false;
    }
    return true;
}

} // namespace StyleSetting
