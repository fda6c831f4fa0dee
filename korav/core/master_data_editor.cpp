#include "korav/core/master_data_editor.h"

#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/employee_list_file.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A "#" inside a field would shift every following field of the record.
QString WithoutHash(QString text)
{
    return text.remove(u'#');
}

MasterDataRecord Normalized(const MasterDataRecord& entries)
{
    QString degree = WithoutHash(entries.degree).left(MasterDataRecord::kMaxDegree);
    degree.replace(u',', u'.');
    return { WithoutHash(entries.longName), WithoutHash(entries.personnelNumber),
        WithoutHash(entries.password), degree };
}

} // namespace

MasterDataEditor::MasterDataEditor(const BaseDataStore& store, BaseDataSaved saved)
    : store_(store), saved_(std::move(saved))
{
}

std::optional<QStringList> MasterDataEditor::EmployeesToEdit(const BaseDataStore& store)
{
    return EmployeeListFile::LoadForEditing(store, u"Keine Mitarbeiter-Datei vorhanden!  "_s);
}

void MasterDataEditor::load(const QStringList& employees)
{
    names_ = employees;
    std::stable_sort(names_.begin(), names_.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    records_ = store_.load(KoravFile::kMasterData);
    changed_ = false;
    editing_ = false;
    selected_.clear();
    entries = {};
    errorText_ = u"<<<  Wählen Sie einen Mitarbeiter mit Mausklick aus.            "_s;
}

bool MasterDataEditor::requireSelection() const
{
    if (editing_)
        return true;
    store_.messenger().show(
        u"Wählen Sie einen Mitarbeiter in der Liste aus,  \n\num seine Stammdaten zu bearbeiten!"_s);
    return false;
}

void MasterDataEditor::select(const QString& name)
{
    errorText_.clear();
    if (editing_)
        storeEditedRecord();
    selected_ = name.left(EmployeeListFile::kMaxShortName);
    showSelectedRecord();
    editing_ = true;
}

void MasterDataEditor::showSelectedRecord()
{
    const qsizetype i = records_.indexOfKey(selected_);
    if (i >= 0)
        entries = MasterDataRecord::FromValue(StringList::ValueOf(records_.at(i)));
    else
        entries = { QString(), QString(), QString(), u"100"_s };
}

void MasterDataEditor::storeEditedRecord()
{
    const MasterDataRecord record = Normalized(entries);
    const qsizetype i = records_.indexOfKey(selected_);
    if (record.isEmpty()) {
        if (i >= 0) {
            records_.removeAt(i);
            changed_ = true;
        }
    } else {
        const QString line = MasterDataLine(selected_, record.toValue());
        if (i < 0) {
            records_.append(line);
            changed_ = true;
        } else if (StringList::ValueOf(records_.at(i)) != StringList::ValueOf(line)) {
            records_.replace(i, MasterDataLine(StringList::KeyOf(records_.at(i)), record.toValue()));
            changed_ = true;
        }
    }
    entries = {};
}

DialogOutcome MasterDataEditor::save()
{
    if (store_.isBackupFolder()) {
        store_.messenger().show(QString::fromUtf16(kBackupFolderRefusal));
        return DialogOutcome::Close;
    }
    if (editing_) {
        storeEditedRecord();
        showSelectedRecord();
    }
    if (!changed_) {
        store_.messenger().show(u"Sie haben keine Änderungen vorgenommen.  "_s);
        return DialogOutcome::Close;
    }
    if (!store_.save(KoravFile::kMasterData, records_))
        return DialogOutcome::Stay;
    changed_ = false;
    if (saved_)
        saved_();
    return DialogOutcome::Close;
}

DialogOutcome MasterDataEditor::cancel()
{
    if (editing_)
        storeEditedRecord();
    if (changed_ && store_.messenger().ask(u"Änderungen verwerfen ?  "_s) != kAnswerYes) {
        if (editing_)
            showSelectedRecord();
        return DialogOutcome::Stay;
    }
    return DialogOutcome::Close;
}
