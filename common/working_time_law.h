#pragma once

#include "common/holiday_calendar.h"
#include "common/string_list.h"
#include "common/working_time.h"

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

#include <array>
#include <optional>

// The checks of the German working-time law (ArbZG) on recorded days: at
// most 10 hours of work a day (§3), pauses of 30 minutes beyond 6 hours and
// of 45 minutes beyond 9 hours (§4), 11 hours of rest between going and the
// next day's coming (§5), and work on Sundays and public holidays (§9),
// which is listed, not judged. Both programs judge a day by these rules
// alone, so that the hint in PELIN and KORAV's report never disagree.

enum class LawRule { WorkingTime, Pause, Rest, SundayHoliday };
inline constexpr int kLawRuleCount = 4;

inline constexpr int kMaxDailyWork = 600;
inline constexpr int kShortPauseAfter = 360;
inline constexpr int kShortPause = 30;
inline constexpr int kLongPauseAfter = 540;
inline constexpr int kLongPause = 45;
inline constexpr int kMinRest = 660;

// "§3", "§4", "§5", "§9"
QString LawRuleSection(LawRule rule);

// What the activity list says about an entry: a pause (described "Pause")
// or an absence (described "Urlaub", "Krank" or "Gleitfrei").
class LawActivities {
public:
    LawActivities() = default;
    explicit LawActivities(const StringList& activityList);

    bool isPause(QStringView activityNumber) const { return pauses_.contains(activityNumber); }
    bool isAbsence(QStringView activityNumber) const;

private:
    PauseActivities pauses_;
    QSet<QString> absences_;
};

// A day as the law sees it. Absence entries are no work: a day with
// entries on absences only is exempt, and on a day that mixes them with
// work they do not count as working time.
struct LawDayValues {
    bool worked = false; // working time above 0 and not an absence day
    int working = 0; // attendance − pauses − absences
    int pause = 0;
    int start = 0; // minutes after midnight, on the 5-minute slots
    int end = 0;
};

LawDayValues LawValuesOf(const DayWork& day, const LawActivities& activities);

struct LawFinding {
    QDate date; // invalid for a day judged without its date
    LawRule rule = LawRule::WorkingTime;
    QString text; // German, naming the rule
    LawDayValues day;
    std::optional<int> rest; // §5: minutes between the day before's going and this coming
};

// §3 and §4 of one day, as PELIN shows them while the day is edited.
QList<LawFinding> DayLawFindings(const DayWork& day, const LawActivities& activities);
// The texts of the findings in one line.
QString LawHintText(const QList<LawFinding>& findings);

struct LawDay {
    QDate date;
    DayWork work;
};

// All four rules over days in ascending date order. `dayBefore`, the day
// before the first one, gives the rest before the first day; the rest is
// judged between days one calendar day apart, also across month and year
// ends.
QList<LawFinding> CheckWorkingTimeLaw(const QList<LawDay>& days, const LawActivities& activities,
    const HolidaySettings& holidays, const std::optional<LawDay>& dayBefore = std::nullopt);

using LawRuleCounts = std::array<int, kLawRuleCount>;
LawRuleCounts CountLawFindings(const QList<LawFinding>& findings);
