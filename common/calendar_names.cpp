#include "common/calendar_names.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

const std::array<QString, 7>& Weekdays()
{
    static const std::array<QString, 7> names = { u"Montag"_s, u"Dienstag"_s, u"Mittwoch"_s, u"Donnerstag"_s,
        u"Freitag"_s, u"Samstag"_s, u"Sonntag"_s };
    return names;
}

const std::array<QString, 12>& Months()
{
    static const std::array<QString, 12> names = { u"Januar"_s, u"Februar"_s, u"März"_s, u"April"_s, u"Mai"_s,
        u"Juni"_s, u"Juli"_s, u"August"_s, u"September"_s, u"Oktober"_s, u"November"_s, u"Dezember"_s };
    return names;
}

} // namespace

QString WeekdayName(int weekday)
{
    return weekday >= 1 && weekday <= 7 ? Weekdays()[weekday - 1] : u"Tag???"_s;
}

QString MonthName(int month)
{
    return month >= 1 && month <= 12 ? Months()[month - 1] : u"Monat???"_s;
}

QString WeekdayHeading(int weekday)
{
    return WeekdayName(weekday).left(2);
}
