#include "korav/core/activity_list_file.h"

#include "korav/core/base_data_store.h"

#include <algorithm>

namespace ActivityListFile {

namespace {

bool NumberLess(const QString& a, const QString& b)
{
    return StringList::KeyOf(a).compare(StringList::KeyOf(b), Qt::CaseInsensitive) < 0;
}

} // namespace

QString Line(QStringView number, QStringView description)
{
    return number.left(kMaxNumber) + u'=' + description.left(kMaxDescription);
}

StringList Load(const BaseDataStore& store, QStringView fileName)
{
    QStringList lines = store.load(fileName).lines();
    lines.removeAll(QString());
    std::stable_sort(lines.begin(), lines.end(), NumberLess);
    return StringList(lines);
}

void Insert(StringList& list, const QString& line)
{
    const QStringList& lines = list.lines();
    const auto at = std::upper_bound(lines.cbegin(), lines.cend(), line, NumberLess);
    list.insert(at - lines.cbegin(), line);
}

bool Save(const BaseDataStore& store, QStringView fileName, const StringList& file)
{
    return store.save(fileName, file);
}

} // namespace ActivityListFile
