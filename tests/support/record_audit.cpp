#include "tests/support/record_audit.h"

#include "common/file_store.h"
#include "common/string_list.h"

using namespace Qt::StringLiterals;

std::optional<MonthRecords> ReadMonthRecords(const QString& path)
{
    const std::optional<TextFile> file = FileStore::ReadText(path);
    if (!file)
        return std::nullopt;
    MonthRecords records;
    const StringList lines = StringList::FromText(file->text);
    for (const QString& line : lines.lines()) {
        if (line.isEmpty())
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            return std::nullopt;
        records.insert(line.left(equals), line.mid(equals + 1));
    }
    return records;
}

QStringList LostRecords(const QString& path, const MonthRecords& expected)
{
    const std::optional<MonthRecords> found = ReadMonthRecords(path);
    if (!found)
        return { u"%1: no month file"_s.arg(path) };
    QStringList lost;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (!found->contains(it.key()))
            lost.append(u"%1: %2 missing"_s.arg(path, it.key()));
        else if (found->value(it.key()) != it.value())
            lost.append(u"%1: %2 changed to %3"_s.arg(path, it.key(), found->value(it.key())));
    }
    return lost;
}
