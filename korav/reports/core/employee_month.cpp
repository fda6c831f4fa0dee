#include "korav/reports/core/employee_month.h"

#include "common/file_store.h"
#include "common/fixed_width.h"
#include "common/key_index.h"
#include "common/month_file.h"
#include "common/number_parse.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/month_sums.h"
#include "korav/reports/core/report_names.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr int kActivityReadWidth = 960;

QString StandText(const QDateTime& written)
{
    if (!written.isValid())
        return u"n.vorh."_s;
    // "dd.MM.yyyy hh:mm" without the cost of a format text
    const QDate date = written.date();
    const QTime time = written.time();
    return FixedWidth::TwoDigits(date.day()) + u'.' + FixedWidth::TwoDigits(date.month()) + u'.'
        + FixedWidth::FourDigits(date.year()) + u' ' + FixedWidth::TwoDigits(time.hour()) + u':'
        + FixedWidth::TwoDigits(time.minute());
}

QString StandOf(const QString& path)
{
    return StandText(QFileInfo(path).lastModified());
}

int Slots(QStringView hour, QStringView minute)
{
    return SlotsOf({ ParseDecimalInt(hour), ParseDecimalInt(minute) });
}

int DayAttendance(QStringView dayValue)
{
    if (dayValue.isEmpty())
        return 0;
    const MonthFile::DayClockViews day = MonthFile::DayClockFields(dayValue);
    return std::abs(Slots(day.goHour, day.goMinute) - Slots(day.comeHour, day.comeMinute)) * 5;
}

void EvaluateKoravFile(EmployeeMonth& m, const StringList& lines, const QString& personnelNumber, int year,
    int month, int target)
{
    const KoravMonthTotals totals = KoravMonthSums(lines, personnelNumber, year, month, target);
    m.attendance = totals.working();
    for (const QString& entry : totals.entries()) {
        const QString key = StringList::KeyOf(entry).left(14);
        m.activities.add(key, DurationTextMinutes(StringList::ValueOf(entry).mid(8, 5)));
    }
}

} // namespace

qsizetype ActivityMinutes::add(const QString& key, int minutes)
{
    for (qsizetype i = 0; i < items_.size(); ++i) {
        if (SameKey(items_[i].key, key)) {
            items_[i].minutes += minutes;
            return i;
        }
    }
    items_.append({ key, minutes });
    return items_.size() - 1;
}

void ActivityMinutes::add(const ActivityMinutes& other)
{
    for (const Item& item : other.items_)
        add(item.key, item.minutes);
}

int ActivityMinutes::total() const
{
    int sum = 0;
    for (const Item& item : items_)
        sum += item.minutes;
    return sum;
}

QList<ActivityMinutes::Item> ActivityMinutes::sorted() const
{
    QList<Item> list = items_;
    const auto text
        = [](const Item& item) -> QString { return item.key + u'=' + QString::number(item.minutes); };
    std::stable_sort(list.begin(), list.end(),
        [&](const Item& a, const Item& b) { return text(a).compare(text(b), Qt::CaseInsensitive) < 0; });
    return list;
}

EmployeeMonthReader::EmployeeMonthReader(QString dataRoot, const StringList& projects)
    : dataRoot_(std::move(dataRoot)), pauses_(projects)
{
}

EmployeeMonth EmployeeMonthReader::read(const QString& personnelNumber, int year, int month, int target)
{
    EmployeeMonth m;
    const QString folder = KoravMonthFile::CollectionFolder(dataRoot_, year, month);
    const QString pelinPath = folder + MonthFile::FileName(year, month, personnelNumber);
    QDateTime written;
    const std::optional<TextFile> pelin = FileStore::ReadText(pelinPath, written);
    if (pelin || QFileInfo::exists(pelinPath)) {
        m.marker = u'D';
        m.stand = written.isValid() ? StandText(written) : StandOf(pelinPath);
        const QString text = pelin ? pelin->text : QString();
        m.hasData = !text.isEmpty();
        readPelinFile(m, text, personnelNumber, year, month);
        return m;
    }
    const QString koravPath = folder + KoravMonthFile::FileName(year, month, personnelNumber);
    if (QFileInfo::exists(koravPath)) {
        m.marker = u'Z';
        m.stand = StandOf(koravPath);
        const StringList lines = KoravMonthFile::LoadLines(koravPath);
        m.hasData = !lines.isEmpty();
        EvaluateKoravFile(m, lines, personnelNumber, year, month, target);
        for (const ActivityMinutes::Item& item : m.activities.items())
            m.holidayMinutes[0] += holidays_.contains(item.key) ? item.minutes : 0;
    }
    return m;
}

void EmployeeMonthReader::readPelinFile(
    EmployeeMonth& m, QStringView text, const QString& personnelNumber, int year, int month)
{
    const MonthFile::MonthRecords records(text, year, month, personnelNumber);
    MonthActivities seen;
    for (int day = 1; day <= records.days(); ++day)
        addPelinDay(m, day, records.dayValue(day), records.activityValue(day), seen);
}

void EmployeeMonthReader::addPelinDay(
    EmployeeMonth& m, int day, QStringView dayValue, QStringView activityValue, MonthActivities& seen)
{
    int pause = 0;
    for (const MonthFile::ActivityEntryView& entry :
        MonthFile::ActivityEntryViews(activityValue.left(kActivityReadWidth))) {
        const int minutes = DurationTextMinutes(entry.duration);
        const MonthActivity& kind = monthActivity(m, entry.activity, seen);
        if (kind.kind == Kind::Pause) {
            pause += minutes;
            continue;
        }
        m.activities.addAt(kind.item, minutes);
        if (kind.kind == Kind::Holiday)
            m.holidayMinutes[std::size_t(day)] += minutes;
    }
    m.attendance += DayAttendance(dayValue);
    m.pause += pause;
}

const EmployeeMonthReader::MonthActivity& EmployeeMonthReader::monthActivity(
    EmployeeMonth& m, QStringView text, MonthActivities& seen)
{
    for (const MonthActivity& known : seen) {
        if (known.text == text)
            return known;
    }
    const Activities::const_iterator kind = activity(text);
    // Taking the item now, with no minutes yet, keeps the order and the
    // spelling of first appearance.
    const qsizetype item = kind.value() == Kind::Pause ? -1 : m.activities.add(kind.key(), 0);
    seen.append({ text, kind.value(), item });
    return seen.last();
}

EmployeeMonthReader::Activities::const_iterator EmployeeMonthReader::activity(QStringView key)
{
    // The look-up key borrows the entry's characters; only a new key is copied.
    const Activities::const_iterator found
        = activities_.constFind(QString::fromRawData(key.data(), key.size()));
    if (found != activities_.cend())
        return found;
    const Kind kind = pauses_.contains(key) ? Kind::Pause
        : holidays_.contains(key)           ? Kind::Holiday
                                            : Kind::Other;
    return activities_.insert(key.toString(), kind);
}
