#pragma once

#include "common/string_list.h"

class ActivityListEditor;
class BaseDataStore;

// The activity chooser's lists. The tag names the caller and selects the
// list; the list built last is the description list its caller looks up.
namespace ActivityChooser {

enum Tag : int { kEntryKey = 222, kProjects = 5551, kOtherActivities = 5559, kProjectOverview = 999 };

inline constexpr int kMaxSearch = 14;

QString Caption(int tag);
// Projects and other activities as the tag asks, in file order.
StringList BuildList(const BaseDataStore& store, int tag);
// The same while the activity dialog is open: its rows, saved or not, stand
// in for the file it edits.
StringList BuildList(const BaseDataStore& store, int tag, const ActivityListEditor& open);
// The lines to show, sorted by key; with a search text only those whose
// "%-14.14s  %.100s" form holds it, in any letter case.
QStringList Rows(const StringList& list, QStringView search);

} // namespace ActivityChooser
