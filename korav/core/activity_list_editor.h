#pragma once

#include "common/string_list.h"
#include "korav/core/dialog_outcome.h"

#include <optional>

class BaseDataStore;

// The projects or the other activities as the activity dialog edits them,
// with the master-number length and the captions of PELIN's fourth and
// fifth quick-entry buttons.
class ActivityListEditor {
public:
    enum class Mode { Projects, OtherActivities };
    enum class Focus { None, Number }; // where the dialog puts the focus afterwards

    static constexpr int kMaxDesignation = 12;

    ActivityListEditor(const BaseDataStore& store, BaseDataSaved saved);

    // Reloads "zconfig.kvd" and the mode's file and forgets every change.
    void load(Mode mode);

    Mode mode() const { return mode_; }
    const StringList& list() const { return list_; }
    const StringList& config() const { return config_; }
    // "1" to "14", or empty while none is chosen.
    const QString& masterLength() const { return masterLength_; }
    void chooseMasterLength(const QString& length);
    const QString& designation4() const { return designation4_; }
    const QString& designation5() const { return designation5_; }
    bool modified() const { return modified_; }
    bool designationsChanged() const { return designationsChanged_; }
    const QString& errorText() const { return errorText_; }
    Focus focus() const { return focus_; }

    // The input area of the dialog.
    QString number;
    QString description;

    // True when the input area was taken into the list.
    bool add();
    // rowNumber: the number of the selected row, nothing without selection.
    void remove(const std::optional<QString>& rowNumber);
    // "Ändern" (copy false) and "Kopieren" (copy true); false when the user
    // keeps the input area.
    bool take(const std::optional<QString>& rowNumber, bool copy);
    DialogOutcome save();
    DialogOutcome cancel();

    // The designations dialog: the start values when it opens, and what
    // closing it does with the two entries.
    void beginDesignations();
    const QString& startDesignation4() const { return start4_; }
    const QString& startDesignation5() const { return start5_; }
    void endDesignations(QString& entry4, QString& entry5);

private:
    QString modeText(const QString& projects, const QString& others) const;
    qsizetype lineOfNumber(const QString& rowNumber) const;
    bool numberRefused();
    bool requiredDescriptionMissing();
    bool writeFiles();

    const BaseDataStore& store_;
    BaseDataSaved saved_;
    Mode mode_ = Mode::Projects;
    StringList list_;
    StringList config_;
    QString masterLength_;
    QString designation4_;
    QString designation5_;
    QString start4_;
    QString start5_;
    bool modified_ = false;
    bool designationsChanged_ = false;
    QString errorText_;
    Focus focus_ = Focus::None;
};
