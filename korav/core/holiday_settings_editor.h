#pragma once

#include "common/string_list.h"
#include "korav/core/dialog_outcome.h"

#include <array>

class BaseDataStore;

// The country of the public holidays and Germany's six regional holidays,
// kept in "zconfig.kvd".
class HolidaySettingsEditor {
public:
    enum Country : int { kGermany = 0, kAustria = 1, kSwitzerland = 2, kNone = 99 };
    static constexpr int kSwitches = 6;
    using Switches = std::array<bool, kSwitches>;

    HolidaySettingsEditor(const BaseDataStore& store, BaseDataSaved saved);

    // Reloads "zconfig.kvd"; an unknown country code counts as Germany.
    void load();
    const StringList& config() const { return config_; }

    // The radio buttons and the six check boxes as the dialog shows them.
    int country = kGermany;
    Switches switches {};
    // What the check boxes show for a country: Germany's stored switches,
    // or none (the boxes are greyed) for every other code.
    bool switchesEnabled() const { return country == kGermany; }
    void ShowStateHolidays(int code);

    // Puts the dialog's state into the configuration list; true when a line
    // was missing or changed.
    bool CollectHolidaySettings();
    DialogOutcome save();
    DialogOutcome cancel();

private:
    QString SwitchesText() const;

    const BaseDataStore& store_;
    BaseDataSaved saved_;
    StringList config_;
};
