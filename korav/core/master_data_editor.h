#pragma once

#include "common/string_list.h"
#include "korav/core/dialog_outcome.h"
#include "korav/core/master_data_record.h"

#include <QStringList>
#include <optional>

class BaseDataStore;

// The master data of the employees as the master-data dialog edits them,
// one employee at a time.
class MasterDataEditor {
public:
    MasterDataEditor(const BaseDataStore& store, BaseDataSaved saved);

    // The employee list for the dialog, or nothing (with a message) when the
    // file is missing or the list is empty.
    static std::optional<QStringList> EmployeesToEdit(const BaseDataStore& store);

    // Sorts the list without regard to case, reloads "zamasta.kvd" and
    // forgets every change.
    void load(const QStringList& employees);

    const QStringList& names() const { return names_; }
    const QString& selectedName() const { return selected_; }
    bool editing() const { return editing_; }
    bool changed() const { return changed_ || dailyChanged_; }
    const StringList& records() const { return records_; }
    const StringList& dailyTargets() const { return dailyTargets_; }
    const QString& errorText() const { return errorText_; }

    // The four entries of the dialog.
    MasterDataRecord entries;
    // The employee's own daily target; both empty: the firm's.
    QString dailyHours;
    QString dailyMinutes;

    // False, after telling the user to pick an employee first, while nobody
    // is selected.
    bool requireSelection() const;
    // Stores the entries of the previous employee and shows the chosen one's;
    // false (after the message) when the previous daily target is refused
    // and the previous employee stays selected.
    bool select(const QString& name);
    // False, with the entries kept, when the daily target is refused.
    bool storeEditedRecord();
    DialogOutcome save();
    DialogOutcome cancel();

private:
    void showSelectedRecord();
    void clearEntries();
    void storeDailyTarget(const QString& value);

    const BaseDataStore& store_;
    BaseDataSaved saved_;
    QStringList names_;
    StringList records_;
    StringList dailyTargets_;
    bool dailyChanged_ = false;
    QString selected_;
    bool editing_ = false;
    bool changed_ = false;
    QString errorText_;
};
