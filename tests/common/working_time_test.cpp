#include "common/working_time.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

DayTimes Times(QStringView comeHour, QStringView comeMinute, QStringView goHour, QStringView goMinute)
{
    return DayTimes::FromFields(comeHour, comeMinute, goHour, goMinute);
}

StringList ActivityList()
{
    return StringList({ u"P100=Projekt Nord"_s, u"PA=Pause"_s, u"PB=pause"_s, u"PC=Pause "_s, u"PD=Urlaub"_s,
        u"pd=Pause"_s, u"Kopfzeile ohne Gleichheitszeichen"_s });
}

} // namespace

TEST(WorkingTime, AttendanceCountsFiveMinuteSlots)
{
    const struct {
        DayTimes times;
        int minutes;
    } cases[] = {
        { Times(u"07", u"58", u"16", u"02"), 485 }, // slots 95 and 192
        { Times(u"22", u"00", u"06", u"00"), 960 }, // going before coming counts the other way
        { Times(u"08", u"00", u"16", u"00"), 480 },
        { Times(u"08", u"00", u"08", u"00"), 0 },
        { Times(u"08", u"04", u"08", u"09"), 5 },
        { Times(u"", u"30", u"16", u"00"), 0 }, // no come hour: no attendance
        { Times(u"7 ", u"3x", u"16", u""), 540 }, // fields read as leading digits
        { Times(u"00", u"00", u"24", u"00"), 1440 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(AttendanceMinutes(c.times), c.minutes)
            << c.times.come.hour << ':' << c.times.come.minute << '-' << c.times.go.hour << ':'
            << c.times.go.minute;
}

TEST(WorkingTime, DurationTextIsHoursAndMinutes)
{
    const std::pair<QString, int> cases[] = {
        { u"00130"_s, 90 },
        { u"00800"_s, 480 },
        { u"01555"_s, 955 },
        { u""_s, 0 },
        { u"12x"_s, 12 },
    };
    for (const auto& [text, minutes] : cases)
        EXPECT_EQ(DurationTextMinutes(text), minutes) << text.toStdString();
}

TEST(WorkingTime, OnlyActivitiesDescribedExactlyPauseArePauses)
{
    const PauseActivities pauses(ActivityList());
    EXPECT_TRUE(pauses.contains(u"PA"));
    EXPECT_TRUE(pauses.contains(u"pa")); // numbers are looked up without regard to case
    EXPECT_FALSE(pauses.contains(u"PB"));
    EXPECT_FALSE(pauses.contains(u"PC"));
    EXPECT_FALSE(pauses.contains(u"PD")); // the first line of a number decides
    EXPECT_FALSE(pauses.contains(u"XX"));

    DayWork day { Times(u"08", u"00", u"16", u"00"),
        { { u"PA"_s, 30 }, { u"P100"_s, 240 }, { u"XX"_s, 60 }, { u"PB"_s, 15 } } };
    const DayValues values = ComputeDayValues(day, pauses);
    EXPECT_EQ(values.attendance, 480);
    EXPECT_EQ(values.pause, 30);
    EXPECT_EQ(values.working(), 450);
    EXPECT_EQ(values.assigned, 315); // the missing activity XX counts as assigned
    EXPECT_EQ(values.open(), 135);
}

TEST(WorkingTime, DayStates)
{
    const struct {
        int attendance, pause, assigned;
        DayState state;
        bool hasCome = true;
    } cases[] = {
        { 480, 30, 450, kDayFullyAssigned },
        { 480, 30, 400, kDayOpenTimeLeft },
        { 480, 0, 500, kDayOverAssigned },
        { 30, 30, 0, kDayPauseOnly },
        { 30, 45, 0, kDayPauseOnly },
        { 0, 0, 0, kDayNoData },
        { 0, 0, 60, kDayNoData },
        { 0, 30, 0, kDayNoData },
        { 480, 0, 0, kDayOpenTimeLeft },
        // entries without a day record: not finished
        { 0, 0, 60, kDayOpenTimeLeft, false },
        { 0, 30, 0, kDayOpenTimeLeft, false },
        { 0, 0, 0, kDayNoData, false },
    };
    for (const auto& c : cases) {
        DayValues values;
        values.hasCome = c.hasCome;
        values.attendance = c.attendance;
        values.pause = c.pause;
        values.assigned = c.assigned;
        EXPECT_EQ(DayStateOf(values), c.state) << c.attendance << '/' << c.pause << '/' << c.assigned;
    }
}

TEST(WorkingTime, MonthSumsTheDaysAndSetsTheirStates)
{
    const PauseActivities pauses(ActivityList());
    QList<DayWork> days(30);
    days[0] = { Times(u"08", u"00", u"16", u"00"), { { u"PA"_s, 30 }, { u"P100"_s, 450 } } };
    days[1] = { Times(u"08", u"00", u"12", u"00"), { { u"P100"_s, 60 } } };
    days[4] = { Times(u"12", u"00", u"12", u"30"), { { u"PA"_s, 30 } } };
    const MonthValues month = ComputeMonthValues(days, pauses, 8064);
    EXPECT_EQ(month.actual(), 450 + 240);
    EXPECT_EQ(month.assigned, 510);
    EXPECT_EQ(month.open(), 180);
    EXPECT_EQ(month.difference(), 690 - 8064);
    EXPECT_EQ(month.dayStates.at(1), kDayFullyAssigned);
    EXPECT_EQ(month.dayStates.at(2), kDayOpenTimeLeft);
    EXPECT_EQ(month.dayStates.at(3), kDayNoData);
    EXPECT_EQ(month.dayStates.at(5), kDayPauseOnly);
    EXPECT_EQ(month.dayStates.at(31), kDayNoData);
}

TEST(WorkingTime, EmptyMonthHasNoValues)
{
    const MonthValues month = ComputeMonthValues(QList<DayWork>(31), PauseActivities(), 0);
    EXPECT_EQ(month.actual(), 0);
    EXPECT_EQ(month.assigned, 0);
    EXPECT_EQ(month.open(), 0);
    for (int day = 0; day <= 31; ++day)
        EXPECT_EQ(month.dayStates.at(day), kDayNoData);
}

TEST(WorkingTime, PersonalTargetIsTheIntegerPartOfTheScaledTarget)
{
    const struct {
        QString degree;
        int fullTime, target;
    } cases[] = {
        { u"80"_s, 10080, 8064 },
        { u"62.5"_s, 10080, 6300 },
        { u"100"_s, 9600, 9600 },
        { u"33.3"_s, 10000, 3330 },
        { u"33.33"_s, 100, 33 },
        { u"50%"_s, 481, 240 },
        { u""_s, 9600, 0 },
        { u" 75"_s, 400, 300 },
        { u"12.5.3"_s, 800, 100 },
        { u"80"_s, 0, 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(PersonalTarget(c.degree, c.fullTime), c.target)
            << c.degree.toStdString() << " of " << c.fullTime;
}

TEST(WorkingTime, OpenTimeLimitIsTwoHundredHours)
{
    DayValues values;
    values.hasCome = true;
    values.attendance = 11999;
    EXPECT_FALSE(ExceedsOpenTimeLimit(values));
    values.attendance = 12000;
    EXPECT_TRUE(ExceedsOpenTimeLimit(values));
    EXPECT_EQ(OpenTimeLimitMessage(), u"Der maximale Offen-Wert wurde überschritten (max.200 Std.)"_s);
}
