#pragma once

#include "pelin/core/time_picker_cells.h"

#include <QString>

#include <optional>

// The four time fields of the day sheet, two characters each.
struct ComeGoTexts {
    QString comeHour;
    QString comeMinute;
    QString goHour;
    QString goMinute;
};

// What the come/go picker decides: picked values, label texts, refusals.
class ComeGoPicker {
public:
    explicit ComeGoPicker(bool freeMinutes = true);

    // The fields are read as numbers (empty gives 0). All four 0 picks
    // nothing; otherwise the four values start picked.
    void start(const ComeGoTexts& fields);

    bool freeMinutes() const { return freeMinutes_; }
    std::optional<int> comeHour() const { return comeHour_; }
    std::optional<int> comeMinute() const { return comeMinute_; }
    std::optional<int> goHour() const { return goHour_; }
    std::optional<int> goMinute() const { return goMinute_; }
    bool complete() const { return comeHour_ && comeMinute_ && goHour_ && goMinute_; }

    CellLook look(const PickerCell& cell) const;
    // Picks the cell's value; false when the cell does not react.
    bool click(const PickerCell& cell);

    // `ZeitraumLabel`: "99:99 - 99:99" until all four values are picked.
    QString rangeText() const;
    // `DauerLabel`: "Dauer 99:99" until all four values are picked.
    QString durationText() const;
    // Drawn red: going before coming, or both equal.
    bool durationIsFault() const;

    // "&Übernehmen": the refusal message, or nothing when the fields below
    // hold the times to take.
    std::optional<QString> take();
    ComeGoTexts result() const;

private:
    int effectiveGoMinute() const;
    int durationSlots() const;

    bool freeMinutes_;
    std::optional<int> comeHour_;
    std::optional<int> comeMinute_;
    std::optional<int> goHour_;
    std::optional<int> goMinute_;
};
