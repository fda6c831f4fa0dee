#include "common/working_time_law.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kShortPauseText = u"Pause unter 30 Minuten bei mehr als 6 Stunden Arbeitszeit (ArbZG §4)"_s;
const QString kLongPauseText = u"Pause unter 45 Minuten bei mehr als 9 Stunden Arbeitszeit (ArbZG §4)"_s;
const QString kTooLongText = u"Arbeitszeit über 10 Stunden (ArbZG §3)"_s;
const QString kRestText = u"Ruhezeit unter 11 Stunden (ArbZG §5)"_s;

LawActivities Activities()
{
    return LawActivities(StringList({ u"P1=Projekt Nord"_s, u"PA=Pause"_s, u"UR=Urlaub"_s, u"KR=Krank"_s,
        u"GF=Gleitfrei"_s, u"VW=Verwaltung"_s, u"pp=pause"_s }));
}

// "07:30", "16:15" and entries of minutes per activity number.
DayWork Day(QStringView come, QStringView go, const QList<BookedMinutes>& entries = {})
{
    DayWork day;
    day.times = DayTimes::FromFields(come.left(2), come.mid(3, 2), go.left(2), go.mid(3, 2));
    day.entries = entries;
    return day;
}

QStringList Texts(const QList<LawFinding>& findings)
{
    QStringList texts;
    for (const LawFinding& finding : findings)
        texts.append(finding.text);
    return texts;
}

} // namespace

TEST(WorkingTimeLaw, DayLimitsOfWorkingTimeAndPauses)
{
    const struct {
        const char* what;
        DayWork day;
        QStringList texts;
    } cases[] = {
        { "6:00 without pause", Day(u"08:00", u"14:00"), {} },
        { "6:05 without pause", Day(u"08:00", u"14:05"), { kShortPauseText } },
        { "6:05 with 25 minutes", Day(u"08:00", u"14:30", { { u"PA"_s, 25 } }), { kShortPauseText } },
        { "6:05 with 30 minutes", Day(u"08:00", u"14:35", { { u"PA"_s, 30 } }), {} },
        { "pause split in two", Day(u"08:00", u"14:35", { { u"PA"_s, 15 }, { u"pa"_s, 15 } }), {} },
        { "9:00 with 30 minutes", Day(u"08:00", u"17:30", { { u"PA"_s, 30 } }), {} },
        { "9:05 with 30 minutes", Day(u"08:00", u"17:35", { { u"PA"_s, 30 } }), { kLongPauseText } },
        { "9:05 with 20 minutes", Day(u"08:00", u"17:25", { { u"PA"_s, 20 } }), { kLongPauseText } },
        { "9:05 with 45 minutes", Day(u"08:00", u"17:50", { { u"PA"_s, 45 } }), {} },
        { "10:00 with 45 minutes", Day(u"07:00", u"17:45", { { u"PA"_s, 45 } }), {} },
        { "10:05 with 45 minutes", Day(u"07:00", u"17:50", { { u"PA"_s, 45 } }), { kTooLongText } },
        { "10:05 without pause", Day(u"07:00", u"17:05"), { kTooLongText, kLongPauseText } },
        { "minutes cut to the slot", Day(u"08:00", u"14:04"), {} },
        { "going before coming", Day(u"18:00", u"07:00"), { kTooLongText, kLongPauseText } },
        { "\"pause\" is no pause", Day(u"08:00", u"14:35", { { u"pp"_s, 30 } }), { kShortPauseText } },
        { "unknown activity is work", Day(u"08:00", u"14:05", { { u"XY"_s, 365 } }), { kShortPauseText } },
        { "holiday only", Day(u"07:00", u"18:00", { { u"UR"_s, 660 } }), {} },
        { "sickness only", Day(u"08:00", u"16:00", { { u"KR"_s, 480 } }), {} },
        { "flexi-day only", Day(u"08:00", u"16:00", { { u"gf"_s, 480 } }), {} },
        { "absence beyond its entry", Day(u"06:00", u"18:00", { { u"UR"_s, 480 } }), {} },
        { "half a holiday", Day(u"08:00", u"16:00", { { u"UR"_s, 240 }, { u"P1"_s, 240 } }), {} },
        { "holiday beside 6:05 of work", Day(u"08:00", u"16:05", { { u"UR"_s, 120 }, { u"P1"_s, 365 } }),
            { kShortPauseText } },
        { "administration is work", Day(u"08:00", u"16:00", { { u"VW"_s, 480 } }), { kShortPauseText } },
        { "entries without coming", Day(u"", u"", { { u"P1"_s, 700 } }), {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Texts(DayLawFindings(c.day, Activities())), c.texts) << c.what;
}

TEST(WorkingTimeLaw, HintLineJoinsTheDayFindings)
{
    EXPECT_EQ(LawHintText(DayLawFindings(Day(u"07:00", u"17:05"), Activities())),
        kTooLongText + u" / "_s + kLongPauseText);
    EXPECT_EQ(LawHintText({}), QString());
}

TEST(WorkingTimeLaw, RestBetweenGoingAndTheNextComing)
{
    const QDate jan31(2024, 1, 31);
    const struct {
        const char* what;
        QDate first;
        DayWork firstDay;
        QDate second;
        DayWork secondDay;
        std::optional<int> rest; // of the finding on the second day
    } cases[] = {
        { "11:00 across midnight", jan31, Day(u"12:00", u"22:00", { { u"PA"_s, 30 } }), QDate(2024, 2, 1),
            Day(u"09:00", u"12:00"), std::nullopt },
        { "10:55 across the month end", jan31, Day(u"12:00", u"22:05", { { u"PA"_s, 30 } }),
            QDate(2024, 2, 1), Day(u"09:00", u"12:00"), 655 },
        { "10:55 across the year end", QDate(2023, 12, 30), Day(u"12:00", u"22:05", { { u"PA"_s, 30 } }),
            QDate(2023, 12, 31), Day(u"09:00", u"12:00"), 655 },
        { "leap day to March", QDate(2024, 2, 29), Day(u"14:00", u"23:00", { { u"PA"_s, 30 } }),
            QDate(2024, 3, 1), Day(u"06:00", u"10:00"), 420 },
        { "a day between", QDate(2024, 2, 27), Day(u"14:00", u"23:00", { { u"PA"_s, 30 } }),
            QDate(2024, 2, 29), Day(u"06:00", u"10:00"), std::nullopt },
        { "absence before", jan31, Day(u"14:00", u"23:00", { { u"KR"_s, 540 } }), QDate(2024, 2, 1),
            Day(u"06:00", u"10:00"), std::nullopt },
        { "absence after", jan31, Day(u"14:00", u"23:00", { { u"PA"_s, 30 } }), QDate(2024, 2, 1),
            Day(u"06:00", u"10:00", { { u"UR"_s, 240 } }), std::nullopt },
        { "nothing recorded after", jan31, Day(u"14:00", u"23:00", { { u"PA"_s, 30 } }), QDate(2024, 2, 1),
            Day(u"", u""), std::nullopt },
        { "later of two times ends the day", jan31, Day(u"23:00", u"14:00", { { u"PA"_s, 30 } }),
            QDate(2024, 2, 1), Day(u"10:00", u"06:00"), 420 },
    };
    const HolidaySettings none { HolidayCountry::None, {} };
    for (const auto& c : cases) {
        // Once as two days of one period, once with the first as the day before the period.
        const QList<LawFinding> inPeriod
            = CheckWorkingTimeLaw({ { c.first, c.firstDay }, { c.second, c.secondDay } }, Activities(), none);
        const QList<LawFinding> acrossPeriods = CheckWorkingTimeLaw(
            { { c.second, c.secondDay } }, Activities(), none, LawDay { c.first, c.firstDay });
        for (const QList<LawFinding>& findings : { inPeriod, acrossPeriods }) {
            std::optional<int> rest;
            for (const LawFinding& finding : findings) {
                if (finding.rule != LawRule::Rest)
                    continue;
                EXPECT_EQ(finding.date, c.second) << c.what;
                EXPECT_EQ(finding.text, kRestText) << c.what;
                rest = finding.rest;
            }
            EXPECT_EQ(rest, c.rest) << c.what;
        }
    }
}

TEST(WorkingTimeLaw, SundaysAndHolidaysAreListed)
{
    HolidaySettings germany;
    const struct {
        const char* what;
        HolidaySettings holidays;
        QDate date;
        DayWork day;
        QStringList texts;
    } cases[] = {
        { "Sunday", germany, QDate(2024, 3, 10), Day(u"09:00", u"12:00"),
            { u"Arbeit am Sonntag (ArbZG §9)"_s } },
        { "Saturday", germany, QDate(2024, 3, 9), Day(u"09:00", u"12:00"), {} },
        { "holiday", germany, QDate(2024, 10, 3), Day(u"09:00", u"12:00"),
            { u"Arbeit am Feiertag Tag der deut.Einheit (ArbZG §9)"_s } },
        { "Easter Sunday", germany, QDate(2024, 3, 31), Day(u"09:00", u"12:00"),
            { u"Arbeit am Sonntag und Feiertag Ostersonntag (ArbZG §9)"_s } },
        { "regional holiday off", germany, QDate(2024, 1, 6), Day(u"09:00", u"12:00"), {} },
        { "no holidays, still Sunday", { HolidayCountry::None, {} }, QDate(2024, 12, 29),
            Day(u"09:00", u"12:00"), { u"Arbeit am Sonntag (ArbZG §9)"_s } },
        { "holiday taken off", germany, QDate(2024, 12, 25), Day(u"08:00", u"16:00", { { u"UR"_s, 480 } }),
            {} },
        { "pause only", germany, QDate(2024, 3, 10), Day(u"09:00", u"09:30", { { u"PA"_s, 30 } }), {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Texts(CheckWorkingTimeLaw({ { c.date, c.day } }, Activities(), c.holidays)), c.texts)
            << c.what;
}

TEST(WorkingTimeLaw, FindingsOfAPeriodCarryTheirDayAndAreCounted)
{
    const QList<LawDay> days = {
        { QDate(2024, 3, 8), Day(u"07:00", u"22:00", { { u"PA"_s, 30 } }) }, // §3, §4
        { QDate(2024, 3, 9), Day(u"06:00", u"08:00") }, // §5 after 22:00
        { QDate(2024, 3, 10), Day(u"10:00", u"11:00") }, // §9
        { QDate(2024, 3, 11), Day(u"08:00", u"16:30", { { u"PA"_s, 30 } }) }, // none
    };
    const QList<LawFinding> findings = CheckWorkingTimeLaw(days, Activities(), HolidaySettings {});
    ASSERT_EQ(findings.size(), 4);
    EXPECT_EQ(findings[0].date, QDate(2024, 3, 8));
    EXPECT_EQ(findings[0].day.working, 870);
    EXPECT_EQ(findings[0].day.pause, 30);
    EXPECT_EQ(findings[1].rule, LawRule::Pause);
    EXPECT_EQ(findings[2].date, QDate(2024, 3, 9));
    EXPECT_EQ(findings[2].rest, 480);
    EXPECT_EQ(findings[3].rule, LawRule::SundayHoliday);
    EXPECT_EQ(CountLawFindings(findings), (LawRuleCounts { 1, 1, 1, 1 }));
    EXPECT_TRUE(CheckWorkingTimeLaw({}, Activities(), HolidaySettings {}).isEmpty());
}
