#include "pelin/core/filter_pool_store.h"

#include "common/file_store.h"
#include "common/messenger.h"
#include "pelin/core/personal_settings.h"

#include <QDir>

using namespace Qt::StringLiterals;

void TakeFilterDialogResult(LoginState& state, const FilterPoolEditor& editor,
    FilterPoolEditor::CloseResult result, Messenger& messenger)
{
    state.filterPool = editor.pool();
    if (editor.changed())
        state.changes.filterChanged();
    if (result != FilterPoolEditor::CloseResult::Save)
        return;
    StorePoolInPersonalSettings(state.personalSettings, state.filterPool);
    const QString path
        = QDir(state.personalFolder).filePath(PersonalSettings::FileName(state.personnelNumber));
    TextEncoding used = state.personalSettingsEncoding;
    QString error;
    if (FileStore::WriteText(
            path, state.personalSettings.toText(), state.personalSettingsEncoding, &error, &used))
        state.personalSettingsEncoding = used;
    else
        messenger.show(u"Die Datei %1 konnte nicht gespeichert werden!\n\n%2"_s.arg(path, error));
    state.filteredActivities = FilteredActivityList(state.activityList, state.filterPool);
}
