#pragma once

#include "common/open_time_colours.h"
#include "common/time_format.h"
#include "common/working_time.h"
#include "pelin/core/login_state.h"
#include "pelin/core/pelin_dates.h"

#include <QString>
#include <QStringList>
#include <optional>

class Clock;
class Messenger;

// One row of the day's entry list as shown.
struct DaySheetRow {
    QString number;
    QString duration; // "%3.3s:%2.2s" with leading zeros shown as blanks
    QString description;
};

// The fields of the displayed day and of the entry being edited.
struct DaySheetFields {
    QString comeHour, comeMinute, goHour, goMinute;
    QString remark;
    QString projectNumber, projectDescription;
    QString hoursField, minutesField;
};

// What the day sheet shows of the displayed day's and month's values.
struct DaySheetValues {
    DayValues day;
    DayTexts dayTexts;
    DayOpenColours dayColours;
    MonthValues month;
    MonthTexts monthTexts;
    Rgb monthColour;
    bool limitExceeded = false; // open time and month values were not refreshed
    // The day's breaches of the working-time law's daily limits; a hint
    // only, saving goes on.
    QString lawHint;
};

// The day sheet of the displayed day: its fields, its entry list and every
// action on them. Each change goes into the month list of the displayed
// month at once. The form shows what this holds and opens the pickers.
class DaySheet {
public:
    DaySheet(LoginState& state, PelinDates& dates, const Clock& clock, Messenger& messenger);

    // Written only through the actions below, so that every change of the
    // day is marked as unsaved.
    const DaySheetFields& fields() const { return fields_; }

    // The entries shown in the list; an entry being changed is not among them.
    const QList<MonthFile::ActivityEntryText>& entries() const { return entries_; }
    // The entry that "Ändern" put into the entry fields, until it is entered
    // again or deliberately discarded.
    bool entryBeingChanged() const { return changed_.has_value(); }
    QList<DaySheetRow> rows() const;
    const DaySheetValues& values() const { return values_; }
    qsizetype selectedRow() const { return selected_; }
    bool enterEnabled() const { return enterEnabled_; }
    bool changeEnabled() const { return selected_ >= 0; }
    const QStringList& clipboard() const { return clipboard_; }
    QString pasteHint() const { return pasteHint_; }

    // False after the refusal while the displayed day lies in a closed
    // month: such a day is shown, never changed. Every action that changes
    // the day asks here first; the form asks before it opens a picker.
    bool DayMayBeChanged();

    // Empties the sheet and reads the displayed day from its month list.
    void LoadDisplayedDay();
    // Stores the day when modified, then computes day and month values.
    void ComputeDayValues();
    // Writes the displayed day into the month list when it is modified.
    void StoreDisplayedDay();
    void clear();

    // After the come/go picker closed.
    void TimesPicked(const QString& ch, const QString& cm, const QString& gh, const QString& gm);
    // False after showing why: the caller opens the come/go picker instead.
    bool RemarkMayBeEdited();
    void RemarkTaken(const QString& text);
    // False (after the message) while the day has no attendance.
    bool AttendancePresent();
    void ActivityChosen(const QString& number, const QString& description);
    // After the hours picker closed: the entry's duration, not yet entered.
    void HoursPicked(const QString& hours, const QString& minutes);
    void Select(qsizetype row);

    void OffeneZeitBtnClick();
    void EinfgEintragBtnClick();
    void ChgEintragBtnClick();
    void DelEintragBtnClick();
    void QuickEntry(const QString& caption);
    void CopyTagBtnClick();
    void EinfgBtnClick();
    void ResetTagBtnClick();

private:
    MonthList& displayedMonth();
    int monthTarget() const;
    QString descriptionOf(const QString& number) const;
    bool entryFieldsEmpty() const;
    qsizetype entryIndexOfSelection();
    void modified();
    DayWork workingDay() const;
    QList<MonthFile::ActivityEntryText> entriesToStore() const;
    void putBackChangedEntry();

    // An entry taken out by "Ändern" and where it stood in the list. It stays
    // in the month list until it is entered again or discarded on purpose, so
    // that leaving the day or logging out never loses it.
    struct ChangedEntry {
        MonthFile::ActivityEntryText entry;
        qsizetype index = 0;
    };

    LoginState& state_;
    PelinDates& dates_;
    const Clock& clock_;
    Messenger& messenger_;
    DaySheetFields fields_;
    QList<MonthFile::ActivityEntryText> entries_;
    QStringList clipboard_;
    QString pasteHint_;
    DaySheetValues values_;
    std::optional<ChangedEntry> changed_;
    qsizetype selected_ = -1;
    bool enterEnabled_ = false;
};
