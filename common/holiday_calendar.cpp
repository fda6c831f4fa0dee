#include "common/holiday_calendar.h"

#include "common/calendar_dates.h"
#include "common/number_parse.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

enum class DateRule {
    Fixed,
    GoodFriday,
    EasterSunday,
    EasterMonday,
    Ascension,
    WhitSunday,
    WhitMonday,
    CorpusChristi,
    DayOfRepentance,
};

// The name a rule carries in one country; an empty name means the rule does
// not apply there. A switched German rule applies only when its switch is on.
struct CountryName {
    constexpr CountryName() = default;
    constexpr CountryName(QStringView name, std::optional<GermanSwitch> germanSwitch = std::nullopt)
        : name(name), germanSwitch(germanSwitch)
    {
    }

    QStringView name;
    std::optional<GermanSwitch> germanSwitch;
};

struct HolidayRule {
    DateRule date;
    int day;
    int month;
    CountryName germany;
    CountryName austria;
    CountryName switzerland;
};

// Tried in this order; the first applying rule names the day, so 1 May
// keeps its own name when Ascension falls on it.
const HolidayRule kRules[] = {
    { DateRule::Fixed, 1, 1, { u" Neujahr " }, { u" Neujahr " }, { u" Neujahr " } },
    { DateRule::Fixed, 6, 1, { u" Heilige Drei Könige ", GermanSwitch::Epiphany }, { u" Dreikönigsfest " },
        {} },
    { DateRule::GoodFriday, 0, 0, { u" Karfreitag " }, {}, { u" Karfreitag " } },
    { DateRule::EasterSunday, 0, 0, { u" Ostersonntag " }, { u" Ostersonntag " }, {} },
    { DateRule::EasterMonday, 0, 0, { u" Ostermontag " }, { u" Ostermontag " }, { u" Ostermontag " } },
    { DateRule::Fixed, 1, 5, { u" Maifeiertag " }, { u" Staatsfeiertag " }, {} },
    { DateRule::Ascension, 0, 0, { u" Christi Himmelfahrt " }, { u" Christi Himmelfahrt " },
        { u" Auffahrt " } },
    { DateRule::WhitSunday, 0, 0, { u" Pfingstsonntag " }, { u" Pfingstsonntag " }, {} },
    { DateRule::WhitMonday, 0, 0, { u" Pfingstmontag " }, { u" Pfingstmontag " }, { u" Pfingstmontag " } },
    { DateRule::CorpusChristi, 0, 0, { u" Fronleichnam ", GermanSwitch::CorpusChristi },
        { u" Fronleichnam " }, {} },
    { DateRule::Fixed, 1, 8, {}, {}, { u" Nationalfeiertag " } },
    { DateRule::Fixed, 15, 8, { u" Mariä Himmelfahrt ", GermanSwitch::Assumption },
        { u" Mariä Himmelfahrt " }, {} },
    { DateRule::Fixed, 3, 10, { u" Tag der deut.Einheit " }, {}, {} },
    { DateRule::Fixed, 26, 10, {}, { u" Nationalfeiertag " }, {} },
    { DateRule::Fixed, 31, 10, { u" Reformationstag ", GermanSwitch::ReformationDay },
        { u" Reformationstag " }, {} },
    { DateRule::Fixed, 1, 11, { u" Allerheiligen ", GermanSwitch::AllSaints }, { u" Allerheiligen " }, {} },
    { DateRule::DayOfRepentance, 0, 0, { u" Buß- und Bettag ", GermanSwitch::DayOfRepentance }, {}, {} },
    { DateRule::Fixed, 8, 12, {}, { u" Mariä Empfängnis " }, {} },
    { DateRule::Fixed, 25, 12, { u" 1.Weihnachtsfeiertag " }, { u" Christtag " }, { u" Weihnachten " } },
    { DateRule::Fixed, 26, 12, { u" 2.Weihnachtsfeiertag " }, { u" Stephanstag " }, { u" Stephanstag " } },
};

QDate DateOf(const HolidayRule& rule, const MovableFeasts& feasts)
{
    switch (rule.date) {
    case DateRule::Fixed:
        return QDate(feasts.year, rule.month, rule.day);
    case DateRule::GoodFriday:
        return feasts.goodFriday;
    case DateRule::EasterSunday:
        return feasts.easterSunday;
    case DateRule::EasterMonday:
        return feasts.easterMonday;
    case DateRule::Ascension:
        return feasts.ascension;
    case DateRule::WhitSunday:
        return feasts.whitSunday;
    case DateRule::WhitMonday:
        return feasts.whitMonday;
    case DateRule::CorpusChristi:
        return feasts.corpusChristi;
    case DateRule::DayOfRepentance:
        return feasts.dayOfRepentance;
    }
    return {};
}

const CountryName* NameIn(const HolidayRule& rule, HolidayCountry country)
{
    switch (country) {
    case HolidayCountry::Germany:
        return &rule.germany;
    case HolidayCountry::Austria:
        return &rule.austria;
    case HolidayCountry::Switzerland:
        return &rule.switzerland;
    case HolidayCountry::None:
        return nullptr;
    }
    return nullptr;
}

bool Applies(const CountryName* name, const HolidaySettings& settings)
{
    if (name == nullptr || name->name.isEmpty())
        return false;
    return !name->germanSwitch || settings.isOn(*name->germanSwitch);
}

} // namespace

HolidayCountry HolidaySettings::CountryFromLandcode(int landcode)
{
    switch (landcode) {
    case 1:
        return HolidayCountry::Austria;
    case 2:
        return HolidayCountry::Switzerland;
    case 99:
        return HolidayCountry::None;
    default:
        return HolidayCountry::Germany;
    }
}

std::array<bool, 6> HolidaySettings::SwitchesFromText(QStringView text)
{
    std::array<bool, 6> switches {};
    for (qsizetype i = 0; i < qsizetype(switches.size()) && i < text.size(); ++i)
        switches.at(i) = text[i] == u'1';
    return switches;
}

HolidaySettings HolidaySettings::FromConfig(const StringList& config)
{
    HolidaySettings settings;
    settings.country = CountryFromLandcode(ParseDecimalInt(config.value(u"landcode")));
    settings.germanSwitches = SwitchesFromText(config.value(u"feiertag"));
    return settings;
}

QString CountryLetter(HolidayCountry country)
{
    switch (country) {
    case HolidayCountry::Germany:
        return u"D"_s;
    case HolidayCountry::Austria:
        return u"Ö"_s;
    case HolidayCountry::Switzerland:
        return u"S"_s;
    case HolidayCountry::None:
        return u"-"_s;
    }
    return {};
}

MovableFeasts MovableFeasts::Of(int year)
{
    MovableFeasts feasts;
    feasts.year = year;
    feasts.easterSunday = EasterSunday(year);
    feasts.goodFriday = feasts.easterSunday.addDays(-2);
    feasts.easterMonday = feasts.easterSunday.addDays(1);
    feasts.ascension = feasts.easterSunday.addDays(39);
    feasts.whitSunday = feasts.easterSunday.addDays(49);
    feasts.whitMonday = feasts.easterSunday.addDays(50);
    feasts.corpusChristi = feasts.easterSunday.addDays(60);
    feasts.dayOfRepentance = DayOfRepentance(year);
    return feasts;
}

QString HolidayNameOf(QDate date, const MovableFeasts& feasts, const HolidaySettings& settings)
{
    if (!date.isValid() || date.year() != feasts.year)
        return {};
    for (const HolidayRule& rule : kRules) {
        const CountryName* name = NameIn(rule, settings.country);
        if (Applies(name, settings) && DateOf(rule, feasts) == date)
            return name->name.toString();
    }
    return {};
}

HolidayCalendar::HolidayCalendar(HolidaySettings settings, int year)
    : settings_(settings), feasts_(MovableFeasts::Of(year))
{
}

void HolidayCalendar::setYear(int year)
{
    if (year != feasts_.year)
        feasts_ = MovableFeasts::Of(year);
}

QString HolidayCalendar::holidayName(int day, int month) const
{
    return HolidayNameOf(QDate(feasts_.year, month, day), feasts_, settings_);
}

QString HolidayCalendar::holidayName(QDate date) const
{
    if (date.year() == feasts_.year)
        return HolidayNameOf(date, feasts_, settings_);
    return HolidayNameOf(date, MovableFeasts::Of(date.year()), settings_);
}
