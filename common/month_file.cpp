#include "common/month_file.h"

#include "common/working_time.h"

using namespace Qt::StringLiterals;

namespace MonthFile {

namespace {

constexpr int kKeyWidth = 23;
constexpr int kValueWidth = 936;
constexpr int kReadWidth = 960;
constexpr int kActivityWidth = 14;
const QString kFiller = u"----------------"_s;
const QString kEntryEnd = u"####"_s;

// "%N.Ns": cut to N characters, right-aligned in N.
QString Field(const QString& text, int width)
{
    return text.left(width).rightJustified(width, u' ');
}

// Keys are built for every day of every month a report reads; formatting
// the digits by hand keeps that cheap.
QString Digits(int value, int width)
{
    if (value < 0)
        return u"%1"_s.arg(value, width, 10, QChar(u'0'));
    QString text(width, u'0');
    for (int i = width - 1; i >= 0 && value > 0; --i, value /= 10)
        text[i] = QChar(char16_t(u'0' + value % 10));
    if (value > 0)
        return QString::number(value) + text;
    return text;
}

QString RecordKey(QStringView prefix, QDate day, const QString& personnelNumber)
{
    return prefix % Digits(day.year(), 4) % Digits(day.month(), 2) % Digits(day.day(), 2)
        % personnelNumber.left(12);
}

} // namespace

QString FileName(int year, int month, const QString& personnelNumber)
{
    return u"az"_s % Digits(year, 4) % Digits(month, 2) % personnelNumber.left(12) % u".kvd"_s;
}

QString DayKey(QDate day, const QString& personnelNumber)
{
    return RecordKey(u"az", day, personnelNumber);
}

QString ActivityKey(QDate day, const QString& personnelNumber)
{
    return RecordKey(u"pz", day, personnelNumber);
}

QString RecordLine(const QString& key, const QString& value)
{
    return key.left(kKeyWidth) % u'=' % value.left(kValueWidth);
}

QString DateText(QDate date)
{
    return Digits(date.year(), 4) % Digits(date.month(), 2) % Digits(date.day(), 2);
}

QString FormatDayValue(const DayRecord& record)
{
    return record.writeDate.left(8) % Field(record.comeHour, 2) % Field(record.comeMinute, 2)
        % Field(record.goHour, 2) % Field(record.goMinute, 2) % kFiller % record.remark.left(kRemarkWidth);
}

DayRecord ParseDayValue(QStringView value)
{
    value = value.left(kReadWidth);
    return DayRecord { value.mid(0, 8).toString(), value.mid(8, 2).toString(), value.mid(10, 2).toString(),
        value.mid(12, 2).toString(), value.mid(14, 2).toString(), value.mid(32, kRemarkWidth).toString() };
}

int ActivityEntry::minutes() const
{
    return DurationTextMinutes(duration);
}

QString ActivityEntry::text() const
{
    return date.left(8) % duration.left(5) % activity.left(kActivityWidth);
}

QString FormatActivityValue(const QList<ActivityEntry>& entries)
{
    QString value;
    for (const ActivityEntry& entry : entries.first(qMin(entries.size(), qsizetype(kMaxStoredEntries))))
        value += entry.text() % kEntryEnd;
    return value;
}

QList<ActivityEntry> ParseActivityValue(QStringView value)
{
    value = value.left(kReadWidth);
    QList<ActivityEntry> entries;
    qsizetype start = 0;
    for (qsizetype end = value.indexOf(kEntryEnd); end >= 0; end = value.indexOf(kEntryEnd, start)) {
        const QStringView entry = value.sliced(start, end - start);
        entries.append({ entry.mid(0, 8).toString(), entry.mid(8, 5).toString(),
            entry.mid(13, kActivityWidth).toString() });
        start = end + kEntryEnd.size();
    }
    return entries;
}

QString DurationText(const QString& hourField, const QString& minuteField)
{
    QString text = Field(hourField, 3) % Field(minuteField, 2);
    for (int i = 0; i < 2; ++i) {
        if (text[i] == u' ')
            text[i] = u'0';
    }
    return text;
}

} // namespace MonthFile
