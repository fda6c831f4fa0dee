#pragma once

#include "common/string_list.h"

#include <QString>
#include <QStringList>

// An employee's personal activity filter: up to 20 number prefixes, kept in
// case-insensitive order and stored as "projfilter" in the personal settings.
class FilterPool {
public:
    static constexpr int kMaxEntries = 20;
    static constexpr int kEntryLength = 14;
    static constexpr int kValueLength = 300;

    enum class AddResult { Added, Covered, Full };

    // Reads a stored "projfilter" value: entries closed by "#".
    static FilterPool FromSettingValue(QStringView value);
    QString toSettingValue() const;

    const QStringList& entries() const { return entries_; }
    bool isEmpty() const { return entries_.isEmpty(); }
    qsizetype size() const { return entries_.size(); }

    // Adds the prefix of an activity number, cut to the master-number
    // length, unless an entry already covers it or the pool is full.
    AddResult addActivityNumber(QStringView number, int masterLength);
    // Removes the entry at `index` when it still reads `shownText`.
    bool removeAt(qsizetype index, QStringView shownText);
    void clear() { entries_.clear(); }

    bool operator==(const FilterPool& other) const { return entries_ == other.entries_; }

private:
    void insertSorted(const QString& entry);

    QStringList entries_;
};

// The lines of the activity list ("number=description") whose number starts
// with a pool entry, each once, in case-insensitive order.
StringList FilteredActivityList(const StringList& activities, const FilterPool& pool);

// Row texts the search runs over, as the filter dialog and the chooser show
// their rows.
QString FilterRowText(const QString& number, const QString& description);
QString ChooserRowText(const QString& number, const QString& description);
// Whether a row text matches the search text (cut to 14 characters, case
// ignored); an empty search matches every row.
bool RowMatchesSearch(const QString& rowText, const QString& search);

// The list the activity chooser offers: the filtered list while the filter
// is on and finds something, the whole list otherwise.
const StringList& ChooserActivities(bool filterOn, const StringList& filtered, const StringList& all);
