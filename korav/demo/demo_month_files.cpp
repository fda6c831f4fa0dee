#include "korav/demo/demo_month_files.h"

#include "common/holiday_calendar.h"
#include "common/messenger.h"
#include "common/working_time.h"
#include "korav/demo/demo_activities.h"
#include "korav/demo/demo_month.h"
#include "korav/demo/demo_random.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QList<QDate> DemoMonths(QDate today, int count)
{
    QList<QDate> months;
    const QDate current(today.year(), today.month(), 1);
    for (int back = count; back >= 1; --back)
        months.append(current.addMonths(-back));
    return months;
}

// PELIN saves a month file at log-out; the demo dates every file to the
// evening of its month's last day, so that the collection stamps come from
// the files' content and not from the moment the demo ran.
bool StampMonthFile(const QString& path, QDate month)
{
    QFile file(path);
    if (!file.open(QIODevice::Append))
        return false;
    const QDateTime evening(QDate(month.year(), month.month(), month.daysInMonth()), QTime(18, 0));
    return file.setFileTime(evening, QFileDevice::FileModificationTime);
}

// Two to four projects, and a usual day's work after the employment degree.
DemoWorkPattern PatternOf(const DemoEmployee& employee, DemoRandom& random)
{
    QList<DemoActivities::Activity> projects = DemoActivities::Projects();
    DemoWorkPattern pattern;
    const int count = random.between(2, 4);
    while (pattern.projects.size() < count)
        pattern.projects.append(projects.takeAt(random.below(int(projects.size()))).number);
    pattern.dailyTarget = DemoDailyTarget(employee);
    pattern.workMinutes = PersonalTarget(employee.master.degree, kDemoFirmDailyTarget) / 5 * 5;
    return pattern;
}

} // namespace

bool WriteDemoMonthFiles(const QList<DemoEmployee>& staff, const QString& timeFolder, QDate today, int months,
    const HolidaySettings& holidays, const DemoRandom& random, Messenger& messenger)
{
    for (qsizetype i = 0; i < staff.size(); ++i) {
        const DemoEmployee& employee = staff.at(i);
        DemoRandom own = random.fork(quint64(1000 + i));
        const DemoWorkPattern pattern = PatternOf(employee, own);
        for (const QDate month : DemoMonths(today, months)) {
            MonthList list = DemoMonth(month.year(), month.month(), employee.master.personnelNumber, pattern,
                HolidayCalendar(holidays, month.year()), own);
            QString error;
            if (!list.save(timeFolder, &error)
                || !StampMonthFile(timeFolder + u'/' + list.fileName(), month)) {
                messenger.show(
                    u"Datei %1 konnte nicht geschrieben werden: %2  "_s.arg(list.fileName(), error));
                return false;
            }
        }
    }
    return true;
}
