#include "korav/core/korav_config.h"

#include "korav/core/base_data_store.h"

using namespace Qt::StringLiterals;

namespace KoravConfig {

namespace {

QString Default(QStringView key)
{
    if (key.compare(kCountryCode, Qt::CaseInsensitive) == 0)
        return u"0"_s;
    if (key.compare(kRegionalHolidays, Qt::CaseInsensitive) == 0)
        return u"000000"_s;
    if (key.compare(kMasterPrefixLength, Qt::CaseInsensitive) == 0)
        return u"5"_s;
    if (key.compare(kCaption4, Qt::CaseInsensitive) == 0)
        return u"Gleitfrei"_s;
    if (key.compare(kCaption5, Qt::CaseInsensitive) == 0)
        return u"Verwaltung"_s;
    return {};
}

} // namespace

QString Value(const StringList& config, QStringView key)
{
    return config.hasKey(key) ? config.value(key) : Default(key);
}

StringList Load(const BaseDataStore& store)
{
    return store.load(KoravFile::kConfig);
}

bool Save(const BaseDataStore& store, const StringList& config)
{
    return store.save(KoravFile::kConfig, config);
}

} // namespace KoravConfig
