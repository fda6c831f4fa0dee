#include "korav/reports/core/employee_month.h"

#include "common/month_file.h"
#include "common/month_list.h"
#include "common/number_parse.h"
#include "common/working_time.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/month_sums.h"

#include <QFileInfo>

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

void AddPelinDay(EmployeeMonth& m, const MonthList& list, int day, const StringList& projects,
    const PauseActivities& pauses)
{
    const int attendance = DayAttendance(list.dayValue(day));
    int pause = 0;
    int known = 0;
    for (const MonthFile::ActivityEntry& entry :
        MonthFile::ParseActivityValue(list.activityValue(day).left(kActivityReadWidth))) {
        const int minutes = DurationTextMinutes(entry.duration);
        const bool isPause = pauses.contains(entry.activity);
        if (isPause)
            pause += minutes;
        else if (projects.indexOfKey(entry.activity) >= 0)
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

void EvaluatePelinFile(EmployeeMonth& m, const MonthList& list, const StringList& projects)
{
    const PauseActivities pauses(projects);
    const int days = QDate(list.year(), list.month(), 1).daysInMonth();
    for (int day = 1; day <= days; ++day)
        AddPelinDay(m, list, day, projects, pauses);
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
        EvaluatePelinFile(m, pelin, projects);
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
