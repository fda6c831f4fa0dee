#pragma once

#include "common/string_list.h"

#include <QList>
#include <QSet>
#include <QString>

#include <array>

// Working time is counted in whole minutes. Day and month values are pure
// functions of plain values, so that the day sheet, the calendar and the
// reports feed them from whatever they have read.

// Minutes of a duration text HHHMM: (N div 100) × 60 + N mod 100.
int DurationTextMinutes(QStringView hhhmm);

struct ClockTime {
    int hour = 0;
    int minute = 0;
};

// Coming and going of a day, as held in its four two-character fields.
struct DayTimes {
    bool hasCome = false; // the come-hour field is not empty
    ClockTime come;
    ClockTime go;

    static DayTimes FromFields(
        QStringView comeHour, QStringView comeMinute, QStringView goHour, QStringView goMinute);
};

// The minutes an entry books on an activity, as the working time counts them.
struct BookedMinutes {
    QString activityNumber;
    int minutes = 0;
};

// A day's values for the working time: its times (hasCome false without a
// day record) and its booked minutes in the order of the entries.
struct DayWork {
    DayTimes times;
    QList<BookedMinutes> entries;
};

// The activity numbers described exactly "Pause" in the activity list,
// looked up like the list itself: letter case ignored, first line wins.
class PauseActivities {
public:
    PauseActivities() = default;
    explicit PauseActivities(const StringList& activityList);

    bool contains(QStringView activityNumber) const;

private:
    QSet<QString> numbers_;
};

// A clock time on 5-minute slots; minutes between slots fall to the slot
// that contains them.
int SlotsOf(ClockTime time);
// 0 without a come hour; otherwise the slot distance in either direction.
int AttendanceMinutes(const DayTimes& times);

struct DayValues {
    bool hasCome = false;
    int attendance = 0;
    int pause = 0;
    int assigned = 0;

    int working() const { return attendance - pause; }
    int open() const { return attendance - pause - assigned; }
};

// Every entry that is not a pause counts as assigned, also one whose
// activity is missing from the list.
DayValues ComputeDayValues(const DayWork& day, const PauseActivities& pauses);

enum DayState : int {
    kDayNoData = 0,
    kDayFullyAssigned = 1,
    kDayOpenTimeLeft = 2,
    kDayPauseOnly = 3,
    kDayOverAssigned = 4,
};

DayState DayStateOf(const DayValues& values);

struct MonthValues {
    int attendance = 0;
    int pause = 0;
    int assigned = 0;
    int target = 0;
    std::array<DayState, 32> dayStates {}; // indexed by the day of the month; 0 unused

    int actual() const { return attendance - pause; }
    int difference() const { return actual() - target; }
    int open() const { return actual() - assigned; }
};

// days holds the records of the days 1, 2, ... of the month; days beyond
// the 31st are ignored.
MonthValues ComputeMonthValues(const QList<DayWork>& days, const PauseActivities& pauses, int target);

// The integer part of degree × full-time target / 100; the degree is read
// as a decimal number with a decimal point from the start of its text.
int PersonalTarget(QStringView degree, int fullTimeTarget);

// An open time this large (200 hours) stops the update of the day's open
// time and of the month values.
constexpr int kOpenTimeLimit = 12000;
bool ExceedsOpenTimeLimit(const DayValues& values);
QString OpenTimeLimitMessage();
