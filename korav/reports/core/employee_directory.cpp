#include "korav/reports/core/employee_directory.h"

#include "korav/reports/core/korav_month_file.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kScanned = 64;

std::optional<QString> Lookup(const StringList& list, const QString& name)
{
    const qsizetype i = list.indexOfKey(name);
    if (i < 0)
        return std::nullopt;
    return StringList::ValueOf(list.at(i));
}

} // namespace

std::optional<QString> EmployeeDirectory::personnelNumber(const QString& name) const
{
    return Lookup(numbers, name);
}

std::optional<QString> EmployeeDirectory::degree(const QString& name) const
{
    return Lookup(degrees, name);
}

std::optional<QString> EmployeeDirectory::shortName(const QString& name) const
{
    return Lookup(shortNames, name);
}

EmployeeDirectory ReadEmployeeDirectory(const StringList& masterData)
{
    EmployeeDirectory directory;
    for (const QString& line : masterData.lines()) {
        const QStringList fields = StringList::ValueOf(line).left(kScanned).split(u'#');
        // split gives one more part than there are "#" marks.
        const qsizetype marks = fields.size() - 1;
        if (marks < 1)
            continue;
        const QString name = fields.at(0).left(30);
        directory.names.append(name);
        if (marks >= 4) {
            directory.numbers.append(name + u'=' + fields.at(1).left(12));
            directory.degrees.append(name + u'=' + fields.at(3).left(5));
            directory.shortNames.append(name + u'=' + StringList::KeyOf(line));
        }
    }
    std::stable_sort(directory.names.begin(), directory.names.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return directory;
}

EmployeeDirectory LoadEmployeeDirectory(const QString& dataRoot)
{
    return ReadEmployeeDirectory(KoravMonthFile::LoadLines(dataRoot + u"zamasta.kvd"_s));
}
