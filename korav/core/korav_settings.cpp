#include "korav/core/korav_settings.h"

#include <QSettings>

using namespace Qt::StringLiterals;

QtKoravSettings::QtKoravSettings() : settings_(std::make_unique<QSettings>(u"ruvo"_s, u"korav"_s)) { }

QtKoravSettings::QtKoravSettings(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

QtKoravSettings::~QtKoravSettings() = default;

bool QtKoravSettings::readable() const
{
    return settings_->status() != QSettings::AccessError;
}

std::optional<QString> QtKoravSettings::read(QStringView name) const
{
    const QVariant value = settings_->value(name.toString());
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

bool QtKoravSettings::write(QStringView name, const QString& value)
{
    settings_->setValue(name.toString(), value);
    settings_->sync();
    return settings_->status() == QSettings::NoError && settings_->isWritable();
}

void QtKoravSettings::remove(QStringView name)
{
    settings_->remove(name.toString());
    settings_->sync();
}
