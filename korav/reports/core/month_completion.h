#pragma once

#include "common/string_list.h"
#include "korav/reports/core/employee_directory.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/month_entries.h"
#include "korav/reports/core/month_sums.h"
#include "korav/reports/core/month_target.h"
#include "korav/reports/core/report_selection.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

class Clock;
class DataFileCodec;
class Messenger;

// One row of the entry list as shown.
struct MonthCompletionRow {
    QString key;
    QString duration; // "HHH:MM", leading zeros blanked
    QString description;
};

// The month completion of an employee without PELIN, without its window:
// which month is shown, its fields and entries, and every refusal, question
// and save on the way. The dialog shows what this holds.
class MonthCompletion {
public:
    // `dataRoot` is the data folder with its trailing separator.
    MonthCompletion(QString dataRoot, bool backupFolder, Messenger& messenger, DataFileCodec& codec,
        const Clock& clock, QDate startDate);

    // Reloads the master data, the activity descriptions and the minute
    // precision, and shows nothing.
    void Open();
    const EmployeeDirectory& directory() const { return directory_; }
    const StringList& descriptions() const { return descriptions_; }
    // Once the chooser was used its list serves the descriptions.
    void SetDescriptions(const StringList& descriptions) { descriptions_ = descriptions; }
    bool fiveMinutePrecision() const { return fiveMinutes_; }

    // `entryLinePending`: the entry line holds a key and a duration.
    bool Show(const QString& name, int month, int year, bool entryLinePending);
    bool isShown() const { return shown_; }
    bool isModified() const { return modified_; }
    const QString& shownName() const { return name_; }
    int shownMonth() const { return month_; }
    int shownYear() const { return year_; }
    QString monthFilePath() const;

    const KoravMonthFile::MonthRecord& record() const { return record_; }
    const MonthTarget& target() const { return target_; }
    QList<MonthCompletionRow> rows() const;
    void SetWorkingTime(const QString& hoursText, const QString& minutesText);
    void SetRemark(const QString& remark);
    // The entry line's duration was set: a pending entry is offered before
    // the month is left.
    void EntryTimeChanged() { modified_ = true; }

    // The totals, with the message of the open-time limit; nothing while no
    // month is shown.
    std::optional<MonthSums> UpdateSums();
    // Needs a shown month; says so otherwise.
    bool RequireShown();
    // Activities are assigned to the month's working time: needs it, says so
    // otherwise.
    bool RequireWorkingTime();
    std::optional<EntryFields> OpenTime();
    AddEntryResult AddEntry(const QString& key, const QString& hoursText, const QString& minutesText);
    // Asks first when the entry line holds something; without a selected row
    // (`rowKey` missing) nothing more happens.
    std::optional<EntryFields> TakeEntryBack(const std::optional<QString>& rowKey, bool entryLinePending);
    bool RemoveEntry(const QString& rowKey);

    // Refused in a backup folder and for a closed month.
    bool Save();
    // Offers to save a modified month; false when the user keeps the dialog.
    bool ConfirmClose(bool entryLinePending);

    using FileChooser = std::function<QString(const QString& title, const QString& proposedName)>;
    // The text export: saves first, then asks for the file.
    bool ExportText(const FileChooser& choose);

    // " %s   %2.2i / %4.4i", " %2.2i / %4.4i"; empty while nothing is shown.
    QString headingText() const;
    QString monthText() const;

private:
    void Reset();
    bool OfferSave(bool entryLinePending);
    bool shownMonthClosed() const;
    void RefuseClosedMonth() const;
    qsizetype FindRowEntry(const QString& rowKey);

    QString dataRoot_;
    bool backupFolder_;
    Messenger& messenger_;
    DataFileCodec& codec_;
    const Clock& clock_;
    QDate startDate_;

    EmployeeDirectory directory_;
    StringList descriptions_;
    bool fiveMinutes_ = true;

    bool shown_ = false;
    bool modified_ = false;
    QString name_;
    QString personnelNumber_;
    int month_ = 0;
    int year_ = 0;
    QString folder_;
    StringList fileLines_;
    KoravMonthFile::MonthRecord record_;
    MonthTarget target_;
};

inline constexpr QStringView kChooseMonthMessage = u"Wählen Sie einen Mitarbeiter und einen Zeitraum aus !  ";
inline constexpr QStringView kBackupFolderMessage
    = u"In einen Sicherungsordner können keine Daten gespeichert werden!";
