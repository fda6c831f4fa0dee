#include "pelin/core/time_picker_hours.h"

using namespace Qt::StringLiterals;

HoursPicker::HoursPicker(bool freeMinutes) : freeMinutes_(freeMinutes) { }

void HoursPicker::reset()
{
    hour_.reset();
    minute_.reset();
}

QString HoursPicker::hourText() const
{
    return hour_ ? QString::number(*hour_) : u"--"_s;
}

QString HoursPicker::minuteText() const
{
    return minute_ ? u"%1"_s.arg(*minute_, 2, 10, QChar(u'0')) : u"--"_s;
}

CellLook HoursPicker::look(const PickerCell& cell) const
{
    if (cell.kind == CellKind::Hour)
        return HourCellLook(false, hour_ == cell.value);
    if (cell.kind == CellKind::Minute)
        return MinuteCellLook(cell.value, freeMinutes_, minute_ == cell.value);
    return { false, false, false, false };
}

HoursPicker::Outcome HoursPicker::click(const PickerCell& cell)
{
    if (!look(cell).pickable)
        return Outcome::Ignored;
    if (cell.kind == CellKind::Hour)
        hour_ = cell.value;
    else
        minute_ = cell.value;
    return settle();
}

HoursPicker::Outcome HoursPicker::settle()
{
    if (!hour_ || !minute_)
        return Outcome::Waiting;
    if (*hour_ + *minute_ > 0)
        return Outcome::Taken;
    reset();
    return Outcome::Refused;
}

QString HoursPicker::ZeroDurationMessage()
{
    return u"Dauer muss größer 0 sein"_s;
}
