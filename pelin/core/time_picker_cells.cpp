#include "pelin/core/time_picker_cells.h"

bool MinutePickable(int minute, bool freeMinutes)
{
    return freeMinutes || minute % 15 == 0;
}

bool ComeGoHourGrey(int hour)
{
    return hour < 6 || (hour > 17 && hour < 24);
}

CellLook MinuteCellLook(int minute, bool freeMinutes, bool highlighted)
{
    const bool pickable = MinutePickable(minute, freeMinutes);
    return { pickable, !pickable, pickable, highlighted && pickable };
}

CellLook HourCellLook(bool grey, bool highlighted)
{
    return { true, grey, true, highlighted };
}
