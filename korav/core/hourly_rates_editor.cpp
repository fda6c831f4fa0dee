#include "korav/core/hourly_rates_editor.h"

#include "common/data_file_codec.h"
#include "common/fixed_width.h"
#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/decimal_cell.h"
#include "korav/core/hourly_rates_file.h"
#include "korav/core/personnel_numbers.h"
#include "korav/core/year_targets_file.h"

using namespace Qt::StringLiterals;

namespace {

const QString kForecastRow = u"Prognose"_s;

QString FaultMessage(DecimalCell::Fault fault)
{
    switch (fault) {
    case DecimalCell::Fault::TooLong:
        return u"Stundensatz: Der eingegebene Wert darf maximal 6 Zeichen haben!\n( Bsp. 164,25 )  "_s;
    case DecimalCell::Fault::NotNumeric:
        return u"Stundensatz: Der eingegebene Wert ist nicht numerisch!\n( Bsp. 101,25 )  "_s;
    case DecimalCell::Fault::TooLarge:
        return u"Stundensatz: Der eingegebene Wert muss kleiner 1000 sein!\n( Bsp. 101,25 )  "_s;
    case DecimalCell::Fault::TooManyDecimals:
        return u"Stundensatz-Soll: Maximal 2 Nachkommastellen sind möglich!\n( Bsp. 101,25 )  "_s;
    case DecimalCell::Fault::NotInFiveHundredths:
    case DecimalCell::Fault::None:
        break;
    }
    return {};
}

// Name to personnel number, for every row whose master data carry one. A
// row without number keeps the rows after it from nothing: each shows its
// own rate.
StringList RateNumbers(const BaseDataStore& store, const QStringList& rows)
{
    StringList map(QStringList { kForecastRow + u'=' + QString::fromUtf16(HourlyRatesFile::kForecast) });
    const StringList numbers = KnownPersonnelNumbers(store, rows);
    for (const QString& line : numbers.lines())
        map.append(line);
    return map;
}

} // namespace

HourlyRatesEditor::HourlyRatesEditor(const BaseDataStore& store, int year) : store_(store), year_(year) { }

void HourlyRatesEditor::open(const QStringList& employees)
{
    modified_ = false;
    faultyRow_.reset();
    rows_ = QStringList { kForecastRow } + SortedEmployeeRows(employees);
    numbers_ = RateNumbers(store_, rows_);
    file_.clear();
    DataFileCodec codec(CodecProgram::Korav, store_.messenger());
    codec.LoadDataFile(store_.folder().path(KoravFile::kHourlyRates), file_);
    rates_ = QStringList(rows_.size());
    QStringList withoutNumber;
    for (int row = 0; row < rows_.size(); ++row) {
        const std::optional<QString> number = numberOf(rows_.at(row));
        if (!number) {
            withoutNumber.append(rows_.at(row));
            continue;
        }
        const QString value = HourlyRatesFile::Rate(file_, year_, *number);
        if (value != QString::fromUtf16(YearTargetsFile::kNoTarget))
            rates_[row] = value;
    }
    if (!withoutNumber.isEmpty())
        reportMissingNumber(withoutNumber.join(u", "_s));
}

std::optional<QString> HourlyRatesEditor::numberOf(const QString& name) const
{
    const qsizetype i = numbers_.indexOfKey(name);
    if (i < 0)
        return std::nullopt;
    return StringList::ValueOf(numbers_.at(i)).left(12);
}

void HourlyRatesEditor::reportMissingNumber(const QString& name) const
{
    store_.messenger().show(u"Keine Personalnummer für Mitarbeiter %1 vorhanden  "_s.arg(name));
}

void HourlyRatesEditor::editRate(int row, const QString& text)
{
    rates_[row] = text;
    modified_ = true;
}

bool HourlyRatesEditor::SaveRates()
{
    faultyRow_.reset();
    QStringList lines;
    for (int row = 0; row < rows_.size(); ++row) {
        QString value = QString::fromUtf16(YearTargetsFile::kNoTarget);
        if (!rates_.at(row).isEmpty()) {
            value = DecimalCell::Normalized(rates_.at(row));
            const DecimalCell::Fault fault = DecimalCell::Check(value, false);
            if (fault != DecimalCell::Fault::None) {
                faultyRow_ = row;
                store_.messenger().show(FaultMessage(fault));
                return false;
            }
            rates_[row] = value;
        }
        const std::optional<QString> number = numberOf(rows_.at(row));
        if (!number) {
            reportMissingNumber(rows_.at(row));
            return false;
        }
        lines.append(HourlyRatesFile::Line(year_, *number, value));
    }
    // Rates of other years stay: the project overview of an earlier year
    // still values its hours with them.
    StringList file;
    const QString thisYear = FixedWidth::Digits(year_, 4);
    for (const QString& line : file_.lines()) {
        if (!line.isEmpty() && !line.startsWith(thisYear))
            file.append(line);
    }
    for (const QString& line : std::as_const(lines))
        file.append(line);
    return store_.save(KoravFile::kHourlyRates, file);
}

DialogOutcome HourlyRatesEditor::save()
{
    if (store_.isBackupFolder()) {
        store_.messenger().show(QString::fromUtf16(kBackupFolderRefusal));
        return DialogOutcome::Close;
    }
    if (!modified_)
        return DialogOutcome::Close;
    if (!SaveRates())
        return DialogOutcome::Stay;
    modified_ = false;
    return DialogOutcome::Close;
}

DialogOutcome HourlyRatesEditor::cancel()
{
    if (modified_ && store_.messenger().ask(u"Änderungen verwerfen ?  "_s) != kAnswerYes)
        return DialogOutcome::Stay;
    modified_ = false;
    return DialogOutcome::Close;
}
