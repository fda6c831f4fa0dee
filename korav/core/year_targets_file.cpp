#include "korav/core/year_targets_file.h"

#include "common/fixed_width.h"
#include "korav/core/base_data_store.h"

namespace YearTargetsFile {

namespace {

QString Key(int year, int month, QStringView shortName)
{
    return FixedWidth::Digits(year, 4) + FixedWidth::Digits(month, 2) + shortName;
}

} // namespace

QString Line(int year, int month, QStringView shortName, QStringView target)
{
    return Key(year, month, shortName) + u'=' + FixedWidth::Right(target, 10);
}

QString Target(const StringList& file, int year, int month, QStringView shortName)
{
    return FixedWidth::FirstWord(file.value(QString(Key(year, month, shortName))));
}

StringList Load(const BaseDataStore& store, int year)
{
    return store.load(KoravFile::YearTargets(year));
}

bool Save(const BaseDataStore& store, int year, const StringList& file)
{
    return store.save(KoravFile::YearTargets(year), file);
}

} // namespace YearTargetsFile
