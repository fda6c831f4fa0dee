#include "pelin/core/filter_pool_store.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(FilterPoolStore, SavedPoolIsWrittenInTheSettingsEncodingAndFilters)
{
    TempFolder dir;
    ScriptedMessenger messenger;
    LoginState state;
    state.personalFolder = dir.path();
    state.personnelNumber = u"4711"_s;
    state.personalSettings = StringList({ u"name=Jürgen"_s, u"projfilter=P1#"_s });
    state.personalSettingsEncoding = TextEncoding::Windows1252;
    state.activityList = StringList({ u"P100=A"_s, u"Q200=B"_s, u"P300=C"_s });

    FilterPoolEditor editor;
    editor.open(FilterPool::FromSettingValue(u"P1#"_s));
    editor.addShownRows({ u"P300"_s }, 4, messenger);
    messenger.answerNext(kAnswerYes);
    TakeFilterDialogResult(state, editor, editor.close(messenger), messenger);

    EXPECT_EQ(dir.read(u"d4711.kvd"_s), QByteArray("name=J\xFCrgen\r\nprojfilter=P1#P300#\r\n"));
    EXPECT_EQ(state.filteredActivities.lines(), (QStringList { u"P100=A"_s, u"P300=C"_s }));
    EXPECT_TRUE(state.changes.filter());

    FilterPoolEditor cancelled;
    cancelled.open(state.filterPool);
    cancelled.deleteAll();
    TakeFilterDialogResult(state, cancelled, FilterPoolEditor::CloseResult::Unchanged, messenger);
    EXPECT_TRUE(state.filterPool.isEmpty()) << "cancelled changes stay in memory";
    EXPECT_EQ(state.filteredActivities.size(), 2) << "and are not applied until saved";
    EXPECT_EQ(dir.read(u"d4711.kvd"_s), QByteArray("name=J\xFCrgen\r\nprojfilter=P1#P300#\r\n"));
}
