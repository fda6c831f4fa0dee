#include "korav/core/target_records_file.h"

#include "common/fixed_width.h"
#include "korav/core/base_data_store.h"

using namespace Qt::StringLiterals;

namespace TargetRecordsFile {

namespace {

QString TwoCharacters(QStringView text)
{
    QString field = FixedWidth::Right(text, 2);
    field.replace(u' ', u'0');
    return field;
}

} // namespace

QString DayPart(bool fiveMinuteRaster, QStringView hours, QStringView minutes)
{
    return (fiveMinuteRaster ? u"1"_s : u"0"_s) + TwoCharacters(hours) + TwoCharacters(minutes);
}

QString Unit(const MonthUnit& unit)
{
    if (!unit.hasTarget)
        return u"00000000000"_s;
    return FixedWidth::Digits(unit.month, 2) + FixedWidth::Digits(unit.year, 4)
        + FixedWidth::Digits(unit.hours, 3) + FixedWidth::Digits(unit.minutes, 2);
}

QString Line(QStringView personnelNumber, QStringView dayPart, const QList<MonthUnit>& units)
{
    QString line = u"msz"_s + personnelNumber.left(12) + u'=' + FixedWidth::Right(dayPart, 5);
    for (const MonthUnit& unit : units)
        line += FixedWidth::Right(Unit(unit), 11);
    return line;
}

StringList Load(const BaseDataStore& store)
{
    return store.load(KoravFile::kTargetRecords);
}

bool Save(const BaseDataStore& store, const StringList& file)
{
    return store.save(KoravFile::kTargetRecords, file);
}

} // namespace TargetRecordsFile
