#include "pelin/core/calendar_navigation.h"

#include "common/calendar_dates.h"
#include "common/calendar_names.h"
#include "common/messenger.h"

using namespace Qt::StringLiterals;

namespace CalendarNavigation {

namespace {

QString OnlyPreviousMonth()
{
    return u"Es kann maximal der Vormonat bearbeitet werden!"_s;
}
QString NoLaterMonths()
{
    return u"Folgemonate können nicht bearbeitet werden!"_s;
}

// The month numbers decide, as the year follows from the step.
bool ShowsPreviousMonth(QDate shown, const PelinDates& dates)
{
    const int month = shown.month();
    const int current = dates.currentMonth.month();
    return month < current || (month == 12 && current == 1);
}

QDate FirstOfPreviousMonth(QDate shown)
{
    return QDate(shown.year(), shown.month(), 1).addMonths(-1);
}
QDate FirstOfNextMonth(QDate shown)
{
    return QDate(shown.year(), shown.month(), 1).addMonths(1);
}

QDate Refuse(QDate shown, const QString& text, Messenger& messenger)
{
    messenger.show(text);
    return shown;
}

} // namespace

QDate PreviousDay(QDate shown, const PelinDates& dates, Messenger& messenger)
{
    if (shown.day() >= 2)
        return shown.addDays(-1);
    if (!dates.inCurrentMonth(shown))
        return Refuse(shown, OnlyPreviousMonth(), messenger);
    return shown.addDays(-1);
}

QDate NextDay(QDate shown, const PelinDates& dates, Messenger& messenger)
{
    if (shown.day() < DaysInMonth(shown.year(), shown.month()))
        return shown.addDays(1);
    if (!ShowsPreviousMonth(shown, dates))
        return Refuse(shown, NoLaterMonths(), messenger);
    return FirstOfNextMonth(shown);
}

QDate PreviousMonth(QDate shown, const PelinDates& dates, Messenger& messenger)
{
    if (!dates.inCurrentMonth(shown))
        return Refuse(shown, OnlyPreviousMonth(), messenger);
    return FirstOfPreviousMonth(shown);
}

QDate NextMonth(QDate shown, const PelinDates& dates, Messenger& messenger)
{
    if (!ShowsPreviousMonth(shown, dates))
        return Refuse(shown, NoLaterMonths(), messenger);
    return FirstOfNextMonth(shown);
}

QDate StepWeek(QDate shown, int weeks, const PelinDates& dates, Messenger& messenger)
{
    const QDate target = shown.addDays(7 * weeks);
    if (target.month() == shown.month())
        return target;
    if (weeks < 0 && !dates.inCurrentMonth(shown))
        return Refuse(shown, OnlyPreviousMonth(), messenger);
    if (weeks > 0 && !ShowsPreviousMonth(shown, dates))
        return Refuse(shown, NoLaterMonths(), messenger);
    return target;
}

} // namespace CalendarNavigation

DateTexts DateTexts::Of(QDate date)
{
    const QChar zero(u'0');
    DateTexts texts;
    texts.day = u" "_s + WeekdayName(WeekdayOf(date)).left(11) + u"  "_s
        + u"%1.%2.%3"_s.arg(date.day(), 2, 10, zero)
              .arg(date.month(), 2, 10, zero)
              .arg(date.year(), 4, 10, zero);
    texts.dayShort = u"  %1."_s.arg(date.day(), 2);
    texts.month = MonthName(date.month()).left(9);
    texts.year = u"%1"_s.arg(date.year(), 4);
    return texts;
}
