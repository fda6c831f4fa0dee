#include "common/month_list.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

MonthList::MonthList(int year, int month, QString personnelNumber)
    : year_(year), month_(month), personnelNumber_(std::move(personnelNumber))
{
}

QString MonthList::fileName() const
{
    return MonthFile::FileName(year_, month_, personnelNumber_);
}

MonthList::LoadResult MonthList::load(const QString& folder)
{
    return loadFrom(QDir(folder).filePath(fileName()));
}

MonthList::LoadResult MonthList::loadFrom(const QString& path)
{
    clear();
    if (!QFileInfo::exists(path))
        return LoadResult::Missing;
    const std::optional<TextFile> file = FileStore::ReadText(path);
    if (!file) {
        writable_ = false;
        return LoadResult::Unreadable;
    }
    lines_ = StringList::FromText(file->text);
    encoding_ = file->encoding;
    return LoadResult::Loaded;
}

bool MonthList::save(const QString& folder, QString* error)
{
    if (!writable_)
        return false;
    TextEncoding used = encoding_;
    if (!FileStore::WriteText(QDir(folder).filePath(fileName()), lines_.toText(), encoding_, error, &used))
        return false;
    encoding_ = used;
    return true;
}

void MonthList::clear()
{
    lines_.clear();
    encoding_ = TextEncoding::Windows1252;
    writable_ = true;
}

QString MonthList::dayKey(int day) const
{
    return MonthFile::DayKey(date(day), personnelNumber_);
}

QString MonthList::activityKey(int day) const
{
    return MonthFile::ActivityKey(date(day), personnelNumber_);
}

QString MonthList::dayValue(int day) const
{
    return lines_.value(dayKey(day));
}

QString MonthList::activityValue(int day) const
{
    return lines_.value(activityKey(day));
}

MonthList::Day MonthList::readDay(int day) const
{
    Day result;
    const QString value = dayValue(day);
    if (!value.isEmpty())
        result.record = MonthFile::ParseDayValue(value);
    // Entries of a day without day record still count: the day shows as
    // incomplete instead of losing its time.
    result.entries = MonthFile::ParseActivityValue(activityValue(day));
    return result;
}

void MonthList::setRecord(const QString& key, const QString& value)
{
    const qsizetype index = lines_.indexOfKey(key);
    const QString line = MonthFile::RecordLine(key, value);
    if (index >= 0)
        lines_.replace(index, line);
    else
        lines_.append(line);
}

void MonthList::notifyChange() const
{
    if (changed_)
        changed_();
}

// Every line of the key goes: with only the first removed, an older line of
// a damaged file would come back as the day's record.
void MonthList::removeRecord(const QString& key)
{
    for (qsizetype index = lines_.indexOfKey(key); index >= 0; index = lines_.indexOfKey(key))
        lines_.removeAt(index);
}

bool MonthList::storeDay(int day, const MonthFile::DayRecordText& fields,
    const QList<MonthFile::ActivityEntryText>& entries, QDate writeDate)
{
    if (fields.comeHour.isEmpty())
        return false;
    MonthFile::DayRecordText record = fields;
    record.writeDate = MonthFile::DateText(writeDate);
    setRecord(dayKey(day), MonthFile::FormatDayValue(record));
    if (entries.isEmpty())
        removeRecord(activityKey(day));
    else
        setRecord(activityKey(day), MonthFile::FormatActivityValue(entries));
    notifyChange();
    return true;
}

void MonthList::deleteDay(int day)
{
    removeRecord(dayKey(day));
    removeRecord(activityKey(day));
    notifyChange();
}

bool MonthList::pasteDay(int day, const QString& dayValue, const QString& activityValue)
{
    if (lines_.hasKey(dayKey(day)) || dayValue.isEmpty())
        return false;
    lines_.append(MonthFile::RecordLine(dayKey(day), dayValue));
    removeRecord(activityKey(day));
    if (!activityValue.isEmpty())
        lines_.append(MonthFile::RecordLine(activityKey(day), activityValue));
    notifyChange();
    return true;
}
