#include "korav/core/personnel_numbers.h"

#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/master_data_record.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kScannedValue = 50;

} // namespace

namespace {

// The personnel number in an employee's master data; empty when the record
// is missing or carries none.
QString NumberOf(const StringList& records, const QString& name)
{
    const qsizetype i = records.indexOfKey(name);
    if (i < 0)
        return {};
    return MasterDataRecord::FromValue(StringList::ValueOf(records.at(i)).left(kScannedValue))
        .personnelNumber;
}

} // namespace

std::optional<StringList> BuildPersonnelNumberMap(const BaseDataStore& store, const QStringList& rows)
{
    const StringList records = store.load(KoravFile::kMasterData);
    StringList map;
    for (const QString& name : rows) {
        if (!records.hasKey(name))
            continue;
        const QString number = NumberOf(records, name);
        if (number.isEmpty()) {
            store.messenger().show(
                u"Es fehlt die Personalnummer von %1 !\n\n( Erfassen in Mitarbeiter-Stammdaten )  "_s.arg(
                    name));
            return std::nullopt;
        }
        map.append(name + u'=' + number);
    }
    return map;
}

StringList KnownPersonnelNumbers(const BaseDataStore& store, const QStringList& rows)
{
    const StringList records = store.load(KoravFile::kMasterData);
    StringList map;
    for (const QString& name : rows) {
        if (const QString number = NumberOf(records, name); !number.isEmpty())
            map.append(name + u'=' + number);
    }
    return map;
}

QStringList SortedEmployeeRows(QStringList names)
{
    std::stable_sort(names.begin(), names.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}
