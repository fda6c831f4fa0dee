#include "korav/core/target_records_builder.h"

#include "common/number_parse.h"
#include "korav/core/base_data_store.h"
#include "korav/core/decimal_cell.h"
#include "korav/core/master_data_daily_targets.h"
#include "korav/core/personnel_numbers.h"
#include "korav/core/target_records_file.h"
#include "korav/core/year_targets_file.h"

using namespace Qt::StringLiterals;

namespace TargetRecordsBuilder {

namespace {

constexpr int kDayPartWidth = 5;
constexpr int kUnitWidth = 11;
constexpr int kMonths = 12;

QString NumberOfLine(const QString& line)
{
    return StringList::KeyOf(line).mid(3);
}

bool HasDailyTarget(const QString& line)
{
    const QString value = StringList::ValueOf(line);
    return value.size() >= kDayPartWidth && ParseDecimalInt(value) > 0;
}

TargetRecordsFile::MonthUnit UnitOf(const StringList& file, int year, int month, const QString& name)
{
    const QString value = YearTargetsFile::Target(file, year, month, name);
    if (value.isEmpty() || value == QString::fromUtf16(YearTargetsFile::kNoTarget))
        return {};
    return { month, year, DecimalCell::WholeHours(value), DecimalCell::Minutes(value), true };
}

QString DayPartOf(const Sources& sources, const QString& name)
{
    const std::optional<DailyTargetsFile::Target> own = DailyTargetsFile::Of(sources.dailyTargets, name);
    if (!own)
        return sources.firmDayPart;
    return sources.firmDayPart.left(1) + own->hours + own->minutes;
}

bool Outdated(const StringList& stored, const StringList& expected, int startYear)
{
    if (stored.size() != expected.size())
        return true;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QString& line = stored.at(i);
        if (StringList::KeyOf(line) != StringList::KeyOf(expected.at(i))
            || StringList::ValueOf(line).left(kDayPartWidth)
                != StringList::ValueOf(expected.at(i)).left(kDayPartWidth)
            || !CoversWindow(line, startYear))
            return true;
    }
    return false;
}

QStringList MissingRecords(const StringList& stored, const StringList& numbers)
{
    QStringList problems;
    for (const QString& entry : numbers.lines()) {
        if (!stored.hasKey(QString(u"msz"_s + StringList::ValueOf(entry).left(12))))
            problems.append(u"Es fehlen die Arbeits-Sollzeiten von %1 !  \n\n( Arbeits-Sollzeiten )"_s.arg(
                StringList::KeyOf(entry)));
    }
    return problems;
}

} // namespace

QString FirmDayPart(const StringList& records, const QSet<QString>& ownNumbers)
{
    QString fallback;
    for (const QString& line : records.lines()) {
        if (!HasDailyTarget(line))
            continue;
        if (!ownNumbers.contains(NumberOfLine(line)))
            return StringList::ValueOf(line).left(kDayPartWidth);
        if (fallback.isEmpty())
            fallback = StringList::ValueOf(line).left(kDayPartWidth);
    }
    return fallback;
}

QSet<QString> OwnTargetNumbers(const StringList& numbers, const StringList& dailyTargets)
{
    QSet<QString> own;
    for (const QString& entry : numbers.lines()) {
        if (DailyTargetsFile::Of(dailyTargets, StringList::KeyOf(entry)))
            own.insert(StringList::ValueOf(entry).left(12));
    }
    return own;
}

StringList Lines(const BaseDataStore& store, const Sources& sources,
    const std::function<void(const QString&)>& withoutNumber)
{
    const int year = sources.startYear;
    const StringList years[] = { YearTargetsFile::Load(store, year - 1), YearTargetsFile::Load(store, year),
        YearTargetsFile::Load(store, year + 1) };
    StringList records;
    for (const QString& name : sources.rows) {
        if (!sources.numbers.hasKey(name)) {
            if (withoutNumber)
                withoutNumber(name);
            continue;
        }
        QList<TargetRecordsFile::MonthUnit> units { UnitOf(years[0], year - 1, 12, name) };
        for (int month = 1; month <= kMonths; ++month)
            units.append(UnitOf(years[1], year, month, name));
        units.append(UnitOf(years[2], year + 1, 1, name));
        records.append(TargetRecordsFile::Line(sources.numbers.value(name), DayPartOf(sources, name), units));
    }
    return records;
}

bool CoversWindow(const QString& line, int startYear)
{
    const QString value = StringList::ValueOf(line);
    for (int i = 0; i < TargetRecordsFile::kMonthUnits; ++i) {
        const QString unit = value.mid(kDayPartWidth + i * kUnitWidth, kUnitWidth);
        if (unit.size() < kUnitWidth)
            break;
        if (unit == u"00000000000"_s)
            continue;
        const int month = i == 0 ? 12 : (i == kMonths + 1 ? 1 : i);
        const int year = i == 0 ? startYear - 1 : (i == kMonths + 1 ? startYear + 1 : startYear);
        if (ParseDecimalInt(unit.left(2)) != month || ParseDecimalInt(unit.mid(2, 4)) != year)
            return false;
    }
    return true;
}

Current CurrentRecords(const BaseDataStore& store, int startYear, const QStringList& employees)
{
    const StringList stored = TargetRecordsFile::Load(store);
    Sources sources;
    sources.startYear = startYear;
    sources.rows = SortedEmployeeRows(employees);
    sources.numbers = KnownPersonnelNumbers(store, sources.rows);
    sources.dailyTargets = DailyTargetsFile::Load(store);
    sources.firmDayPart = FirmDayPart(stored, OwnTargetNumbers(sources.numbers, sources.dailyTargets));
    if (sources.firmDayPart.isEmpty())
        return { stored, false, MissingRecords(stored, sources.numbers) };
    const StringList expected = Lines(store, sources);
    if (!Outdated(stored, expected, startYear))
        return { stored, false, {} };
    if (!store.exists(KoravFile::YearTargets(startYear)))
        return { stored, false,
            { u"Es fehlen die Arbeits-Sollzeiten für das Jahr %1 !  \n\n( Arbeits-Sollzeiten )"_s.arg(
                startYear) } };
    return { expected, true, {} };
}

} // namespace TargetRecordsBuilder
