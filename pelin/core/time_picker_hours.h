#pragma once

#include "pelin/core/time_picker_cells.h"

#include <QString>

#include <optional>

// What the hours picker decides for the duration of an activity entry.
class HoursPicker {
public:
    enum class Outcome {
        Ignored, // the cell does not react
        Waiting, // the other value is still to be picked
        Taken, // both picked and above 0: the texts are final
        Refused, // both picked and 0: reset, with the message
    };

    explicit HoursPicker(bool freeMinutes = true);

    void reset();
    bool freeMinutes() const { return freeMinutes_; }
    // "%i" of the hour, "--" while not picked.
    QString hourText() const;
    // "%2.2i" of the minute, "--" while not picked.
    QString minuteText() const;

    CellLook look(const PickerCell& cell) const;
    // A new pick replaces the earlier one of its kind.
    Outcome click(const PickerCell& cell);

    static QString ZeroDurationMessage();

private:
    Outcome settle();

    bool freeMinutes_;
    std::optional<int> hour_;
    std::optional<int> minute_;
};
