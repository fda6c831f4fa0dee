#pragma once

#include "common/string_list.h"
#include "korav/core/dialog_outcome.h"

#include <optional>

class BaseDataStore;

// The hourly rates of the current year: the forecast row, then one row per
// employee.
class HourlyRatesEditor {
public:
    HourlyRatesEditor(const BaseDataStore& store, int year);

    // Builds the rows from the employee list (which may be empty) and reads
    // "zmasatz.kvd"; the rows of employees without personnel number stay
    // empty (with one message naming them), every other row shows its rate.
    void open(const QStringList& employees);

    int year() const { return year_; }
    const QStringList& rows() const { return rows_; }
    const QString& rate(int row) const { return rates_.at(row); }
    void editRate(int row, const QString& text);
    bool modified() const { return modified_; }
    std::optional<int> faultyRow() const { return faultyRow_; }

    bool SaveRates();
    DialogOutcome save();
    DialogOutcome cancel();

private:
    std::optional<QString> numberOf(const QString& name) const;
    void reportMissingNumber(const QString& name) const;

    const BaseDataStore& store_;
    int year_;
    QStringList rows_;
    QStringList rates_;
    StringList numbers_;
    StringList file_;
    bool modified_ = false;
    std::optional<int> faultyRow_;
};
