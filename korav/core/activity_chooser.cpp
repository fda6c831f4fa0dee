#include "korav/core/activity_chooser.h"

#include "korav/core/activity_list_editor.h"
#include "korav/core/activity_list_file.h"
#include "korav/core/base_data_store.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ActivityChooser {

namespace {

void RemoveFirstPause(QStringList& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (StringList::ValueOf(lines.at(i)) == u"Pause"_s) {
            lines.removeAt(i);
            return;
        }
    }
}

QString SearchForm(QStringView line)
{
    return StringList::KeyOf(line)
               .left(ActivityListFile::kMaxNumber)
               .leftJustified(ActivityListFile::kMaxNumber)
        + u"  "_s + StringList::ValueOf(line).left(ActivityListFile::kMaxDescription);
}

StringList Assemble(const StringList& projects, const StringList& otherActivities, int tag)
{
    QStringList lines;
    if (tag != kOtherActivities)
        lines += projects.lines();
    if (tag != kProjects)
        lines += otherActivities.lines();
    lines.removeAll(QString());
    if (tag == kEntryKey)
        RemoveFirstPause(lines);
    if (tag == kProjectOverview && !lines.isEmpty())
        lines.prepend(u"00-Alle=Alle Tätigkeiten"_s);
    return StringList(lines);
}

} // namespace

QString Caption(int tag)
{
    switch (tag) {
    case kProjects:
        return u"  Projekte"_s;
    case kOtherActivities:
        return u"  Sonstige Tätigkeiten"_s;
    default:
        return u"  Projekte und Sonstige Tätigkeiten"_s;
    }
}

StringList BuildList(const BaseDataStore& store, int tag)
{
    return Assemble(store.load(KoravFile::kProjects), store.load(KoravFile::kOtherActivities), tag);
}

StringList BuildList(const BaseDataStore& store, int tag, const ActivityListEditor& open)
{
    if (open.mode() == ActivityListEditor::Mode::Projects)
        return Assemble(open.list(), store.load(KoravFile::kOtherActivities), tag);
    return Assemble(store.load(KoravFile::kProjects), open.list(), tag);
}

QStringList Rows(const StringList& list, QStringView search)
{
    const QString needle = search.left(kMaxSearch).toString();
    QStringList rows;
    for (const QString& line : list.lines()) {
        if (needle.isEmpty() || SearchForm(line).contains(needle, Qt::CaseInsensitive))
            rows.append(line);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const QString& a, const QString& b) {
        return StringList::KeyOf(a).compare(StringList::KeyOf(b), Qt::CaseInsensitive) < 0;
    });
    return rows;
}

} // namespace ActivityChooser
