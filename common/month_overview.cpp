#include "common/month_overview.h"

#include "common/activity_description.h"
#include "common/calendar_dates.h"
#include "common/calendar_names.h"
#include "common/fixed_width.h"

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QChar kZero(u'0');

QString Underscores()
{
    return u" "_s + QString(119, u'_');
}
QString GreyLine()
{
    return u" "_s + QString(119, QChar(0x2584));
}

// "%3i:%2.2i" of a value that is not negative here.
QString ThreeWide(int minutes)
{
    return u"%1:%2"_s.arg(minutes / 60, 3).arg(std::abs(minutes % 60), 2, 10, kZero);
}

QString WeekdayShort(QDate date)
{
    return WeekdayName(WeekdayOf(date)).left(2) + u',';
}

QString Description(const MonthOverviewInput& in, const QString& number)
{
    return ListedDescription(in.activities, number)
        .value_or(in.layout == OverviewLayout::Viewer ? QString() : NotInListNote());
}

QString DayLine(QDate date, const OverviewDay& day, int attendance)
{
    const QString head = u" "_s + WeekdayShort(date).left(3) + u" "_s + u"%1."_s.arg(date.day(), 2);
    const DayTimes& t = day.record.times;
    if (!t.hasCome)
        return head + u"  ---"_s;
    const QString times = u"%1:%2 - %3:%4"_s.arg(t.come.hour, 2)
                              .arg(t.come.minute, 2, 10, kZero)
                              .arg(t.go.hour, 2)
                              .arg(t.go.minute, 2, 10, kZero);
    const bool wideHour = t.come.hour >= 10;
    return head + (wideHour ? u"  "_s : u" "_s) + times + (wideHour ? u"   "_s : u"    "_s)
        + FixedWidth::Left(day.remark, 60) + u"   "_s + ThreeWide(attendance);
}

QString OpenText(int working, int assigned)
{
    return working == assigned ? u"    ---"_s : SignedFourWide(working - assigned);
}

QString Totals(const QString& line, int lineWidth, int working, int assigned)
{
    return line.left(lineWidth) + u"  "_s + FixedWidth::Right(ThreeWide(working), 6).left(6) + u"  "_s
        + FixedWidth::Right(ThreeWide(assigned), 6).left(6) + u"  "_s
        + FixedWidth::Right(OpenText(working, assigned), 7).left(7);
}

void AppendSeparator(QStringList& body, QDate date, OverviewLayout layout)
{
    const int weekday = WeekdayOf(date);
    const bool pelin = layout == OverviewLayout::Pelin;
    if (weekday == 6) {
        body << QString();
        if (pelin)
            body << QString();
        body << GreyLine();
    } else if (weekday == 1) {
        if (pelin)
            body << QString();
        body << GreyLine() << QString();
    } else {
        body << Underscores();
    }
}

QStringList Head(const MonthOverviewInput& in)
{
    const QString stand = u"%1.%2.%3 %4:%5"_s.arg(in.standDate.day(), 2, 10, kZero)
                              .arg(in.standDate.month(), 2, 10, kZero)
                              .arg(in.standDate.year(), 4, 10, kZero)
                              .arg(in.standTime.hour(), 2, 10, kZero)
                              .arg(in.standTime.minute(), 2, 10, kZero);
    const QString monthLine = in.layout == OverviewLayout::Viewer
        ? u" Monat : %1 / %2   Mitarbeiter(in) : %3    Stand: %4"_s.arg(in.month, 2)
              .arg(in.year, 4, 10, kZero)
              .arg(in.employeeName, in.standText.left(16))
        : u" Monat %1/%2   %3        Stand: %4"_s.arg(in.month, 2)
              .arg(in.year, 4, 10, kZero)
              .arg(in.employeeName.left(30), stand);
    return {
        QString(),
        monthLine,
        Underscores(),
        QString(),
        u" Tag      Anwesenheit     Bemerkung                                                     Einzel-  Tagessummen"_s,
        u"          Schlüssel-Nr.   Beschreibung                                                  zeiten   Arbeit Zugeord.   Offen"_s,
    };
}

// The record as it counts towards the totals: the viewer leaves out entries
// whose key it cannot describe.
DayWork CountedRecord(const DayWork& record, const MonthOverviewInput& in)
{
    if (in.layout == OverviewLayout::Pelin)
        return record;
    DayWork counted = record;
    counted.entries.removeIf(
        [&](const BookedMinutes& entry) { return in.activities.indexOfKey(entry.activityNumber) < 0; });
    return counted;
}

} // namespace

QString SignedFourWide(int minutes)
{
    const int absolute = std::abs(minutes);
    QString text = u"%1:%2"_s.arg(absolute / 60, 4).arg(absolute % 60, 2, 10, kZero);
    if (minutes >= 0)
        return text;
    if (text.at(1) == u' ')
        text[1] = u'-';
    else if (text.at(0) == u' ')
        text[0] = u'-';
    else
        text.prepend(u'-');
    return text;
}

MonthOverview BuildMonthOverview(const MonthOverviewInput& in)
{
    MonthOverview overview;
    overview.head = Head(in);
    const PauseActivities pauses(in.activities);
    const int lineWidth = in.layout == OverviewLayout::Viewer ? 95 : 100;
    QList<DayWork> records;
    for (int day = 1; day <= DaysInMonth(in.year, in.month); ++day) {
        const QDate date(in.year, in.month, day);
        const OverviewDay entry = day <= in.days.size() ? in.days.at(day - 1) : OverviewDay {};
        const DayWork counted = CountedRecord(entry.record, in);
        records.append(counted);
        AppendSeparator(overview.body, date, in.layout);
        const DayValues values = ComputeDayValues(counted, pauses);
        const QString line = DayLine(date, entry, values.attendance);
        overview.body << (values.working() > 0 ? Totals(line, lineWidth, values.working(), values.assigned)
                                               : line);
        if (!entry.record.entries.isEmpty()) {
            overview.body << QString();
            for (const BookedMinutes& activity : entry.record.entries)
                overview.body << u"          "_s + FixedWidth::Left(activity.activityNumber, 14) + u"  "_s
                        + FixedWidth::Left(Description(in, activity.activityNumber), 60) + u"   "_s
                        + ThreeWide(activity.minutes);
        }
    }
    const MonthValues month = ComputeMonthValues(records, pauses, in.personalTarget);
    const QString blank64(64, u' ');
    const QString fullTime = in.fullTimeTarget < 1 ? u"---"_s : ThreeWide(in.fullTimeTarget) + u' ';
    const QString personal = in.personalTarget < 1 ? u"---"_s : ThreeWide(in.personalTarget);
    overview.monthDifference = month.actual() - in.personalTarget;
    overview.body << Underscores()
                  << u"                               "_s + blank64 + u"  Arbeit Zugeord.   Offen"_s
                  << QString()
                  << u"          Monatssummen         "_s + blank64 + u"  "_s
            + FixedWidth::Right(ThreeWide(month.actual()), 6).left(6) + u"  "_s
            + FixedWidth::Right(ThreeWide(month.assigned), 6).left(6) + u"  "_s
            + FixedWidth::Right(month.open() == 0 ? u"    ---"_s : SignedFourWide(month.open()), 7).left(7)
                  << u"          Arbeitszeit Soll   ("_s + FixedWidth::Right(in.degree.left(5), 5)
            + u"% von "_s + FixedWidth::Right(fullTime.left(7), 7) + u")   "_s + QString(43, u' ') + u"  "_s
            + FixedWidth::Right(personal, 6).left(6)
                  << u"          Arbeitszeit Ist-Soll "_s + blank64 + u" "_s
            + FixedWidth::Right(SignedFourWide(overview.monthDifference), 7).left(7)
                  << Underscores();
    return overview;
}

QString OverviewFileName(
    const QString& personnelNumber, int month, int year, QDate standDate, QTime standTime)
{
    return u"pelin_%1_%2_%3__%4%5%6_%7h%8.txt"_s.arg(personnelNumber.left(13))
        .arg(month, 2, 10, kZero)
        .arg(year, 4, 10, kZero)
        .arg(standDate.day(), 2, 10, kZero)
        .arg(standDate.month(), 2, 10, kZero)
        .arg(standDate.year(), 4, 10, kZero)
        .arg(standTime.hour(), 2, 10, kZero)
        .arg(standTime.minute(), 2, 10, kZero);
}

QString OverviewFileText(const MonthOverview& overview)
{
    return StringList(overview.head + overview.body).toText();
}
