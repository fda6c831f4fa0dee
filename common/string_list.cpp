#include "common/string_list.h"

#include "common/key_index.h"

#include <algorithm>

using namespace Qt::StringLiterals;

StringList::StringList(QStringList lines) : lines_(std::move(lines)) { }

StringList StringList::FromText(QStringView text)
{
    StringList list;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        list.lines_.append(text.mid(start, i - start).toString());
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        list.lines_.append(text.mid(start).toString());
    return list;
}

QString StringList::toText() const
{
    QString text;
    qsizetype total = 0;
    for (const QString& line : lines_)
        total += line.size() + 2;
    text.reserve(total);
    for (const QString& line : lines_) {
        text += line;
        text += u"\r\n"_s;
    }
    return text;
}

void StringList::append(const QString& line)
{
    if (sorted_)
        lines_.insert(sortedInsertPosition(line), line);
    else
        lines_.append(line);
}

void StringList::insert(qsizetype i, const QString& line)
{
    lines_.insert(i, line);
}
void StringList::removeAt(qsizetype i)
{
    lines_.removeAt(i);
}
void StringList::replace(qsizetype i, const QString& line)
{
    lines_.replace(i, line);
}

QString StringList::KeyOf(QStringView line)
{
    const qsizetype eq = line.indexOf(u'=');
    return (eq < 0 ? line : line.left(eq)).toString();
}

QString StringList::ValueOf(QStringView line)
{
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.mid(eq + 1).toString();
}

qsizetype StringList::indexOfKey(QStringView key) const
{
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QStringView line = lines_.at(i);
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0 && SameKey(line.first(eq), key))
            return i;
    }
    return -1;
}

QString StringList::value(QStringView key, const QString& fallback) const
{
    const qsizetype i = indexOfKey(key);
    return i < 0 ? fallback : ValueOf(lines_.at(i));
}

void StringList::setValue(const QString& key, const QString& value)
{
    const QString line = key + u'=' + value;
    const qsizetype i = indexOfKey(key);
    if (i < 0)
        append(line);
    else
        lines_.replace(i, line);
}

void StringList::setSorted(bool sorted)
{
    sorted_ = sorted;
    if (sorted_)
        std::stable_sort(lines_.begin(), lines_.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

qsizetype StringList::sortedInsertPosition(QStringView line) const
{
    const auto it = std::upper_bound(lines_.cbegin(), lines_.cend(), line,
        [](QStringView a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return it - lines_.cbegin();
}
