#include "korav/core/employee_list_editor.h"

#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/employee_list_file.h"

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
    if (!store_.exists(KoravFile::kEmployeeList))
        store_.messenger().show(u"Mitarbeiter-Datei ist nicht vorhanden  "_s);
    names_ = EmployeeListFile::Load(store_);
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
    names_.removeAt(selected_);
    selected_ = -1;
    modified_ = true;
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
    if (!EmployeeListFile::Save(store_, names_))
        return DialogOutcome::Stay;
    modified_ = false;
    if (saved_)
        saved_();
    messenger.show(u"Die geänderte Mitarbeiterliste wurde gespeichert !\n\nÜberpüfen Sie \n\n"
                   u"  Mitarbeiter-Stammdaten und\n  Arbeits - Sollzeiten\n\nauf Vollständigkeit !"_s);
    return DialogOutcome::Close;
}

DialogOutcome EmployeeListEditor::cancel()
{
    if (modified_ && store_.messenger().ask(u"Änderungen verwerfen ?  "_s) != kAnswerYes)
        return DialogOutcome::Stay;
    return DialogOutcome::Close;
}
