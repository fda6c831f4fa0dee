#include "korav/demo/demo_month.h"

#include "common/fixed_width.h"
#include "common/holiday_calendar.h"
#include "korav/demo/demo_activities.h"
#include "korav/demo/demo_random.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kRaster = 5;
constexpr int kEarliestCome = 7 * 60;
constexpr int kMinPart = 15;
constexpr int kSickChance = 2;
constexpr int kFlexiChance = 2;
constexpr int kHolidayWeekChance = 35;
constexpr int kRemarkChance = 12;

const QStringList kRemarks
    = { u"Besprechung mit dem Bauherrn"_s, u"Baustellentermin"_s, u"Homeoffice"_s, u"Abstimmung Statik"_s,
          u"Fahrt nach Hannover"_s, u"Präsentation im Gemeinderat"_s, u"Ortstermin mit Gutachter"_s };

QString Duration(int minutes)
{
    return u"%1%2"_s.arg(minutes / 60, 3, 10, QChar(u'0')).arg(minutes % 60, 2, 10, QChar(u'0'));
}

MonthFile::DayRecordText Times(int come, int go, const QString& remark)
{
    return { {}, FixedWidth::TwoDigits(come / 60), FixedWidth::TwoDigits(come % 60),
        FixedWidth::TwoDigits(go / 60), FixedWidth::TwoDigits(go % 60), remark };
}

// `minutes` (a multiple of the raster) cut into `parts` random pieces of at
// least a quarter of an hour each.
QList<int> Split(int minutes, int parts, DemoRandom& random)
{
    const int spare = (minutes - parts * kMinPart) / kRaster;
    QList<int> cuts { 0, spare };
    for (int i = 1; i < parts; ++i)
        cuts.append(random.between(0, spare));
    std::sort(cuts.begin(), cuts.end());
    QList<int> pieces;
    for (int i = 1; i < cuts.size(); ++i)
        pieces.append(kMinPart + (cuts.at(i) - cuts.at(i - 1)) * kRaster);
    return pieces;
}

// Two to five different activities, mostly the employee's projects.
QStringList DayActivities(const DemoWorkPattern& pattern, int work, DemoRandom& random)
{
    QStringList pool = pattern.projects + DemoActivities::OfficeNumbers();
    const int parts = std::min(random.between(2, 5), work / kMinPart);
    QStringList chosen;
    while (chosen.size() < parts && !pool.isEmpty()) {
        // Projects come first in the pool and are drawn more often.
        const int reach = random.percent(75) ? int(pattern.projects.size()) : int(pool.size());
        const int pick = random.below(std::max(1, std::min(reach, int(pool.size()))));
        chosen.append(pool.takeAt(pick));
    }
    return chosen;
}

class MonthWriter {
public:
    MonthWriter(MonthList& list, const DemoWorkPattern& pattern, DemoRandom& random)
        : list_(list), pattern_(pattern), random_(random)
    {
    }

    void absence(QDate day, const QString& activity)
    {
        const int come = 8 * 60;
        store(day, Times(come, come + pattern_.dailyTarget, QString()),
            { { {}, Duration(pattern_.dailyTarget), activity } });
    }

    void workingDay(QDate day)
    {
        const int come = kEarliestCome + random_.between(0, 24) * kRaster;
        const int work = std::max(2 * 60, pattern_.workMinutes + random_.between(-12, 12) * kRaster);
        const int pause = work > 6 * 60 ? random_.between(6, 12) * kRaster : random_.between(0, 3) * kRaster;
        const QString remark
            = random_.percent(kRemarkChance) ? kRemarks.at(random_.below(int(kRemarks.size()))) : QString();
        const QStringList activities = DayActivities(pattern_, work, random_);
        const QList<int> pieces = Split(work, int(activities.size()), random_);
        QList<MonthFile::ActivityEntryText> entries;
        for (int i = 0; i < activities.size(); ++i)
            entries.append({ {}, Duration(pieces.at(i)), activities.at(i) });
        if (pause > 0)
            entries.insert(1, { {}, Duration(pause), DemoActivities::PauseNumber() });
        store(day, Times(come, come + work + pause, remark), entries);
    }

private:
    void store(QDate day, const MonthFile::DayRecordText& times, QList<MonthFile::ActivityEntryText> entries)
    {
        for (MonthFile::ActivityEntryText& entry : entries)
            entry.date = MonthFile::DateText(day);
        list_.storeDay(day.day(), times, entries, day);
    }

    MonthList& list_;
    const DemoWorkPattern& pattern_;
    DemoRandom& random_;
};

} // namespace

QList<QDate> WorkingDays(int year, int month, const HolidayCalendar& holidays)
{
    QList<QDate> days;
    const QDate first(year, month, 1);
    for (QDate day = first; day.month() == month; day = day.addDays(1)) {
        if (day.dayOfWeek() <= 5 && !holidays.isHoliday(day))
            days.append(day);
    }
    return days;
}

MonthList DemoMonth(int year, int month, const QString& personnelNumber, const DemoWorkPattern& pattern,
    const HolidayCalendar& holidays, DemoRandom& random)
{
    MonthList list(year, month, personnelNumber);
    MonthWriter writer(list, pattern, random);
    const QList<QDate> days = WorkingDays(year, month, holidays);
    qsizetype holidayFrom = days.size();
    if (random.percent(kHolidayWeekChance))
        holidayFrom = random.below(int(days.size()));
    const qsizetype holidayTo = holidayFrom + random.between(2, 5);
    for (qsizetype i = 0; i < days.size(); ++i) {
        const QDate day = days.at(i);
        if (i >= holidayFrom && i < holidayTo)
            writer.absence(day, DemoActivities::HolidayNumber());
        else if (random.percent(kSickChance))
            writer.absence(day, DemoActivities::SickNumber());
        else if (random.percent(kFlexiChance))
            writer.absence(day, DemoActivities::FlexiDayNumber());
        else
            writer.workingDay(day);
    }
    return list;
}
