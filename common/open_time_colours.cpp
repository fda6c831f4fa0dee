#include "common/open_time_colours.h"

DayOpenColours DayOpenColoursOf(const DayValues& values)
{
    if (values.attendance == 0)
        return { kOpenGrey, std::nullopt };
    if (values.attendance == values.pause)
        return { kOpenYellow, std::nullopt };
    const int open = values.open();
    if (open > 0)
        return { kOpenSalmon, std::nullopt };
    if (open == 0)
        return { kOpenGreen, std::nullopt };
    return { kOpenGreen, kOpenOrangeStripe };
}

Rgb MonthOpenColourOf(const MonthValues& values)
{
    if (values.open() != 0)
        return kOpenSalmon;
    return values.actual() >= 1 ? kOpenGreen : kOpenGrey;
}
