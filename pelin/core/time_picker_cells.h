#pragma once

#include "pelin/core/time_picker_layout.h"

// How a cell is drawn and whether it reacts to the mouse.
struct CellLook {
    bool pickable = true;
    bool grey = false; // grey number, or a grey cell without number
    bool showNumber = true;
    bool highlighted = false; // the picked value
};

// Without the free-minutes flag only the quarter hours can be picked.
bool MinutePickable(int minute, bool freeMinutes);
// The come/go picker draws the hours before 6 and after 17 grey.
bool ComeGoHourGrey(int hour);
// The look of a minute cell, or of an hour cell with the given greyness.
CellLook MinuteCellLook(int minute, bool freeMinutes, bool highlighted);
CellLook HourCellLook(bool grey, bool highlighted);
