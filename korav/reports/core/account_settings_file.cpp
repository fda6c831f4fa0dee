#include "korav/reports/core/account_settings_file.h"

#include "common/account_rules.h"
#include "common/data_file_codec.h"
#include "common/fixed_width.h"

using namespace Qt::StringLiterals;

namespace AccountSettingsFile {

QString Key(int year, const QString& shortName)
{
    return FixedWidth::FourDigits(year) + shortName;
}

QString Line(int year, const QString& shortName, const Settings& settings)
{
    const QString opening = settings.opening ? AccountRules::BalanceText(*settings.opening) : QString();
    const QString carried = settings.carried ? AccountRules::StoredDays(*settings.carried) : QString();
    return Key(year, shortName) + u'=' + opening + u'#' + AccountRules::StoredDays(settings.entitlement)
        + u'#' + carried + u'#';
}

std::optional<Settings> Of(const KeyIndex& file, int year, const QString& shortName)
{
    const std::optional<QString> value = file.value(Key(year, shortName));
    if (!value)
        return std::nullopt;
    const QStringList fields = value->split(u'#');
    Settings settings;
    settings.opening = AccountRules::ParseBalance(fields.value(0));
    settings.entitlement = AccountRules::ParseDays(fields.value(1)).value_or(0);
    settings.carried = AccountRules::ParseDays(fields.value(2));
    return settings;
}

StringList Load(const QString& dataRoot, DataFileCodec& codec)
{
    StringList lines;
    codec.LoadDataFile(dataRoot + QString::fromUtf16(kFileName), lines);
    return lines;
}

} // namespace AccountSettingsFile
