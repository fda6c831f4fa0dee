#include "korav/reports/core/month_completion.h"

#include "common/clock.h"
#include "common/closed_months.h"
#include "common/data_file_codec.h"
#include "common/file_store.h"
#include "common/fixed_width.h"
#include "common/messenger.h"
#include "common/number_parse.h"
#include "korav/reports/core/month_export.h"
#include "korav/reports/core/report_names.h"
#include "korav/reports/core/year_target_files.h"

using namespace Qt::StringLiterals;

namespace {

bool FifteenMinuteRaster(const StringList& targetRecords)
{
    if (targetRecords.isEmpty())
        return false;
    const QString day = StringList::ValueOf(targetRecords.at(0)).left(5);
    return day.size() == 5 && ParseDecimalInt(day) > 0 && day.startsWith(u'0');
}

} // namespace

MonthCompletion::MonthCompletion(QString dataRoot, bool backupFolder, Messenger& messenger,
    DataFileCodec& codec, const Clock& clock, QDate startDate)
    : dataRoot_(std::move(dataRoot)),
      backupFolder_(backupFolder),
      messenger_(messenger),
      codec_(codec),
      clock_(clock),
      startDate_(startDate)
{
}

void MonthCompletion::Open()
{
    directory_ = LoadEmployeeDirectory(dataRoot_);
    descriptions_ = KoravMonthFile::LoadLines(dataRoot_ + u"dprojekte.kvd"_s);
    fiveMinutes_ = !FifteenMinuteRaster(KoravMonthFile::LoadLines(dataRoot_ + u"zmszsatz.kvd"_s));
    Reset();
}

void MonthCompletion::Reset()
{
    // The shown selection goes with the shown flag, so that a refused
    // choice never blocks showing the previous month again.
    shown_ = false;
    modified_ = false;
    name_.clear();
    month_ = 0;
    year_ = 0;
    record_ = {};
    target_ = {};
}

QString MonthCompletion::monthFilePath() const
{
    return folder_ + KoravMonthFile::FileName(year_, month_, personnelNumber_);
}

// Read at every save, so that a month closed while the dialog is open is
// closed here too.
bool MonthCompletion::shownMonthClosed() const
{
    return shown_
        && ClosedMonths::FromFile(dataRoot_ + QString::fromUtf16(ClosedMonthsFile::kRecord))
               .closes(year_, month_);
}

void MonthCompletion::RefuseClosedMonth() const
{
    messenger_.show(u"Der Monat %1/%2 ist abgeschlossen !\n\nÄnderungen können nicht mehr gespeichert "
                    "werden.  "_s.arg(FixedWidth::TwoDigits(month_), FixedWidth::FourDigits(year_)));
}

bool MonthCompletion::OfferSave(bool entryLinePending)
{
    if (!shown_ || !modified_)
        return true;
    if (backupFolder_) {
        messenger_.show(kBackupFolderMessage.toString());
        return true;
    }
    // Like a backup folder: the changes cannot be kept, and the user must
    // still be able to leave the month.
    if (shownMonthClosed()) {
        RefuseClosedMonth();
        return true;
    }
    if (messenger_.ask(u"Änderungen speichern ?  "_s) != kAnswerYes)
        return true;
    if (entryLinePending
        && messenger_.ask(u"Soll der Inhalt der Erfassungszeile verworfen werden ?  "_s) != kAnswerYes)
        return false;
    return Save();
}

bool MonthCompletion::Show(const QString& name, int month, int year, bool entryLinePending)
{
    if (name.isEmpty() || month < 1 || month > 12 || year < 1) {
        messenger_.show(kChooseMonthMessage.toString());
        return false;
    }
    if (shown_ && name == name_ && month == month_ && year == year_) {
        messenger_.show(u"Die KORAV - Monatswerte von\n\n"_s + name + u"\n\nwerden bereits angezeigt !"_s);
        return false;
    }
    if (!OfferSave(entryLinePending))
        return false;
    Reset();
    const std::optional<QString> number = directory_.personnelNumber(name);
    if (!number || number->isEmpty()) {
        messenger_.show(u"Für den gewählten Mitarbeiter ist keine Personalnummer vorhanden !  "_s);
        return false;
    }
    folder_ = KoravMonthFile::PrepareMonthFolder(dataRoot_, year, month);
    if (FileStore::Exists(folder_ + KoravMonthFile::PelinFileName(year, month, *number))) {
        messenger_.show(u"Für diesen Mitarbeiter und Monat gibt es bereits eine PELIN-Monatsdatei !\n\n"
                        u"Eine zusätzliche KORAV-Monatsdatei kann nicht erstellt werden !  "_s);
        return false;
    }
    personnelNumber_ = *number;
    name_ = name;
    month_ = month;
    year_ = year;
    if (FileStore::Exists(monthFilePath())) {
        fileLines_ = KoravMonthFile::LoadLines(monthFilePath());
    } else {
        messenger_.show(u"Eine KORAV-Monatsdatei wird neu angelegt."_s);
        fileLines_.clear();
    }
    shown_ = true;
    StringList employeeFile;
    codec_.LoadDataFile(dataRoot_ + u"dama.kvd"_s, employeeFile);
    target_ = MonthTargetOf(employeeFile, personnelNumber_, month_, year_, directory_.degree(name_),
        YearFileFullTime(dataRoot_, directory_.shortName(name_), year_, month_));
    record_ = KoravMonthFile::ReadMonth(fileLines_, year_, month_, personnelNumber_);
    modified_ = false;
    return true;
}

void MonthCompletion::SetWorkingTime(const QString& hoursText, const QString& minutesText)
{
    record_.hoursText = hoursText;
    record_.minutesText = minutesText;
    modified_ = true;
}

QList<MonthCompletionRow> MonthCompletion::rows() const
{
    QList<MonthCompletionRow> rows;
    for (const QString& entry : record_.entries) {
        const QString key = StringList::KeyOf(entry);
        rows.append({ key, EntryDurationText(KoravMonthFile::EntryDuration(entry)),
            descriptions_.value(key).left(100) });
    }
    return rows;
}

void MonthCompletion::SetRemark(const QString& remark)
{
    record_.remark = remark.left(60);
    modified_ = true;
}

std::optional<MonthSums> MonthCompletion::UpdateSums()
{
    if (!shown_)
        return std::nullopt;
    const MonthSums sums
        = ComputeMonthSums(record_.hoursText, record_.minutesText, record_.entries, target_.target);
    if (sums.openLimitExceeded)
        messenger_.show(kMonthOpenLimitMessage.toString());
    return sums;
}

bool MonthCompletion::RequireShown()
{
    if (!shown_)
        messenger_.show(kChooseMonthMessage.toString());
    return shown_;
}

bool MonthCompletion::RequireWorkingTime()
{
    if (record_.hoursText.isEmpty())
        messenger_.show(u"Es ist keine Monats-Arbeitszeit eingetragen  "_s);
    return !record_.hoursText.isEmpty();
}

std::optional<EntryFields> MonthCompletion::OpenTime()
{
    if (!RequireShown())
        return std::nullopt;
    const int open = ComputeMonthSums(record_.hoursText, record_.minutesText, record_.entries, 0).open;
    const std::optional<EntryFields> fields = OpenTimeFields(open);
    if (!fields)
        messenger_.show(kNoOpenTimeMessage.toString());
    return fields;
}

AddEntryResult MonthCompletion::AddEntry(
    const QString& key, const QString& hoursText, const QString& minutesText)
{
    if (!RequireShown())
        return { EntryRefusal::None, -1 };
    const AddEntryResult result = AddMonthEntry(record_.entries, key, hoursText, minutesText, clock_.today());
    if (result.refusal != EntryRefusal::None)
        messenger_.show(EntryRefusalMessage(result.refusal));
    else
        modified_ = true;
    return result;
}

qsizetype MonthCompletion::FindRowEntry(const QString& rowKey)
{
    QString key = rowKey.left(14);
    while (key.endsWith(u' '))
        key.chop(1);
    const qsizetype i = IndexOfEntryKey(record_.entries, key);
    if (i < 0)
        messenger_.show(u"Projekt nicht vorhanden  "_s);
    return i;
}

std::optional<EntryFields> MonthCompletion::TakeEntryBack(
    const std::optional<QString>& rowKey, bool entryLinePending)
{
    if (entryLinePending && messenger_.ask(u"Projekt in Eingabebereich verwerfen ?  "_s) != kAnswerYes)
        return std::nullopt;
    if (!rowKey)
        return std::nullopt;
    const qsizetype i = FindRowEntry(*rowKey);
    if (i < 0)
        return std::nullopt;
    const EntryFields fields = FieldsOfEntry(record_.entries.takeAt(i));
    modified_ = true;
    return fields;
}

bool MonthCompletion::RemoveEntry(const QString& rowKey)
{
    const qsizetype i = FindRowEntry(rowKey);
    if (i < 0)
        return false;
    record_.entries.removeAt(i);
    modified_ = true;
    return true;
}

bool MonthCompletion::Save()
{
    if (!shown_)
        return false;
    if (backupFolder_) {
        messenger_.show(kBackupFolderMessage.toString());
        return false;
    }
    if (shownMonthClosed()) {
        RefuseClosedMonth();
        return false;
    }
    if (record_.hoursText.isEmpty()) {
        messenger_.show(u"Es ist keine Arbeitszeit erfasst!"_s);
        return false;
    }
    StringList lines = fileLines_;
    KoravMonthFile::StoreMonth(lines, year_, month_, personnelNumber_, clock_.today(), record_);
    QString error;
    if (!KoravMonthFile::SaveLines(monthFilePath(), lines, &error)) {
        messenger_.show(monthFilePath() + u"\n\n"_s + error);
        return false;
    }
    fileLines_ = lines;
    modified_ = false;
    return true;
}

bool MonthCompletion::ConfirmClose(bool entryLinePending)
{
    if (backupFolder_) {
        messenger_.show(kBackupFolderMessage.toString());
        return true;
    }
    return OfferSave(entryLinePending);
}

QString MonthCompletion::headingText() const
{
    return shown_ ? u' ' + name_ + u"   "_s + monthText().mid(1) : QString();
}

QString MonthCompletion::monthText() const
{
    return shown_ ? u' ' + FixedWidth::TwoDigits(month_) + u" / "_s + FixedWidth::FourDigits(year_)
                  : QString();
}

bool MonthCompletion::ExportText(const FileChooser& choose)
{
    if (!shown_) {
        messenger_.show(u"Es werden keine Monatswerte angezeigt !"_s);
        return false;
    }
    const QTime began = clock_.now().time();
    // A closed month that was only looked at is exported as it stands.
    if (modified_ || !shownMonthClosed())
        Save();
    const OutputMoment moment { startDate_, began };
    const QString monthNumber = QString::number(month_);
    const QString yearNumber = QString::number(year_);
    const QString path
        = choose(u"Speichern als"_s, MonthExportFileName(name_, monthNumber, yearNumber, moment));
    if (path.isEmpty())
        return false;
    const MonthSums sums
        = ComputeMonthSums(record_.hoursText, record_.minutesText, record_.entries, target_.target);
    MonthExportInput in { name_, monthNumber, yearNumber, record_.hoursText, record_.minutesText,
        record_.remark, record_.entries, descriptions_, sums.workingText, target_.label, target_.hint,
        sums.differenceText, sums.workingText, sums.assignedText, sums.openText.value_or(QString()) };
    return SaveMonthExport(path, MonthExportLines(in, moment), messenger_);
}
