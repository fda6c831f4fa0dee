#include "korav/core/target_times_editor.h"

#include "common/messenger.h"
#include "common/number_parse.h"
#include "korav/core/base_data_store.h"
#include "korav/core/decimal_cell.h"
#include "korav/core/employee_list_file.h"
#include "korav/core/master_data_daily_targets.h"
#include "korav/core/personnel_numbers.h"
#include "korav/core/target_records_builder.h"
#include "korav/core/target_records_file.h"
#include "korav/core/year_targets_file.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxRowField = 3;

QString FaultMessage(DecimalCell::Fault fault)
{
    switch (fault) {
    case DecimalCell::Fault::TooLong:
        return u"Monats-Soll: Der eingegebene Wert darf maximal 6 Zeichen haben!\n( Bsp. 164,25 )  "_s;
    case DecimalCell::Fault::NotNumeric:
        return u"Monats-Soll: Der eingegebene Wert ist nicht numerisch!\n( Bsp. 164,25  )"_s;
    case DecimalCell::Fault::TooLarge:
        return u"Monats-Soll: Der eingegebene Wert muss kleiner 1000 sein!\n( Bsp. 164,25  )"_s;
    case DecimalCell::Fault::TooManyDecimals:
        return u"Monats-Soll: Maximal 2 Nachkommastellen sind möglich!\n( Bsp. 164,25 )  "_s;
    case DecimalCell::Fault::NotInFiveHundredths:
        return u"Monats-Soll: Zeiten sind nur in 0,05 - Schritten möglich!\n( Bsp. 164,25 )  "_s;
    case DecimalCell::Fault::None:
        break;
    }
    return {};
}

QString SaveQuestion(int year, bool nextYearWording)
{
    return (nextYearWording ? u" Änderungen für Jahr %1 speichern?"_s
                            : u" Änderungen für Jahr %1 speichern ?  "_s)
        .arg(year, 4, 10, QChar(u'0'));
}

} // namespace

TargetTimesEditor::TargetTimesEditor(const BaseDataStore& store, int startYear, BaseDataSaved saved)
    : store_(store), startYear_(startYear), saved_(std::move(saved))
{
}

std::optional<QStringList> TargetTimesEditor::EmployeesToEdit(const BaseDataStore& store)
{
    return EmployeeListFile::LoadForEditing(store, u"Keine Mitarbeiter-Datei vorhanden"_s);
}

bool TargetTimesEditor::open(const QStringList& employees)
{
    rows_ = SortedEmployeeRows(employees);
    const std::optional<StringList> numbers = BuildPersonnelNumberMap(store_, rows_);
    if (!numbers) {
        store_.messenger().show(u"Mitarbeiter-Personalnummern konnten nicht eingelesen werden !  "_s);
        return false;
    }
    numbers_ = *numbers;
    readDailyPart();
    yearModified_ = targetsModified_ = dailyModified_ = false;
    faultyCell_.reset();
    LoadYearTargets(startYear_);
    return true;
}

void TargetTimesEditor::readDailyPart()
{
    dailyHours_.clear();
    dailyMinutes_.clear();
    fiveMinutes_ = true;
    // An employee's own daily target is not the firm's.
    const QString value = TargetRecordsBuilder::FirmDayPart(TargetRecordsFile::Load(store_),
        TargetRecordsBuilder::OwnTargetNumbers(numbers_, DailyTargetsFile::Load(store_)));
    if (!value.isEmpty()) {
        fiveMinutes_ = value.at(0) != u'0';
        dailyHours_ = QString::number(ParseDecimalInt(value.mid(1, 2)));
        dailyMinutes_ = QString::number(ParseDecimalInt(value.mid(3, 2)));
    }
    fiveMinutesAtShow_ = fiveMinutes_;
}

void TargetTimesEditor::LoadYearTargets(int year)
{
    displayedYear_ = year;
    const StringList file = YearTargetsFile::Load(store_, year);
    cells_.clear();
    for (const QString& name : std::as_const(rows_)) {
        QStringList months;
        for (int month = 1; month <= kMonths; ++month) {
            const QString value = YearTargetsFile::Target(file, year, month, name);
            months.append(value == QString::fromUtf16(YearTargetsFile::kNoTarget) ? QString() : value);
        }
        cells_.append(months);
    }
}

void TargetTimesEditor::editCell(int row, int month, const QString& text)
{
    cells_[row][month - 1] = text;
    yearModified_ = true;
    targetsModified_ = true;
}

void TargetTimesEditor::pickDaily(const QString& hours, const QString& minutes)
{
    dailyHours_ = hours;
    dailyMinutes_ = minutes;
}

bool TargetTimesEditor::refuseCell(int row, int month, const QString& message)
{
    faultyCell_ = Cell { row, month };
    store_.messenger().show(message);
    return false;
}

bool TargetTimesEditor::SaveYearTargets()
{
    faultyCell_.reset();
    StringList file;
    for (int row = 0; row < rows_.size(); ++row) {
        for (int month = 1; month <= kMonths; ++month) {
            QString value = QString::fromUtf16(YearTargetsFile::kNoTarget);
            if (!cell(row, month).isEmpty()) {
                value = DecimalCell::Normalized(cell(row, month));
                const DecimalCell::Fault fault = DecimalCell::Check(value, true);
                if (fault != DecimalCell::Fault::None)
                    return refuseCell(row, month, FaultMessage(fault));
                cells_[row][month - 1] = value;
            }
            file.append(YearTargetsFile::Line(displayedYear_, month, rows_.at(row), value));
        }
    }
    return YearTargetsFile::Save(store_, displayedYear_, file);
}

bool TargetTimesEditor::BuildTargetRecords()
{
    const std::optional<StringList> numbers = BuildPersonnelNumberMap(store_, rows_);
    if (!numbers)
        return false;
    numbers_ = *numbers;
    if (yearModified_ && store_.messenger().ask(SaveQuestion(displayedYear_, false)) == kAnswerYes) {
        if (!SaveYearTargets())
            return false;
        yearModified_ = false;
    }
    if (dailyHours_.isEmpty() || dailyMinutes_.isEmpty()) {
        store_.messenger().show(u"Es ist keine tägliche Soll-Arbeitszeit eingegeben !  "_s);
        return false;
    }
    TargetRecordsBuilder::Sources sources;
    sources.startYear = startYear_;
    sources.rows = rows_;
    sources.numbers = numbers_;
    sources.dailyTargets = DailyTargetsFile::Load(store_);
    sources.firmDayPart = TargetRecordsFile::DayPart(fiveMinutes_, dailyHours_, dailyMinutes_);
    const StringList records = TargetRecordsBuilder::Lines(store_, sources, [this](const QString& name) {
        store_.messenger().show(u"Personalnummer für Mitarbeiter %1 nicht vorhanden !  "_s.arg(name));
    });
    if (!TargetRecordsFile::Save(store_, records))
        return false;
    if (saved_)
        saved_();
    targetsModified_ = false;
    dailyModified_ = false;
    fiveMinutesAtShow_ = fiveMinutes_;
    return true;
}

bool TargetTimesEditor::switchYear(int year, bool nextYearWording)
{
    if (yearModified_) {
        if (store_.messenger().ask(SaveQuestion(displayedYear_, nextYearWording)) == kAnswerYes
            && !SaveYearTargets())
            return false;
        yearModified_ = false;
    }
    LoadYearTargets(year);
    return true;
}

DialogOutcome TargetTimesEditor::save()
{
    if (store_.isBackupFolder()) {
        store_.messenger().show(QString::fromUtf16(kBackupFolderRefusal));
        return DialogOutcome::Close;
    }
    if (dailyHours_.isEmpty() && dailyMinutes_.isEmpty()) {
        store_.messenger().show(u"Es ist keine tägliche Soll-Arbeitszeit angegeben !  "_s);
        return DialogOutcome::Stay;
    }
    if (ParseDecimalInt(dailyHours_) * 60 + ParseDecimalInt(dailyMinutes_) > kMaxDailyMinutes) {
        store_.messenger().show(
            u"Es können maximal 12 Stunden für die tägliche Soll-Arbeitszeit vorgegeben werden !  "_s);
        return DialogOutcome::Stay;
    }
    if (!targetsModified_ && !dailyModified_ && fiveMinutes_ == fiveMinutesAtShow_)
        return DialogOutcome::Close;
    return BuildTargetRecords() ? DialogOutcome::Close : DialogOutcome::Stay;
}

DialogOutcome TargetTimesEditor::cancel()
{
    if (!store_.isBackupFolder() && (yearModified_ || dailyModified_ || fiveMinutes_ != fiveMinutesAtShow_)
        && store_.messenger().ask(u"Änderungen verwerfen ?"_s) != kAnswerYes)
        return DialogOutcome::Stay;
    return DialogOutcome::Close;
}

std::optional<int> TargetTimesEditor::rowNumber(const QString& field) const
{
    const QString digits = field.left(kMaxRowField);
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return digits.isEmpty() ? 0 : digits.toInt();
}

void TargetTimesEditor::copyCells(int from, int to)
{
    cells_[to - 1] = cells_.at(from - 1);
}

bool TargetTimesEditor::copyRow(const QString& from, const QString& to)
{
    const std::optional<int> von = rowNumber(from);
    const std::optional<int> nach = rowNumber(to);
    const int n = int(rows_.size());
    if (von && nach) {
        QString message;
        if (*von < 1 || *von > n)
            message = u"Wert 'von Zeile' muss größer 0 und darf max. gleich Anzahl Mitarbeiter sein  "_s;
        else if (*nach < 1 || *nach > n)
            message = u"Wert 'nach Zeile' muss größer 0 und darf max. gleich Anzahl Mitarbeiter sein  "_s;
        else if (*von == *nach)
            message = u"Wert 'von Zeile' muss ungleich Wert 'nach Zeile' sein  "_s;
        if (!message.isEmpty()) {
            store_.messenger().show(message);
            return false;
        }
        copyCells(*von, *nach);
    }
    yearModified_ = targetsModified_ = true;
    return true;
}

bool TargetTimesEditor::copyRowToAll(const QString& from)
{
    const std::optional<int> von = rowNumber(from);
    const int n = int(rows_.size());
    if (von) {
        if (*von < 1 || *von > n) {
            store_.messenger().show(
                u"Wert 'von Zeile' muss größer 0 und darf max. gleich Anzahl Mitarbeiter sein"_s);
            return false;
        }
        for (int row = 1; row <= n; ++row) {
            if (row != *von)
                copyCells(*von, row);
        }
    }
    yearModified_ = targetsModified_ = true;
    return true;
}
