#include "pelin/core/time_picker_come_go.h"

#include "common/fixed_width.h"
#include "common/number_parse.h"
#include "common/working_time.h"

using namespace Qt::StringLiterals;

namespace {

bool Holds(const std::optional<int>& picked, int value)
{
    return picked && *picked == value;
}

} // namespace

ComeGoPicker::ComeGoPicker(bool freeMinutes) : freeMinutes_(freeMinutes) { }

void ComeGoPicker::start(const ComeGoTexts& fields)
{
    const int comeHour = ParseDecimalInt(fields.comeHour);
    const int comeMinute = ParseDecimalInt(fields.comeMinute);
    const int goHour = ParseDecimalInt(fields.goHour);
    const int goMinute = ParseDecimalInt(fields.goMinute);
    if (comeHour == 0 && comeMinute == 0 && goHour == 0 && goMinute == 0) {
        comeHour_ = comeMinute_ = goHour_ = goMinute_ = std::nullopt;
        return;
    }
    comeHour_ = comeHour;
    comeMinute_ = comeMinute;
    goHour_ = goHour;
    goMinute_ = goMinute;
}

CellLook ComeGoPicker::look(const PickerCell& cell) const
{
    switch (cell.kind) {
    case CellKind::ComeHour:
        return HourCellLook(ComeGoHourGrey(cell.value), Holds(comeHour_, cell.value));
    case CellKind::GoHour:
        return HourCellLook(ComeGoHourGrey(cell.value), Holds(goHour_, cell.value));
    case CellKind::ComeMinute:
        return MinuteCellLook(cell.value, freeMinutes_, Holds(comeMinute_, cell.value));
    case CellKind::GoMinute:
        return MinuteCellLook(cell.value, freeMinutes_, Holds(goMinute_, cell.value));
    case CellKind::Hour:
    case CellKind::Minute:
        break;
    }
    return { false, false, false, false };
}

bool ComeGoPicker::click(const PickerCell& cell)
{
    if (!look(cell).pickable)
        return false;
    switch (cell.kind) {
    case CellKind::ComeHour:
        comeHour_ = cell.value;
        return true;
    case CellKind::GoHour:
        goHour_ = cell.value;
        return true;
    case CellKind::ComeMinute:
        comeMinute_ = cell.value;
        return true;
    case CellKind::GoMinute:
        goMinute_ = cell.value;
        return true;
    case CellKind::Hour:
    case CellKind::Minute:
        break;
    }
    return false;
}

int ComeGoPicker::effectiveGoMinute() const
{
    return Holds(goHour_, 24) ? 0 : goMinute_.value_or(0);
}

int ComeGoPicker::durationSlots() const
{
    return SlotsOf({ goHour_.value_or(0), effectiveGoMinute() })
        - SlotsOf({ comeHour_.value_or(0), comeMinute_.value_or(0) });
}

QString ComeGoPicker::rangeText() const
{
    if (!complete())
        return u"99:99 - 99:99"_s;
    return FixedWidth::TwoDigits(*comeHour_) + u':' + FixedWidth::TwoDigits(*comeMinute_) + u" - "_s
        + FixedWidth::TwoDigits(*goHour_) + u':' + FixedWidth::TwoDigits(effectiveGoMinute());
}

QString ComeGoPicker::durationText() const
{
    if (!complete())
        return u"Dauer 99:99"_s;
    const int slots = durationSlots();
    if (slots < 0)
        return u"Dauer = Minus!"_s;
    if (slots == 0)
        return u"Dauer = 0!"_s;
    const int minutes = slots * 5;
    return u"Dauer  %1:%2"_s.arg(minutes / 60).arg(FixedWidth::TwoDigits(minutes % 60));
}

bool ComeGoPicker::durationIsFault() const
{
    return complete() && durationSlots() <= 0;
}

std::optional<QString> ComeGoPicker::take()
{
    if (Holds(goHour_, 24))
        goMinute_ = 0;
    if (!complete())
        return u" Arbeitszeit ist unvollständig !  "_s;
    if (!MinutePickable(*comeMinute_, freeMinutes_))
        return u" Min. von : nur 00,15,30,45 zulässig !  "_s;
    if (!MinutePickable(*goMinute_, freeMinutes_))
        return u" Min. bis : nur 00,15,30,45 zulässig !  "_s;
    if (*comeHour_ * 100 + *comeMinute_ >= *goHour_ * 100 + *goMinute_)
        return u"  Termindauer muss größer Null sein !  "_s;
    return std::nullopt;
}

ComeGoTexts ComeGoPicker::result() const
{
    return { FixedWidth::TwoDigits(comeHour_.value_or(0)), FixedWidth::TwoDigits(comeMinute_.value_or(0)),
        FixedWidth::TwoDigits(goHour_.value_or(0)), FixedWidth::TwoDigits(goMinute_.value_or(0)) };
}
