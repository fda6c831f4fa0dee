#include "pelin/core/calendar_cell_style.h"

namespace {

constexpr Rgb kBlack { 0, 0, 0 };
constexpr Rgb kWhite { 255, 255, 255 };
constexpr Rgb kYellow { 255, 255, 0 };
constexpr Rgb kGrey { 128, 128, 128 };
constexpr Rgb kLightGrey { 235, 235, 235 };

std::optional<Rgb> StateFill(DayState state, bool displayed)
{
    switch (state) {
    case kDayFullyAssigned:
    case kDayOverAssigned:
        return displayed ? Rgb { 160, 206, 23 } : Rgb { 181, 230, 29 };
    case kDayOpenTimeLeft:
        return displayed ? Rgb { 255, 168, 111 } : Rgb { 255, 186, 140 };
    case kDayPauseOnly:
        return displayed ? Rgb { 255, 202, 79 } : Rgb { 255, 221, 140 };
    case kDayNoData:
        break;
    }
    return std::nullopt;
}

} // namespace

CalendarCellStyle StyleOfCalendarCell(const CalendarCellFacts& facts)
{
    CalendarCellStyle style;
    style.text = facts.holiday ? kYellow : facts.weekend ? kWhite : kBlack;
    if (facts.displayed) {
        style.background = facts.holiday ? kYellow : kLightGrey;
        if (facts.holiday)
            style.text = kGrey;
    }
    if (const auto fill = StateFill(facts.state, facts.displayed))
        style.background = fill;
    style.orangeFrame = facts.state == kDayOverAssigned;
    style.todayFrame = facts.today;
    return style;
}
