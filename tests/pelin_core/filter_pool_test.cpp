#include "common/string_list.h"
#include "pelin/core/filter_pool.h"
#include "pelin/core/filter_pool_editor.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kFull = u"Es können maximal 20 Einträge verwaltet werden"_s;

FilterPool PoolOf(const QString& value)
{
    return FilterPool::FromSettingValue(value);
}

} // namespace

TEST(FilterPool, StoredValueSplitsIntoEntriesAndBack)
{
    const FilterPool pool = PoolOf(u"abcd#12345678901234#zz#"_s);
    EXPECT_EQ(pool.entries(), (QStringList { u"12345678901234"_s, u"abcd"_s, u"zz"_s }));
    EXPECT_EQ(pool.toSettingValue(), u"12345678901234#abcd#zz#"_s);
    EXPECT_EQ(PoolOf(u"123456789012345678#"_s).entries(), QStringList { u"12345678901234"_s });
    EXPECT_TRUE(PoolOf(u""_s).isEmpty());
}

TEST(FilterPool, AddingCutsToTheMasterLengthAndSkipsCoveredNumbers)
{
    ScriptedMessenger messenger;
    FilterPoolEditor editor;
    editor.addShownRows({ u"12345-01"_s, u"12345-02"_s, u"12399"_s }, 5, messenger);
    EXPECT_EQ(editor.pool().entries(), (QStringList { u"12345"_s, u"12399"_s }));

    FilterPoolEditor other;
    other.open(PoolOf(u"123#"_s));
    other.addShownRows({ u"12345"_s, u"12"_s, u"AB   "_s }, 5, messenger);
    EXPECT_EQ(other.pool().entries(), (QStringList { u"12"_s, u"123"_s, u"AB"_s }));
    EXPECT_TRUE(messenger.all.isEmpty());
    EXPECT_TRUE(other.modified());
    EXPECT_TRUE(other.changed());
}

TEST(FilterPool, NumberTheStoredValueCannotCarryAddsNothing)
{
    ScriptedMessenger messenger;
    FilterPoolEditor editor;
    editor.addShownRows({ u""_s, u"   "_s, u"#'"_s, u"P1"_s }, 5, messenger);
    EXPECT_EQ(editor.pool().entries(), QStringList { u"P1"_s });
    EXPECT_EQ(PoolOf(editor.pool().toSettingValue()), editor.pool());
}

TEST(FilterPool, TwentyFirstEntryIsRefusedOncePerRow)
{
    ScriptedMessenger messenger;
    FilterPoolEditor editor;
    QStringList rows;
    for (int i = 10; i < 32; ++i)
        rows.append(QString::number(i));
    editor.addShownRows(rows, 5, messenger);
    EXPECT_EQ(editor.pool().size(), 20);
    EXPECT_EQ(messenger.messages, (QStringList { kFull, kFull }));
}

TEST(FilterPool, FilteredListKeepsMatchingLinesOnceInOrder)
{
    const StringList activities(
        { u"20001=Wartung"_s, u"10001=Labor"_s, u"10002=Büro"_s, u"30001=Pause"_s, u"10001=Labor"_s });
    const StringList filtered = FilteredActivityList(activities, PoolOf(u"100#2#"_s));
    EXPECT_EQ(filtered.lines(), (QStringList { u"10001=Labor"_s, u"10002=Büro"_s, u"20001=Wartung"_s }));

    const StringList none = FilteredActivityList(activities, PoolOf(u"9#"_s));
    EXPECT_EQ(&ChooserActivities(true, none, activities), &activities);
    EXPECT_EQ(&ChooserActivities(false, filtered, activities), &activities);
    EXPECT_EQ(&ChooserActivities(true, filtered, activities), &filtered);
}

TEST(FilterPool, SearchRunsOverTheRowText)
{
    EXPECT_EQ(FilterRowText(u"123"_s, u"Laborarbeit"_s), u"123             Laborarbeit"_s);
    EXPECT_EQ(ChooserRowText(u"123"_s, u"Laborarbeit"_s), u"123              Laborarbeit"_s);
    EXPECT_TRUE(RowMatchesSearch(ChooserRowText(u"1"_s, u"Laborarbeit"_s), u"ab"_s));
    EXPECT_TRUE(RowMatchesSearch(FilterRowText(u"1"_s, u"x"_s), u""_s));
    EXPECT_FALSE(RowMatchesSearch(FilterRowText(u"1"_s, u"Labor"_s), u"ab x"_s));
    EXPECT_TRUE(RowMatchesSearch(FilterRowText(u"1"_s, u"x"_s), u"1             x"_s))
        << "number padded to 14";
}

TEST(FilterPoolEditor, DeletingAndClosing)
{
    ScriptedMessenger messenger;
    FilterPoolEditor editor;
    editor.open(PoolOf(u"12#34#"_s));
    editor.deleteMarkedRow(-1, {}, messenger);
    editor.deleteMarkedRow(0, u"34"_s, messenger);
    EXPECT_EQ(messenger.messages,
        (QStringList { u"Markieren Sie die Zeile, die gelöscht werden soll"_s,
            u"Zeile konnte nicht gelöscht werden"_s }));
    editor.deleteMarkedRow(1, u"34"_s, messenger);
    EXPECT_EQ(editor.pool().entries(), QStringList { u"12"_s });

    messenger.answerNext(kAnswerClosed);
    EXPECT_EQ(editor.close(messenger), FilterPoolEditor::CloseResult::Discarded);
    EXPECT_EQ(messenger.questions, QStringList { u"Änderungen speichern ?"_s });
    EXPECT_EQ(editor.pool().entries(), (QStringList { u"12"_s, u"34"_s })) << "back as on opening";
    EXPECT_FALSE(editor.modified());
    EXPECT_TRUE(editor.changed());
    EXPECT_EQ(editor.close(messenger), FilterPoolEditor::CloseResult::Unchanged);

    editor.deleteAll();
    messenger.answerNext(kAnswerYes);
    EXPECT_EQ(editor.close(messenger), FilterPoolEditor::CloseResult::Save);
    StringList settings({ u"other=1"_s, u"projfilter=12#34#"_s });
    StorePoolInPersonalSettings(settings, editor.pool());
    EXPECT_EQ(settings.lines(), (QStringList { u"other=1"_s, u"projfilter="_s }));
}
