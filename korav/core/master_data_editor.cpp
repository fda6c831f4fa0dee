#include "korav/core/master_data_editor.h"

#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/employee_list_file.h"
#include "korav/core/master_data_daily_targets.h"

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
    dailyTargets_ = DailyTargetsFile::Load(store_);
    changed_ = false;
    dailyChanged_ = false;
    editing_ = false;
    selected_.clear();
    clearEntries();
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

bool MasterDataEditor::select(const QString& name)
{
    errorText_.clear();
    if (editing_ && !storeEditedRecord())
        return false;
    selected_ = name.left(EmployeeListFile::kMaxShortName);
    showSelectedRecord();
    editing_ = true;
    return true;
}

void MasterDataEditor::clearEntries()
{
    entries = {};
    dailyHours.clear();
    dailyMinutes.clear();
}

void MasterDataEditor::showSelectedRecord()
{
    const qsizetype i = records_.indexOfKey(selected_);
    if (i >= 0)
        entries = MasterDataRecord::FromValue(StringList::ValueOf(records_.at(i)));
    else
        entries = { QString(), QString(), QString(), u"100"_s };
    const std::optional<DailyTargetsFile::Target> own = DailyTargetsFile::Of(dailyTargets_, selected_);
    dailyHours = own ? QString::number(own->hours.toInt()) : QString();
    dailyMinutes = own ? own->minutes : QString();
}

bool MasterDataEditor::storeEditedRecord()
{
    const DailyTargetsFile::Checked daily = DailyTargetsFile::Check(dailyHours, dailyMinutes, selected_);
    if (!daily.refusal.isEmpty()) {
        store_.messenger().show(daily.refusal);
        return false;
    }
    const MasterDataRecord record = Normalized(entries);
    const qsizetype i = records_.indexOfKey(selected_);
    if (record.isEmpty() && daily.value.isEmpty()) {
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
    storeDailyTarget(daily.value);
    clearEntries();
    return true;
}

void MasterDataEditor::storeDailyTarget(const QString& value)
{
    const qsizetype i = dailyTargets_.indexOfKey(selected_);
    if (value.isEmpty()) {
        if (i >= 0) {
            dailyTargets_.removeAt(i);
            dailyChanged_ = true;
        }
    } else if (i < 0) {
        dailyTargets_.append(MasterDataLine(selected_, value));
        dailyChanged_ = true;
    } else if (StringList::ValueOf(dailyTargets_.at(i)) != value) {
        dailyTargets_.replace(i, MasterDataLine(StringList::KeyOf(dailyTargets_.at(i)), value));
        dailyChanged_ = true;
    }
}

DialogOutcome MasterDataEditor::save()
{
    if (store_.isBackupFolder()) {
        store_.messenger().show(QString::fromUtf16(kBackupFolderRefusal));
        return DialogOutcome::Close;
    }
    if (editing_) {
        if (!storeEditedRecord())
            return DialogOutcome::Stay;
        showSelectedRecord();
    }
    if (!changed_ && !dailyChanged_) {
        store_.messenger().show(u"Sie haben keine Änderungen vorgenommen.  "_s);
        return DialogOutcome::Close;
    }
    if (changed_ && !store_.save(KoravFile::kMasterData, records_))
        return DialogOutcome::Stay;
    changed_ = false;
    if (dailyChanged_ && !DailyTargetsFile::Save(store_, dailyTargets_))
        return DialogOutcome::Stay;
    dailyChanged_ = false;
    if (saved_)
        saved_();
    return DialogOutcome::Close;
}

DialogOutcome MasterDataEditor::cancel()
{
    // A refused daily target is a change the user may still want to keep.
    const bool refused = editing_ && !storeEditedRecord();
    if ((refused || changed_ || dailyChanged_)
        && store_.messenger().ask(u"Änderungen verwerfen ?  "_s) != kAnswerYes) {
        if (editing_ && !refused)
            showSelectedRecord();
        return DialogOutcome::Stay;
    }
    return DialogOutcome::Close;
}
