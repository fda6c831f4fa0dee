#include "pelin/core/filter_pool.h"

#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool LessIgnoringCase(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

QString RowText(const QString& number, const QString& description, int gap)
{
    return number.left(FilterPool::kEntryLength).leftJustified(FilterPool::kEntryLength, u' ')
        + QString(gap, u' ') + description.left(100);
}

} // namespace

FilterPool FilterPool::FromSettingValue(QStringView value)
{
    FilterPool pool;
    const QStringView stored = value.left(kValueLength);
    for (const QStringView entry : stored.split(u'#', Qt::SkipEmptyParts))
        pool.insertSorted(entry.left(kEntryLength).toString());
    return pool;
}

QString FilterPool::toSettingValue() const
{
    QString value;
    for (const QString& entry : entries_)
        value += entry.left(kEntryLength) + u'#';
    return value.left(kValueLength);
}

FilterPool::AddResult FilterPool::addActivityNumber(QStringView number, int masterLength)
{
    QString prefix = number.left(kEntryLength).toString();
    while (prefix.endsWith(u' '))
        prefix.chop(1);
    prefix.truncate(qMax(0, masterLength));
    // The stored value cannot carry an empty entry (which would let every
    // activity through) or one holding its separator "#": such an entry
    // would come back as another filter at the next log-in.
    if (prefix.isEmpty() || prefix.contains(u'#'))
        return AddResult::Covered;
    const bool covered = std::any_of(entries_.cbegin(), entries_.cend(),
        [&](const QString& entry) { return prefix.startsWith(entry.left(qMax(0, masterLength))); });
    if (covered)
        return AddResult::Covered;
    if (entries_.size() >= kMaxEntries)
        return AddResult::Full;
    insertSorted(prefix);
    return AddResult::Added;
}

bool FilterPool::removeAt(qsizetype index, QStringView shownText)
{
    if (index < 0 || index >= entries_.size() || entries_.at(index) != shownText)
        return false;
    entries_.removeAt(index);
    return true;
}

void FilterPool::insertSorted(const QString& entry)
{
    entries_.insert(
        std::upper_bound(entries_.cbegin(), entries_.cend(), entry, LessIgnoringCase) - entries_.cbegin(),
        entry);
}

StringList FilteredActivityList(const StringList& activities, const FilterPool& pool)
{
    StringList filtered;
    filtered.setSorted(true);
    QSet<QString> seen;
    for (const QString& line : activities.lines()) {
        const QString number = StringList::KeyOf(line);
        const bool matches = std::any_of(pool.entries().cbegin(), pool.entries().cend(),
            [&](const QString& entry) { return number.startsWith(entry); });
        if (matches && !seen.contains(line)) {
            seen.insert(line);
            filtered.append(line);
        }
    }
    return filtered;
}

QString FilterRowText(const QString& number, const QString& description)
{
    return RowText(number, description, 2);
}

QString ChooserRowText(const QString& number, const QString& description)
{
    return RowText(number, description, 3);
}

bool RowMatchesSearch(const QString& rowText, const QString& search)
{
    const QString text = search.left(FilterPool::kEntryLength);
    return text.isEmpty() || rowText.contains(text, Qt::CaseInsensitive);
}

const StringList& ChooserActivities(bool filterOn, const StringList& filtered, const StringList& all)
{
    return filterOn && !filtered.isEmpty() ? filtered : all;
}
