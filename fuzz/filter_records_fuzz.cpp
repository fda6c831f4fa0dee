// Any bytes as the employee's personal settings and as the activity list:
// the filter pool is read from "projfilter", written back unchanged, and
// filters the list the activity chooser offers. The same bytes serve as the
// closed months provided beside them, which read back as written.

#include "common/closed_months.h"
#include "common/file_store.h"
#include "fuzz/fuzz_support.h"
#include "pelin/core/filter_pool.h"
#include "pelin/core/filter_pool_editor.h"

using namespace Qt::StringLiterals;

namespace {

void CheckPool(const FilterPool& pool)
{
    const QString stored = pool.toSettingValue();
    Fuzz::Require(stored.size() <= FilterPool::kValueLength, "a stored pool has at most 300 characters");
    Fuzz::Require(FilterPool::FromSettingValue(stored) == pool, "a stored pool reads back unchanged");
    for (const QString& entry : pool.entries())
        Fuzz::Require(!entry.isEmpty() && entry.size() <= FilterPool::kEntryLength && !entry.contains(u'#'),
            "a pool entry has 1 to 14 characters and no \"#\"");
}

// What the filter dialog does with the rows it shows.
void EditPool(const FilterPool& pool, const StringList& activities, Fuzz::SilentMessenger& messenger)
{
    QStringList numbers;
    for (const QString& line : activities.lines())
        numbers.append(StringList::KeyOf(line));
    FilterPoolEditor editor;
    editor.open(pool);
    editor.addShownRows(numbers, 5, messenger);
    CheckPool(editor.pool());
    if (!editor.pool().isEmpty())
        editor.deleteMarkedRow(0, editor.pool().entries().at(0), messenger);
    editor.close(messenger);
    Fuzz::Require(editor.pool() == pool, "a pool left with \"Nein\" is the pool it was");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Fuzz::SilentMessenger messenger;
    const StringList lines = StringList::FromText(FileStore::DecodeText(Fuzz::Bytes(data, size)).text);
    const FilterPool pool = FilterPool::FromSettingValue(lines.value(u"projfilter"));
    CheckPool(pool);

    const StringList filtered = FilteredActivityList(lines, pool);
    const StringList& offered = ChooserActivities(true, filtered, lines);
    const QString search = pool.isEmpty() ? QString() : pool.entries().at(0);
    for (const QString& line : offered.lines()) {
        const QString number = StringList::KeyOf(line);
        const QString description = StringList::ValueOf(line);
        RowMatchesSearch(FilterRowText(number, description), search);
        RowMatchesSearch(ChooserRowText(number, description), search);
    }
    EditPool(pool, lines, messenger);

    const ClosedMonths closed = ClosedMonths::FromLines(lines);
    Fuzz::Require(ClosedMonths::FromLines(closed.toLines()) == closed, "closed months read back as written");
    Fuzz::Require(
        !closed.any() || (closed.month() >= 1 && closed.month() <= 12), "a closed month is a month");
    return 0;
}
