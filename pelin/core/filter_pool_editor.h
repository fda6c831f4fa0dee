#pragma once

#include "pelin/core/filter_pool.h"

class Messenger;

// What the filter dialog does to the pool between opening and closing: the
// copy kept for "Nein", and the two flags of the main window.
class FilterPoolEditor {
public:
    enum class CloseResult { Save, Discarded, Unchanged };

    // Starts editing the current pool; keeps a copy to go back to.
    void open(const FilterPool& pool);
    const FilterPool& pool() const { return pool_; }

    // "Angezeigte Auswahl zu Filter addieren" over the numbers of the shown
    // rows, in display order.
    void addShownRows(const QStringList& numbers, int masterLength, Messenger& messenger);
    // "Mark.Zeile löschen"; `index` is -1 without a selected row.
    void deleteMarkedRow(qsizetype index, const QString& shownText, Messenger& messenger);
    // "Filter löschen".
    void deleteAll();
    // "Schließen": asks to save unsaved changes. On Save the caller stores
    // the pool; otherwise the pool is back as it was on opening.
    CloseResult close(Messenger& messenger);

    bool modified() const { return modified_; }
    bool changed() const { return changed_; }
    // Log-out and log-in start over.
    void reset();

private:
    void markChanged();

    FilterPool pool_;
    FilterPool copy_;
    bool modified_ = false;
    bool changed_ = false;
};

// Puts the pool into the personal settings as "projfilter".
void StorePoolInPersonalSettings(StringList& personalSettings, const FilterPool& pool);
