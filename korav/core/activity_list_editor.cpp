#include "korav/core/activity_list_editor.h"

#include "common/messenger.h"
#include "korav/core/activity_list_file.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_config.h"

using namespace Qt::StringLiterals;

namespace {

QString Capitalised(const QString& description)
{
    if (description == u"krank"_s)
        return u"Krank"_s;
    if (description == u"urlaub"_s)
        return u"Urlaub"_s;
    if (description == u"pause"_s)
        return u"Pause"_s;
    return description;
}

QString FileOf(ActivityListEditor::Mode mode)
{
    return QString::fromUtf16(
        mode == ActivityListEditor::Mode::Projects ? KoravFile::kProjects : KoravFile::kOtherActivities);
}

bool HasDescription(const StringList& list, const QString& description)
{
    for (const QString& line : list.lines()) {
        if (StringList::ValueOf(line) == description)
            return true;
    }
    return false;
}

} // namespace

ActivityListEditor::ActivityListEditor(const BaseDataStore& store, BaseDataSaved saved)
    : store_(store), saved_(std::move(saved))
{
}

void ActivityListEditor::load(Mode mode)
{
    mode_ = mode;
    number.clear();
    description.clear();
    errorText_.clear();
    focus_ = Focus::Number;
    modified_ = false;
    designationsChanged_ = false;
    config_ = KoravConfig::Load(store_);
    masterLength_ = config_.hasKey(KoravConfig::kMasterPrefixLength)
        ? config_.value(KoravConfig::kMasterPrefixLength)
        : QString();
    designation4_ = KoravConfig::Value(config_, KoravConfig::kCaption4);
    designation5_ = KoravConfig::Value(config_, KoravConfig::kCaption5);
    list_ = ActivityListFile::Load(store_, FileOf(mode));
}

void ActivityListEditor::chooseMasterLength(const QString& length)
{
    masterLength_ = length;
    modified_ = true;
}

QString ActivityListEditor::modeText(const QString& projects, const QString& others) const
{
    return mode_ == Mode::Projects ? projects : others;
}

bool ActivityListEditor::numberRefused()
{
    for (const QChar c : QStringView(number).left(ActivityListFile::kMaxNumber)) {
        if (c == u'#')
            errorText_ = u"Das Zeichen '#' darf nicht verwendet werden!"_s;
        else if (c == u'=')
            errorText_ = u"Das Gleichheitszeichen '=' darf nicht verwendet werden!"_s;
        else if (c == u' ')
            errorText_ = u"Das Leerzeichen ' ' darf nicht verwendet werden!"_s;
        else
            continue;
        return true;
    }
    return false;
}

bool ActivityListEditor::add()
{
    focus_ = Focus::Number;
    if (number.isEmpty() || description.isEmpty()) {
        errorText_ = u" Nummer- oder Beschreibungsfeld ist leer!"_s;
        return false;
    }
    if (numberRefused())
        return false;
    errorText_.clear();
    const QString key = number.left(ActivityListFile::kMaxNumber);
    if (list_.hasKey(key)) {
        errorText_ = modeText(u" Projekt ist in Liste bereits vorhanden !"_s,
            u" Sonstige Tätigkeit ist in Liste bereits vorhanden !"_s);
        return false;
    }
    ActivityListFile::Insert(list_, ActivityListFile::Line(key, Capitalised(description)));
    modified_ = true;
    number.clear();
    description.clear();
    return true;
}

qsizetype ActivityListEditor::lineOfNumber(const QString& rowNumber) const
{
    for (qsizetype i = list_.size() - 1; i >= 0; --i) {
        if (StringList::KeyOf(list_.at(i)).left(ActivityListFile::kMaxNumber) == rowNumber)
            return i;
    }
    return -1;
}

void ActivityListEditor::remove(const std::optional<QString>& rowNumber)
{
    errorText_.clear();
    focus_ = Focus::Number;
    if (!rowNumber) {
        errorText_
            = modeText(u"Es ist kein Projekt markiert"_s, u"Es ist keine Sonstige Tätigkeit markiert"_s);
        return;
    }
    const qsizetype i = lineOfNumber(*rowNumber);
    if (i >= 0)
        list_.removeAt(i);
    modified_ = true;
}

bool ActivityListEditor::take(const std::optional<QString>& rowNumber, bool copy)
{
    errorText_.clear();
    if ((!number.isEmpty() || !description.isEmpty())
        && store_.messenger().ask(modeText(u"Projekt in Eingabebereich verwerfen ?  "_s,
               u"Sonstige Tätigkleiten in Eingabebereich verwerfen ?"_s))
            != kAnswerYes)
        return false;
    if (!rowNumber)
        return true;
    const qsizetype i = lineOfNumber(*rowNumber);
    if (i >= 0) {
        number = StringList::KeyOf(list_.at(i));
        description = StringList::ValueOf(list_.at(i));
        if (!copy)
            list_.removeAt(i);
    }
    modified_ = true;
    return true;
}

bool ActivityListEditor::requiredDescriptionMissing()
{
    const QString required[] = { u"Pause"_s, u"Krank"_s, u"Urlaub"_s, designation4_, designation5_ };
    for (const QString& wanted : required) {
        if (HasDescription(list_, wanted))
            continue;
        store_.messenger().show(u"Es existiert kein Eintrag für '%1'  "_s.arg(wanted.left(kMaxDesignation)));
        description = wanted;
        focus_ = Focus::Number;
        return true;
    }
    return false;
}

DialogOutcome ActivityListEditor::save()
{
    if (store_.isBackupFolder()) {
        store_.messenger().show(QString::fromUtf16(kBackupFolderRefusal));
        return DialogOutcome::Close;
    }
    if (!number.isEmpty() && !description.isEmpty()
        && store_.messenger().ask(modeText(u"Projekt in Eingabebereich verwerfen ?  "_s,
               u"Tätigkeiten in Eingabebereich verwerfen ?  "_s))
            != kAnswerYes)
        return DialogOutcome::Stay;
    if (mode_ == Mode::OtherActivities && requiredDescriptionMissing())
        return DialogOutcome::Stay;
    if (!modified_ && !(mode_ == Mode::OtherActivities && designationsChanged_)) {
        store_.messenger().show(u"Sie haben keine Änderungen vorgenommen  "_s);
        return DialogOutcome::Close;
    }
    if (!writeFiles())
        return DialogOutcome::Stay;
    modified_ = false;
    designationsChanged_ = false;
    if (saved_)
        saved_();
    return DialogOutcome::Close;
}

bool ActivityListEditor::writeFiles()
{
    if (!ActivityListFile::Save(store_, FileOf(mode_), list_))
        return false;
    if (mode_ == Mode::Projects) {
        if (masterLength_.isEmpty())
            masterLength_ = u"5"_s;
        config_.setValue(QString::fromUtf16(KoravConfig::kMasterPrefixLength), masterLength_);
        return KoravConfig::Save(store_, config_);
    }
    if (!designationsChanged_)
        return true;
    config_.setValue(QString::fromUtf16(KoravConfig::kCaption4), designation4_);
    config_.setValue(QString::fromUtf16(KoravConfig::kCaption5), designation5_);
    return KoravConfig::Save(store_, config_);
}

DialogOutcome ActivityListEditor::cancel()
{
    if (!store_.isBackupFolder() && modified_
        && store_.messenger().ask(u"Änderungen verwerfen ?  "_s) != kAnswerYes)
        return DialogOutcome::Stay;
    return DialogOutcome::Close;
}

void ActivityListEditor::beginDesignations()
{
    start4_ = KoravConfig::Value(config_, KoravConfig::kCaption4).left(kMaxDesignation);
    start5_ = KoravConfig::Value(config_, KoravConfig::kCaption5).left(kMaxDesignation);
}

void ActivityListEditor::endDesignations(QString& entry4, QString& entry5)
{
    if (entry4.isEmpty()) {
        store_.messenger().show(
            u"4. Bezeichnung darf nicht leer sein !  \n\nDer Ausgangswert wird verwendet."_s);
        entry4 = start4_;
    }
    if (entry5.isEmpty()) {
        store_.messenger().show(
            u"5. Bezeichnung darf nicht leer sein !  \n\nDer Ausgangswert wird verwendet."_s);
        entry5 = start5_;
    }
    // A change accepted at an earlier opening stays accepted: the
    // configuration list already holds it.
    if (entry4 == start4_ && entry5 == start5_)
        return;
    if (store_.messenger().ask(u"Änderungen übernehmen ?  "_s) != kAnswerYes) {
        entry4 = start4_;
        entry5 = start5_;
        return;
    }
    designation4_ = entry4.left(kMaxDesignation);
    designation5_ = entry5.left(kMaxDesignation);
    config_.setValue(QString::fromUtf16(KoravConfig::kCaption4), designation4_);
    config_.setValue(QString::fromUtf16(KoravConfig::kCaption5), designation5_);
    designationsChanged_ = true;
}
