#include "common/month_file.h"

#include "common/fixed_width.h"
#include "common/key_index.h"
#include "common/working_time.h"

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace MonthFile {

namespace {

constexpr int kKeyWidth = 23;
constexpr int kValueWidth = 936;
constexpr int kReadWidth = 960;
const QString kFiller = u"----------------"_s;
const QString kEntryEnd = u"####"_s;

QString RecordKey(QStringView prefix, QDate day, const QString& personnelNumber)
{
    return prefix % FixedWidth::Digits(day.year(), 4) % FixedWidth::Digits(day.month(), 2)
        % FixedWidth::Digits(day.day(), 2) % personnelNumber.left(12);
}

bool EntryEndAt(QStringView value, qsizetype at)
{
    return value[at] == u'#' && value[at + 1] == u'#' && value[at + 2] == u'#' && value[at + 3] == u'#';
}

// The next "####" from `from`. Four neighbouring places always include one
// of every fourth place, so looking at every fourth character finds each
// run; only around a '#' are the places of a run's start tried in order.
qsizetype EntryEnd(QStringView value, qsizetype from)
{
    const qsizetype last = value.size() - kEntryEnd.size();
    for (qsizetype probe = from + 3; probe < value.size(); probe += 4) {
        if (value[probe] != u'#')
            continue;
        for (qsizetype at = std::max(from, probe - 3); at <= probe && at <= last; ++at) {
            if (EntryEndAt(value, at))
                return at;
        }
    }
    return -1;
}

bool IsLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// The next CR or LF from `from`, else the end. Four characters are tested
// at a time: a word without any character below 14, nearly every word of a
// month file, is passed with one test ("has less" of the bit hacks).
qsizetype NextLineBreak(QStringView text, qsizetype from)
{
    constexpr quint64 kOnes = 0x0001000100010001ULL;
    const char16_t* chars = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = from;
    for (; i + 4 <= n; i += 4) {
        quint64 word = 0;
        std::memcpy(&word, chars + i, sizeof word);
        if (((word - kOnes * 14) & ~word & (kOnes * 0x8000)) == 0)
            continue;
        for (qsizetype k = i; k < i + 4; ++k) {
            if (IsLineBreak(chars[k]))
                return k;
        }
    }
    for (; i < n; ++i) {
        if (IsLineBreak(chars[i]))
            return i;
    }
    return n;
}

// The day named by the two digits at `at`; 0 when they are none or name no
// day of the month.
int DayDigits(QStringView key, qsizetype at, int days)
{
    const char16_t tens = key[at].unicode();
    const char16_t ones = key[at + 1].unicode();
    if (tens < u'0' || tens > u'9' || ones < u'0' || ones > u'9')
        return 0;
    const int day = (tens - u'0') * 10 + (ones - u'0');
    return day <= days ? day : 0;
}

// Folds the key's ASCII letters while comparing it with the case-folded
// reference, the day digits at `at` aside. Plain ASCII keys, nearly all of
// them, are decided here without building a folded copy; a false for a key
// with other characters only means that it must be folded whole.
bool SameFoldedAscii(QStringView key, QStringView reference, qsizetype at)
{
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (i == at) {
            ++i;
            continue;
        }
        char16_t c = key[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c += u'a' - u'A';
        if (c != reference[i].unicode())
            return false;
    }
    return true;
}

// The day a folded key names when it is `reference` but for the two day
// digits at `at`; 0 for any other key.
int DayOfKey(QStringView key, QStringView reference, qsizetype at, int days)
{
    if (key.size() != reference.size() || key.first(at) != reference.first(at)
        || key.sliced(at + 2) != reference.sliced(at + 2))
        return 0;
    return DayDigits(key, at, days);
}

} // namespace

QString FileName(int year, int month, const QString& personnelNumber)
{
    return u"az"_s % FixedWidth::Digits(year, 4) % FixedWidth::Digits(month, 2) % personnelNumber.left(12)
        % u".kvd"_s;
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
    return FixedWidth::Digits(date.year(), 4) % FixedWidth::Digits(date.month(), 2)
        % FixedWidth::Digits(date.day(), 2);
}

QString FormatDayValue(const DayRecordText& record)
{
    return record.writeDate.left(8) % FixedWidth::Right(record.comeHour, 2)
        % FixedWidth::Right(record.comeMinute, 2) % FixedWidth::Right(record.goHour, 2)
        % FixedWidth::Right(record.goMinute, 2) % kFiller % record.remark.left(kRemarkWidth);
}

DayRecordText ParseDayValue(QStringView value)
{
    value = value.left(kReadWidth);
    const DayClockViews clock = DayClockFields(value);
    return DayRecordText { value.mid(0, 8).toString(), clock.comeHour.toString(), clock.comeMinute.toString(),
        clock.goHour.toString(), clock.goMinute.toString(), value.mid(32, kRemarkWidth).toString() };
}

DayClockViews DayClockFields(QStringView value)
{
    value = value.left(kReadWidth);
    return DayClockViews { value.mid(8, 2), value.mid(10, 2), value.mid(12, 2), value.mid(14, 2) };
}

int ActivityEntryText::minutes() const
{
    return DurationTextMinutes(duration);
}

QString ActivityEntryText::text() const
{
    return date.left(8) % duration.left(5) % activity.left(kActivityWidth);
}

QString FormatActivityValue(const QList<ActivityEntryText>& entries)
{
    QString value;
    for (const ActivityEntryText& entry : entries.first(qMin(entries.size(), qsizetype(kMaxStoredEntries))))
        value += entry.text() % kEntryEnd;
    return value;
}

QList<ActivityEntryText> ParseActivityValue(QStringView value)
{
    QList<ActivityEntryText> entries;
    for (const ActivityEntryView& entry : ActivityEntryViews(value))
        entries.append({ entry.date.toString(), entry.duration.toString(), entry.activity.toString() });
    return entries;
}

QVarLengthArray<ActivityEntryView, kMaxStoredEntries> ActivityEntryViews(QStringView value)
{
    value = value.left(kReadWidth);
    QVarLengthArray<ActivityEntryView, kMaxStoredEntries> entries;
    qsizetype start = 0;
    for (qsizetype end = EntryEnd(value, 0); end >= 0; end = EntryEnd(value, start)) {
        const QStringView entry = value.sliced(start, end - start);
        entries.append({ entry.mid(0, 8), entry.mid(8, 5), entry.mid(13, kActivityWidth) });
        start = end + kEntryEnd.size();
    }
    return entries;
}

MonthRecords::MonthRecords(QStringView text, int year, int month, const QString& personnelNumber)
{
    const QDate first(year, month, 1);
    days_ = first.daysInMonth();
    dayAt_ = DateText(first).size();
    dayKey_ = FoldedKey(DayKey(first, personnelNumber));
    activityKey_ = FoldedKey(ActivityKey(first, personnelNumber));
    // A key ends at the first "=": a record key holding one is never found.
    if (days_ == 0 || dayKey_.contains(u'='))
        return;
    // Line ends as StringList::FromText finds them: CR LF, lone CR, lone LF.
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = NextLineBreak(text, start);
        readLine(text.sliced(start, end - start));
        if (end == text.size())
            return;
        start = end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
    }
}

void MonthRecords::readLine(QStringView line)
{
    const qsizetype width = dayKey_.size();
    if (line.size() > width && line[width] == u'=') {
        const QStringView key = line.first(width);
        const QStringView value = line.sliced(width + 1);
        if (SameFoldedAscii(key, dayKey_, dayAt_))
            return keep(dayValues_, DayDigits(key, dayAt_, days_), value);
        if (SameFoldedAscii(key, activityKey_, dayAt_))
            return keep(activityValues_, DayDigits(key, dayAt_, days_), value);
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0 || IsAscii(line.first(eq)))
        return;
    const QString key = FoldedKey(line.first(eq));
    const QStringView value = line.sliced(eq + 1);
    keep(dayValues_, DayOfKey(key, dayKey_, dayAt_, days_), value);
    keep(activityValues_, DayOfKey(key, activityKey_, dayAt_, days_), value);
}

void MonthRecords::keep(Values& values, int day, QStringView value)
{
    if (day > 0 && !values[std::size_t(day)])
        values[std::size_t(day)] = value;
}

QStringView MonthRecords::found(const Values& values, int day) const
{
    if (day < 1 || day > days_)
        return {};
    return values[std::size_t(day)].value_or(QStringView());
}

QString DurationText(const QString& hourField, const QString& minuteField)
{
    QString text = FixedWidth::Right(hourField, 3) % FixedWidth::Right(minuteField, 2);
    for (int i = 0; i < 2; ++i) {
        if (text[i] == u' ')
            text[i] = u'0';
    }
    return text;
}

} // namespace MonthFile
