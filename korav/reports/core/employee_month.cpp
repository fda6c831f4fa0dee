#include "korav/reports/core/employee_month.h"

#include "common/month_file.h"
#include "common/month_list.h"
#include "common/number_parse.h"
#include "common/working_time.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/month_sums.h"

#include <QFileInfo>
#include <QHash>

#include <QSet>
#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr int kActivityReadWidth = 960;

QString StandOf(const QString& path)
{
    const QDateTime written = QFileInfo(path).lastModified();
    return written.isValid() ? written.toString(u"dd.MM.yyyy hh:mm"_s) : u"n.vorh."_s;
}

int Slots(const QString& hour, const QString& minute)
{
    return SlotsOf({ ParseDecimalInt(hour), ParseDecimalInt(minute) });
}

int DayAttendance(const QString& dayValue)
{
    if (dayValue.isEmpty())
        return 0;
    const MonthFile::DayRecord day = MonthFile::ParseDayValue(dayValue);
    return std::abs(Slots(day.goHour, day.goMinute) - Slots(day.comeHour, day.comeMinute)) * 5;
}

// The month's records by key, letter case ignored, the first line of a key
// winning as in the list lookups; a month is read once, not per day.
class RecordIndex {
public:
    explicit RecordIndex(const StringList& lines)
    {
        for (const QString& line : lines.lines()) {
            const qsizetype eq = line.indexOf(u'=');
            if (eq < 0)
                continue;
            const QString key = line.left(eq).toCaseFolded();
            if (!values_.contains(key))
                values_.insert(key, line.mid(eq + 1));
        }
    }

    QString value(const QString& key) const { return values_.value(key.toCaseFolded()); }

private:
    QHash<QString, QString> values_;
};

// The activity keys of the list, letter case ignored, for a look-up per entry.
QSet<QString> KnownKeys(const StringList& projects)
{
    QSet<QString> keys;
    for (const QString& line : projects.lines())
        if (line.contains(u'='))
            keys.insert(StringList::KeyOf(line).toCaseFolded());
    return keys;
}

void AddPelinDay(EmployeeMonth& m, const QString& dayValue, const QString& activityValue,
    const QSet<QString>& knownKeys, const PauseActivities& pauses)
{
    const int attendance = DayAttendance(dayValue);
    int pause = 0;
    int known = 0;
    for (const MonthFile::ActivityEntry& entry :
        MonthFile::ParseActivityValue(activityValue.left(kActivityReadWidth))) {
        const int minutes = DurationTextMinutes(entry.duration);
        const bool isPause = pauses.contains(entry.activity);
        if (isPause)
            pause += minutes;
        else if (knownKeys.contains(entry.activity.toCaseFolded()))
            known += minutes;
        if (!isPause)
            m.activities.add(entry.activity, minutes);
    }
    if (attendance - pause > 0)
        m.open += attendance - pause - known;
    m.attendance += attendance;
    m.pause += pause;
    m.known += known;
}

void EvaluatePelinFile(
    EmployeeMonth& m, const MonthList& list, const QString& personnelNumber, const StringList& projects)
{
    const PauseActivities pauses(projects);
    const QSet<QString> knownKeys = KnownKeys(projects);
    const RecordIndex records(list.lines());
    const QDate first(list.year(), list.month(), 1);
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        const QDate date(list.year(), list.month(), day);
        AddPelinDay(m, records.value(MonthFile::DayKey(date, personnelNumber)),
            records.value(MonthFile::ActivityKey(date, personnelNumber)), knownKeys, pauses);
    }
}

void EvaluateKoravFile(EmployeeMonth& m, const StringList& lines, const QString& personnelNumber, int year,
    int month, int target)
{
    const KoravMonthTotals totals = KoravMonthSums(lines, personnelNumber, year, month, target);
    m.attendance = totals.working();
    m.known = totals.assigned();
    m.open = totals.open();
    for (const QString& entry : totals.entries()) {
        const QString key = StringList::KeyOf(entry).left(14);
        m.activities.add(key, DurationTextMinutes(StringList::ValueOf(entry).mid(8, 5)));
    }
}

} // namespace

void ActivityMinutes::add(const QString& key, int minutes)
{
    for (Item& item : items_) {
        if (item.key.compare(key, Qt::CaseInsensitive) == 0) {
            item.minutes += minutes;
            return;
        }
    }
    items_.append({ key, minutes });
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

EmployeeMonth EvaluateEmployeeMonth(const QString& dataRoot, const QString& personnelNumber, int year,
    int month, int target, const StringList& projects)
{
    EmployeeMonth m;
    const QString folder = KoravMonthFile::CollectionFolder(dataRoot, year, month);
    MonthList pelin(year, month, personnelNumber);
    const QString pelinPath = folder + pelin.fileName();
    if (QFileInfo::exists(pelinPath)) {
        m.marker = u'D';
        m.stand = StandOf(pelinPath);
        pelin.load(folder);
        m.hasData = !pelin.lines().isEmpty();
        EvaluatePelinFile(m, pelin, personnelNumber, projects);
        return m;
    }
    const QString koravPath = folder + KoravMonthFile::FileName(year, month, personnelNumber);
    if (QFileInfo::exists(koravPath)) {
        m.marker = u'Z';
        m.stand = StandOf(koravPath);
        const StringList lines = KoravMonthFile::LoadLines(koravPath);
        m.hasData = !lines.isEmpty();
        EvaluateKoravFile(m, lines, personnelNumber, year, month, target);
    }
    return m;
}
