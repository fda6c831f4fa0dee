#include "korav/core/employee_list_editor.h"

#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/employee_list_file.h"
#include "korav/core/master_data_daily_targets.h"

using namespace Qt::StringLiterals;

namespace {

// The text of the first forbidden character among the first ten, if any.
QString ForbiddenCharacterError(QStringView name)
{
    for (const QChar c : name.left(EmployeeListFile::kMaxShortName)) {
        if (c == u'#')
            return u"Das Zeichen '#' darf nicht verwendet werden!"_s;
        if (c == u'=')
            return u"Das Zeichen '=' darf nicht verwendet werden!"_s;
    }
    return {};
}

} // namespace

EmployeeListEditor::EmployeeListEditor(const BaseDataStore& store, BaseDataSaved saved)
    : store_(store), saved_(std::move(saved))
{
}

void EmployeeListEditor::load()
{
    errorText_.clear();
    selected_ = -1;
    modified_ = false;
    dropMasterData_.clear();
    if (!store_.exists(KoravFile::kEmployeeList))
        store_.messenger().show(u"Mitarbeiter-Datei ist nicht vorhanden  "_s);
    names_ = EmployeeListFile::Load(store_);
}

bool EmployeeListEditor::listed(const QString& name) const
{
    return names_.contains(name, Qt::CaseInsensitive);
}

void EmployeeListEditor::select(int row)
{
    selected_ = row >= 0 && row < names_.size() ? row : -1;
}

bool EmployeeListEditor::add(const QString& entry)
{
    errorText_.clear();
    const QString name = entry.left(EmployeeListFile::kMaxShortName);
    if (name.isEmpty()) {
        errorText_ = u"Eingabefeld  'Neuer Mitarbeiter'  ist leer"_s;
        return false;
    }
    if (names_.contains(name)) {
        errorText_ = u" Mitarbeiter  %1  ist bereits vorhanden !"_s.arg(name);
        return false;
    }
    errorText_ = ForbiddenCharacterError(name);
    if (!errorText_.isEmpty())
        return false;
    if (selected_ < 0) {
        names_.append(name);
    } else {
        names_.insert(selected_, name);
        ++selected_;
    }
    modified_ = true;
    return true;
}

bool EmployeeListEditor::requireSelection()
{
    errorText_.clear();
    if (selected_ >= 0)
        return true;
    errorText_ = u"Es ist kein Mitarbeiter markiert"_s;
    return false;
}

void EmployeeListEditor::swapWith(int row)
{
    if (row < 0 || row >= names_.size())
        return;
    names_.swapItemsAt(selected_, row);
    selected_ = row;
    modified_ = true;
}

void EmployeeListEditor::moveUp()
{
    if (requireSelection())
        swapWith(selected_ - 1);
}

void EmployeeListEditor::moveDown()
{
    if (requireSelection())
        swapWith(selected_ + 1);
}

void EmployeeListEditor::remove()
{
    if (!requireSelection())
        return;
    const QString name = names_.takeAt(selected_);
    selected_ = -1;
    modified_ = true;
    // Records are looked up without regard to case: another entry may still
    // use this one.
    if (listed(name) || !store_.load(KoravFile::kMasterData).hasKey(name))
        return;
    if (store_.messenger().ask(u"Die Stammdaten von %1 ebenfalls löschen ?  "_s.arg(name)) == kAnswerYes)
        dropMasterData_.append(name);
}

bool EmployeeListEditor::dropRemovedMasterData() const
{
    bool dropped = false;
    StringList records = store_.load(KoravFile::kMasterData);
    StringList dailyTargets = DailyTargetsFile::Load(store_);
    bool droppedDaily = false;
    for (const QString& name : dropMasterData_) {
        if (listed(name))
            continue;
        for (qsizetype i = records.indexOfKey(name); i >= 0; i = records.indexOfKey(name)) {
            records.removeAt(i);
            dropped = true;
        }
        for (qsizetype i = dailyTargets.indexOfKey(name); i >= 0; i = dailyTargets.indexOfKey(name)) {
            dailyTargets.removeAt(i);
            droppedDaily = true;
        }
    }
    return (!dropped || store_.save(KoravFile::kMasterData, records))
        && (!droppedDaily || DailyTargetsFile::Save(store_, dailyTargets));
}

DialogOutcome EmployeeListEditor::save()
{
    Messenger& messenger = store_.messenger();
    if (store_.isBackupFolder()) {
        messenger.show(QString::fromUtf16(kBackupFolderRefusal));
        return DialogOutcome::Close;
    }
    errorText_.clear();
    if (names_.isEmpty()) {
        messenger.show(u"Sie müssen mindestens 1 Mitarbeiter eintragen !  "_s);
        return DialogOutcome::Stay;
    }
    if (!modified_) {
        messenger.show(u"Sie haben keine Änderungen vorgenommen  "_s);
        return DialogOutcome::Close;
    }
    if (!EmployeeListFile::Save(store_, names_) || !dropRemovedMasterData())
        return DialogOutcome::Stay;
    modified_ = false;
    dropMasterData_.clear();
    if (saved_)
        saved_();
    messenger.show(u"Die geänderte Mitarbeiterliste wurde gespeichert !\n\nÜberprüfen Sie \n\n"
                   u"  Mitarbeiter-Stammdaten und\n  Arbeits - Sollzeiten\n\nauf Vollständigkeit !"_s);
    return DialogOutcome::Close;
}

DialogOutcome EmployeeListEditor::cancel()
{
    if (modified_ && store_.messenger().ask(u"Änderungen verwerfen ?  "_s) != kAnswerYes)
        return DialogOutcome::Stay;
    return DialogOutcome::Close;
}
