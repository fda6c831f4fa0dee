#include "common/holiday_calendar.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

HolidaySettings Settings(HolidayCountry country, QStringView switches = u"000000")
{
    HolidaySettings settings;
    settings.country = country;
    settings.germanSwitches = HolidaySettings::SwitchesFromText(switches);
    return settings;
}

struct NameCase {
    int year, month, day;
    QString germany, austria, switzerland;
};

} // namespace

TEST(HolidayCalendar, NamesEveryRuleOfEachCountryWithItsBlanks)
{
    const NameCase cases[] = {
        { 2024, 1, 1, u" Neujahr "_s, u" Neujahr "_s, u" Neujahr "_s },
        { 2024, 1, 6, u" Heilige Drei Könige "_s, u" Dreikönigsfest "_s, u""_s },
        { 2024, 3, 29, u" Karfreitag "_s, u""_s, u" Karfreitag "_s },
        { 2024, 3, 31, u" Ostersonntag "_s, u" Ostersonntag "_s, u""_s },
        { 2024, 4, 1, u" Ostermontag "_s, u" Ostermontag "_s, u" Ostermontag "_s },
        { 2024, 5, 1, u" Maifeiertag "_s, u" Staatsfeiertag "_s, u""_s },
        { 2024, 5, 9, u" Christi Himmelfahrt "_s, u" Christi Himmelfahrt "_s, u" Auffahrt "_s },
        { 2024, 5, 19, u" Pfingstsonntag "_s, u" Pfingstsonntag "_s, u""_s },
        { 2024, 5, 20, u" Pfingstmontag "_s, u" Pfingstmontag "_s, u" Pfingstmontag "_s },
        { 2024, 5, 30, u" Fronleichnam "_s, u" Fronleichnam "_s, u""_s },
        { 2024, 8, 1, u""_s, u""_s, u" Nationalfeiertag "_s },
        { 2024, 8, 15, u" Mariä Himmelfahrt "_s, u" Mariä Himmelfahrt "_s, u""_s },
        { 2024, 10, 3, u" Tag der deut.Einheit "_s, u""_s, u""_s },
        { 2024, 10, 26, u""_s, u" Nationalfeiertag "_s, u""_s },
        { 2024, 10, 31, u" Reformationstag "_s, u" Reformationstag "_s, u""_s },
        { 2024, 11, 1, u" Allerheiligen "_s, u" Allerheiligen "_s, u""_s },
        { 2024, 11, 20, u" Buß- und Bettag "_s, u""_s, u""_s },
        { 2023, 11, 22, u" Buß- und Bettag "_s, u""_s, u""_s },
        { 2024, 12, 8, u""_s, u" Mariä Empfängnis "_s, u""_s },
        { 2024, 12, 25, u" 1.Weihnachtsfeiertag "_s, u" Christtag "_s, u" Weihnachten "_s },
        { 2024, 12, 26, u" 2.Weihnachtsfeiertag "_s, u" Stephanstag "_s, u" Stephanstag "_s },
        { 2024, 12, 24, u""_s, u""_s, u""_s },
        { 2024, 5, 21, u""_s, u""_s, u""_s },
        // Ascension on 1 May: the May row comes first.
        { 2008, 5, 1, u" Maifeiertag "_s, u" Staatsfeiertag "_s, u" Auffahrt "_s },
        { 2008, 3, 23, u" Ostersonntag "_s, u" Ostersonntag "_s, u""_s },
    };
    for (const auto& c : cases) {
        const QDate date(c.year, c.month, c.day);
        HolidayCalendar germany(Settings(HolidayCountry::Germany, u"111111"), c.year);
        HolidayCalendar austria(Settings(HolidayCountry::Austria), c.year);
        HolidayCalendar switzerland(Settings(HolidayCountry::Switzerland), c.year);
        EXPECT_EQ(germany.holidayName(c.day, c.month), c.germany) << date.toString().toStdString();
        EXPECT_EQ(austria.holidayName(c.day, c.month), c.austria) << date.toString().toStdString();
        EXPECT_EQ(switzerland.holidayName(c.day, c.month), c.switzerland) << date.toString().toStdString();
        EXPECT_EQ(switzerland.isHoliday(c.day, c.month), !c.switzerland.isEmpty());
    }
}

TEST(HolidayCalendar, EachGermanSwitchControlsOnlyItsOwnDay)
{
    const std::pair<QDate, QString> switched[] = {
        { QDate(2024, 1, 6), u" Heilige Drei Könige "_s },
        { QDate(2024, 5, 30), u" Fronleichnam "_s },
        { QDate(2024, 8, 15), u" Mariä Himmelfahrt "_s },
        { QDate(2024, 10, 31), u" Reformationstag "_s },
        { QDate(2024, 11, 1), u" Allerheiligen "_s },
        { QDate(2024, 11, 20), u" Buß- und Bettag "_s },
    };
    for (int on = 0; on < 6; ++on) {
        QString text = u"000000"_s;
        text[on] = u'1';
        const HolidayCalendar calendar(Settings(HolidayCountry::Germany, text), 2024);
        for (int i = 0; i < 6; ++i) {
            const auto& [date, name] = switched[i];
            EXPECT_EQ(calendar.holidayName(date), i == on ? name : QString())
                << text.toStdString() << ' ' << i;
        }
    }
}

TEST(HolidayCalendar, SwitchTextMayBeShortOrMissing)
{
    StringList config;
    EXPECT_EQ(HolidaySettings::FromConfig(config), Settings(HolidayCountry::Germany));
    config.setValue(u"feiertag"_s, u"1"_s);
    const HolidaySettings epiphanyOnly = HolidaySettings::FromConfig(config);
    EXPECT_TRUE(epiphanyOnly.isOn(GermanSwitch::Epiphany));
    EXPECT_FALSE(epiphanyOnly.isOn(GermanSwitch::CorpusChristi));
    EXPECT_FALSE(epiphanyOnly.isOn(GermanSwitch::DayOfRepentance));
    EXPECT_EQ(HolidayCalendar(epiphanyOnly, 2024).holidayName(6, 1), u" Heilige Drei Könige "_s);
    EXPECT_TRUE(HolidayCalendar(Settings(HolidayCountry::Germany), 2024).holidayName(6, 1).isEmpty());
}

TEST(HolidayCalendar, LandcodeChoosesTheCountry)
{
    const std::pair<QString, HolidayCountry> cases[] = {
        { u"0"_s, HolidayCountry::Germany },
        { u"1"_s, HolidayCountry::Austria },
        { u"2"_s, HolidayCountry::Switzerland },
        { u"99"_s, HolidayCountry::None },
        { u"7"_s, HolidayCountry::Germany },
        { u""_s, HolidayCountry::Germany },
    };
    for (const auto& [code, country] : cases) {
        StringList config;
        config.setValue(u"landcode"_s, code);
        EXPECT_EQ(HolidaySettings::FromConfig(config).country, country) << code.toStdString();
    }
    EXPECT_EQ(CountryLetter(HolidayCountry::Germany), u"D"_s);
    EXPECT_EQ(CountryLetter(HolidayCountry::Austria), u"Ö"_s);
    EXPECT_EQ(CountryLetter(HolidayCountry::Switzerland), u"S"_s);
    EXPECT_EQ(CountryLetter(HolidayCountry::None), u"-"_s);
}

TEST(HolidayCalendar, LandcodeNinetyNineMarksNoDayAtAll)
{
    HolidayCalendar calendar(Settings(HolidayCountry::None, u"111111"), 2024);
    for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1))
        EXPECT_FALSE(calendar.isHoliday(day.day(), day.month())) << day.toString().toStdString();
}

TEST(HolidayCalendar, FollowsTheDisplayedYear)
{
    HolidayCalendar calendar(Settings(HolidayCountry::Germany), 2024);
    EXPECT_EQ(calendar.holidayName(1, 4), u" Ostermontag "_s);
    calendar.setYear(2008);
    EXPECT_EQ(calendar.year(), 2008);
    EXPECT_TRUE(calendar.holidayName(1, 4).isEmpty());
    EXPECT_EQ(calendar.holidayName(24, 3), u" Ostermontag "_s);
    // A date of another year is answered without changing the displayed year.
    EXPECT_EQ(calendar.holidayName(QDate(2024, 4, 1)), u" Ostermontag "_s);
    EXPECT_EQ(calendar.year(), 2008);
    EXPECT_TRUE(calendar.holidayName(31, 2).isEmpty());
}
