#pragma once

#include "common/open_time_colours.h"
#include "common/working_time.h"

#include <optional>

// How one day of the month grid is painted.
struct CalendarCellStyle {
    Rgb text;
    std::optional<Rgb> background;
    bool orangeFrame = false; // day state 4
    bool todayFrame = false;

    bool operator==(const CalendarCellStyle&) const = default;
};

struct CalendarCellFacts {
    bool weekend = false;
    bool holiday = false;
    bool displayed = false;
    bool today = false; // only when the displayed month is today's month
    DayState state = kDayNoData;
};

CalendarCellStyle StyleOfCalendarCell(const CalendarCellFacts& facts);

inline constexpr Rgb kCalendarWeekendBackdrop { 150, 150, 150 };
inline constexpr Rgb kCalendarSilver { 192, 192, 192 };
inline constexpr Rgb kCalendarOrangeFrame { 255, 168, 111 };
inline constexpr Rgb kCalendarTodayFrame { 128, 128, 128 };
