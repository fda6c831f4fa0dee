#include "korav/core/account_settings_editor.h"

#include "common/account_rules.h"
#include "common/data_file_codec.h"
#include "common/fixed_width.h"
#include "common/key_index.h"
#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/personnel_numbers.h"
#include "korav/reports/core/account_book.h"
#include "korav/reports/core/account_settings_file.h"

using namespace Qt::StringLiterals;

namespace {

QString Refusal(AccountSettingsEditor::Column column)
{
    switch (column) {
    case AccountSettingsEditor::Opening:
        return u"Kontostand: Bitte Stunden und Minuten eingeben!\n( Bsp. -12:30 )  "_s;
    case AccountSettingsEditor::Entitlement:
        return u"Urlaubsanspruch: Nur ganze und halbe Tage sind möglich!\n( Bsp. 27,5 )  "_s;
    case AccountSettingsEditor::Carried:
        break;
    }
    return u"Resturlaub Vorjahr: Nur ganze und halbe Tage sind möglich!\n( Bsp. 2,5 )  "_s;
}

bool Empty(const AccountSettingsEditor::Row& row)
{
    return std::all_of(row.begin(), row.end(), [](const QString& cell) { return cell.trimmed().isEmpty(); });
}

} // namespace

AccountSettingsEditor::AccountSettingsEditor(const BaseDataStore& store, QDate startDate, BaseDataSaved saved)
    : store_(store),
      saved_(std::move(saved)),
      startDate_(startDate),
      startYear_(startDate.year()),
      year_(startDate.year())
{
}

void AccountSettingsEditor::open(const QStringList& employees)
{
    names_ = SortedEmployeeRows(employees);
    DataFileCodec codec(CodecProgram::Korav, store_.messenger());
    file_ = AccountSettingsFile::Load(store_.folder().root(), codec);
    modified_ = false;
    faultyCell_.reset();
    load(startYear_);
}

void AccountSettingsEditor::load(int year)
{
    year_ = year;
    const KeyIndex index(file_);
    rows_ = QList<Row>(names_.size());
    for (qsizetype i = 0; i < names_.size(); ++i) {
        const std::optional<AccountSettingsFile::Settings> settings
            = AccountSettingsFile::Of(index, year, names_.at(i));
        if (!settings)
            continue;
        rows_[i] = { settings->opening ? AccountRules::BalanceText(*settings->opening) : QString(),
            AccountRules::DaysText(settings->entitlement),
            settings->carried ? AccountRules::DaysText(*settings->carried) : QString() };
    }
    computeDefaults();
}

void AccountSettingsEditor::computeDefaults()
{
    computed_ = QList<Row>(names_.size());
    DataFileCodec codec(CodecProgram::Korav, store_.messenger());
    AccountBook book(store_.folder().root(), codec, startDate_);
    const QString from = u"aus dem Vorjahr: "_s;
    for (qsizetype i = 0; i < names_.size(); ++i) {
        const std::optional<AccountYear> previous = book.previousYear(names_.at(i), year_);
        computed_[i] = { from + AccountRules::BalanceText(previous ? previous->closing() : 0), QString(),
            from + AccountRules::DaysText(previous ? previous->remaining() : 0) };
    }
}

void AccountSettingsEditor::edit(int row, Column column, const QString& text)
{
    if (rows_[row][column] == text)
        return;
    rows_[row][column] = text;
    modified_ = true;
}

bool AccountSettingsEditor::showYear(int year)
{
    if (year == year_)
        return true;
    if (modified_) {
        const int answer = store_.messenger().ask(
            u" Änderungen für Jahr %1 speichern ?  "_s.arg(FixedWidth::FourDigits(year_)));
        if (answer == kAnswerYes && !store())
            return false;
        if (answer != kAnswerYes && answer != kAnswerNo)
            return false;
        modified_ = false;
    }
    load(year);
    return true;
}

// Lines of other years stay as they are; the shown year's lines follow them
// in row order.
bool AccountSettingsEditor::store()
{
    faultyCell_.reset();
    QStringList lines;
    for (int i = 0; i < rows_.size(); ++i) {
        const Row& row = rows_.at(i);
        if (Empty(row))
            continue;
        const QString opening = row[Opening].trimmed();
        const QString entitlement = row[Entitlement].trimmed();
        const QString carried = row[Carried].trimmed();
        AccountSettingsFile::Settings settings;
        settings.opening = AccountRules::ParseBalance(opening);
        settings.carried = AccountRules::ParseDays(carried);
        const std::optional<int> days = entitlement.isEmpty() ? 0 : AccountRules::ParseDays(entitlement);
        const std::optional<Column> fault = !opening.isEmpty() && !settings.opening ? std::optional(Opening)
            : !days                                   ? std::optional(Entitlement)
            : !carried.isEmpty() && !settings.carried ? std::optional(Carried)
                                                      : std::nullopt;
        if (fault) {
            faultyCell_ = { i, *fault };
            store_.messenger().show(Refusal(*fault));
            return false;
        }
        settings.entitlement = *days;
        lines.append(AccountSettingsFile::Line(year_, names_.at(i), settings));
    }
    StringList file;
    const QString thisYear = FixedWidth::FourDigits(year_);
    for (const QString& line : file_.lines()) {
        if (!line.isEmpty() && !line.startsWith(thisYear))
            file.append(line);
    }
    for (const QString& line : std::as_const(lines))
        file.append(line);
    StringList written = file;
    DataFileCodec codec(CodecProgram::Korav, store_.messenger());
    if (!codec.SaveDataFile(store_.folder().path(AccountSettingsFile::kFileName), written))
        return false;
    file_ = file;
    load(year_);
    if (saved_)
        saved_();
    return true;
}

DialogOutcome AccountSettingsEditor::save()
{
    if (store_.isBackupFolder()) {
        store_.messenger().show(QString::fromUtf16(kBackupFolderRefusal));
        return DialogOutcome::Close;
    }
    if (!modified_)
        return DialogOutcome::Close;
    if (!store())
        return DialogOutcome::Stay;
    modified_ = false;
    return DialogOutcome::Close;
}

DialogOutcome AccountSettingsEditor::cancel()
{
    if (modified_ && store_.messenger().ask(u"Änderungen verwerfen ?  "_s) != kAnswerYes)
        return DialogOutcome::Stay;
    modified_ = false;
    return DialogOutcome::Close;
}
