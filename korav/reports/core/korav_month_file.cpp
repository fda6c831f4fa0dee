#include "korav/reports/core/korav_month_file.h"

#include "common/file_store.h"
#include "common/fixed_width.h"
#include "korav/reports/core/report_names.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace KoravMonthFile {

namespace {

constexpr int kReadLimit = 960;
constexpr int kKeyWidth = 14;
constexpr QStringView kEntryEnd = u"####";

QString YearMonth(int year, int month)
{
    return FixedWidth::FourDigits(year) + FixedWidth::TwoDigits(month);
}

QString DateDigits(QDate date)
{
    return FixedWidth::FourDigits(date.year()) + FixedWidth::TwoDigits(date.month())
        + FixedWidth::TwoDigits(date.day());
}

QString RecordLine(const QString& key, const QString& value)
{
    return key.left(23) + u'=' + value.left(936);
}

void SetRecord(StringList& lines, const QString& key, const QString& value)
{
    const qsizetype i = lines.indexOfKey(key);
    if (i < 0)
        lines.append(RecordLine(key, value));
    else
        lines.replace(i, StringList::KeyOf(lines.at(i)) + u'=' + value.left(936));
}

QString EntryFromText(QStringView text)
{
    const QStringView entry = text.left(27);
    const QString key = entry.mid(13).left(kKeyWidth).toString();
    return key + u'=' + FixedWidth::Right(entry.left(8).toString(), 8)
        + FixedWidth::Right(entry.mid(8, 5).toString(), 5) + key;
}

} // namespace

QString CollectionFolder(const QString& dataRoot, int year, int month)
{
    return dataRoot + u"auswtg/"_s + YearMonth(year, month) + u'/';
}

QString PrepareMonthFolder(const QString& dataRoot, int year, int month)
{
    const QString folder = CollectionFolder(dataRoot, year, month);
    if (QDir().mkpath(folder))
        return folder;
    const QString fallback = dataRoot + u"ausw/"_s;
    QDir().mkpath(fallback);
    return fallback;
}

QString FileName(int year, int month, const QString& personnelNumber)
{
    return u"az"_s + YearMonth(year, month) + personnelNumber.left(12) + u"mon.kvd"_s;
}

QString PelinFileName(int year, int month, const QString& personnelNumber)
{
    return u"az"_s + YearMonth(year, month) + personnelNumber.left(12) + u".kvd"_s;
}

QString MonthKey(int year, int month, const QString& personnelNumber)
{
    return u"az"_s + YearMonth(year, month) + personnelNumber.left(12);
}

QString EntryKey(int year, int month, const QString& personnelNumber)
{
    return u"pz"_s + YearMonth(year, month) + personnelNumber.left(12);
}

QString MonthLineValue(
    QDate saved, const QString& hoursText, const QString& minutesText, const QString& remark)
{
    return DateDigits(saved) + FixedWidth::Right(hoursText, 3) + FixedWidth::Right(minutesText, 2)
        + u"----------------"_s + remark.left(60);
}

QString EntryLineValue(const QStringList& entries)
{
    QString value;
    for (const QString& entry : entries.mid(0, kMaxStoredEntries))
        value += StringList::ValueOf(entry) + kEntryEnd;
    return value;
}

QString NewEntry(const QString& key, QDate made, const QString& duration)
{
    const QString shortKey = key.left(kKeyWidth);
    return shortKey + u'=' + DateDigits(made) + FixedWidth::Right(duration, 5) + shortKey;
}

QString EntryDuration(const QString& entry)
{
    return StringList::ValueOf(entry).mid(8, 5);
}

QStringList ParseEntryValue(QStringView value)
{
    QStringList entries;
    const QStringView scanned = value.left(kReadLimit);
    qsizetype start = 0;
    for (qsizetype end = scanned.indexOf(kEntryEnd); end >= 0; end = scanned.indexOf(kEntryEnd, start)) {
        entries.append(EntryFromText(scanned.mid(start, end - start)));
        start = end + kEntryEnd.size();
    }
    return entries;
}

MonthRecord ReadMonth(const StringList& fileLines, int year, int month, const QString& personnelNumber)
{
    MonthRecord record;
    const QString monthValue = fileLines.value(MonthKey(year, month, personnelNumber)).left(kReadLimit);
    if (!monthValue.isEmpty()) {
        record.hoursText = monthValue.mid(8, 3);
        record.minutesText = monthValue.mid(11, 2);
        record.remark = monthValue.mid(29, 60);
    }
    record.entries = ParseEntryValue(fileLines.value(EntryKey(year, month, personnelNumber)));
    return record;
}

void StoreMonth(StringList& fileLines, int year, int month, const QString& personnelNumber, QDate saved,
    const MonthRecord& record)
{
    SetRecord(fileLines, MonthKey(year, month, personnelNumber),
        MonthLineValue(saved, record.hoursText, record.minutesText, record.remark));
    const QString entryKey = EntryKey(year, month, personnelNumber);
    if (!record.entries.isEmpty()) {
        SetRecord(fileLines, entryKey, EntryLineValue(record.entries));
        return;
    }
    // Every line of the key goes, or an older line would come back as the
    // month's entries.
    for (qsizetype i = fileLines.indexOfKey(entryKey); i >= 0; i = fileLines.indexOfKey(entryKey))
        fileLines.removeAt(i);
}

StringList LoadLines(const QString& path)
{
    const std::optional<TextFile> file = FileStore::ReadText(path);
    return file ? StringList::FromText(file->text) : StringList();
}

bool SaveLines(const QString& path, const StringList& lines, QString* error)
{
    return FileStore::WriteText(path, lines.toText(), TextEncoding::Utf8WithBom, error);
}

} // namespace KoravMonthFile
