#include "pelin/core/filter_pool_editor.h"

#include "common/messenger.h"

using namespace Qt::StringLiterals;

void FilterPoolEditor::open(const FilterPool& pool)
{
    pool_ = pool;
    copy_ = pool;
}

void FilterPoolEditor::addShownRows(const QStringList& numbers, int masterLength, Messenger& messenger)
{
    for (const QString& number : numbers) {
        if (pool_.addActivityNumber(number, masterLength) == FilterPool::AddResult::Full)
            messenger.show(u"Es können maximal 20 Einträge verwaltet werden"_s);
    }
    markChanged();
}

void FilterPoolEditor::deleteMarkedRow(qsizetype index, const QString& shownText, Messenger& messenger)
{
    if (index < 0)
        messenger.show(u"Markieren Sie die Zeile, die gelöscht werden soll"_s);
    else if (!pool_.removeAt(index, shownText))
        messenger.show(u"Zeile konnte nicht gelöscht werden"_s);
    markChanged();
}

void FilterPoolEditor::deleteAll()
{
    pool_.clear();
    markChanged();
}

FilterPoolEditor::CloseResult FilterPoolEditor::close(Messenger& messenger)
{
    if (!modified_)
        return CloseResult::Unchanged;
    if (messenger.ask(u"Änderungen speichern ?"_s) == kAnswerYes) {
        modified_ = false;
        copy_ = pool_;
        return CloseResult::Save;
    }
    pool_ = copy_;
    modified_ = false;
    return CloseResult::Discarded;
}

void FilterPoolEditor::reset()
{
    *this = FilterPoolEditor();
}

void FilterPoolEditor::markChanged()
{
    modified_ = true;
    changed_ = true;
}

void StorePoolInPersonalSettings(StringList& personalSettings, const FilterPool& pool)
{
    // An emptied pool is stored empty, so that "Filter löschen" lasts beyond
    // the next log-in.
    personalSettings.setValue(u"projfilter"_s, pool.toSettingValue());
}
