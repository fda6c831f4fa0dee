#pragma once

#include "korav/core/dialog_outcome.h"

#include <QStringList>

class BaseDataStore;

// The employee list as the list dialog edits it.
class EmployeeListEditor {
public:
    EmployeeListEditor(const BaseDataStore& store, BaseDataSaved saved);

    // Reloads "zama.kvd" and forgets every change.
    void load();

    const QStringList& names() const { return names_; }
    int selected() const { return selected_; }
    void select(int row);
    bool modified() const { return modified_; }
    const QString& errorText() const { return errorText_; }
    void clearError() { errorText_.clear(); }

    // True when the name was taken into the list.
    bool add(const QString& name);
    void moveUp();
    void moveDown();
    // Asks whether the removed employee's master data go too; they go when
    // the list is saved.
    void remove();
    DialogOutcome save();
    DialogOutcome cancel();

private:
    bool requireSelection();
    void swapWith(int row);
    bool listed(const QString& name) const;
    bool dropRemovedMasterData() const;

    const BaseDataStore& store_;
    BaseDataSaved saved_;
    QStringList names_;
    QStringList dropMasterData_;
    int selected_ = -1;
    bool modified_ = false;
    QString errorText_;
};
