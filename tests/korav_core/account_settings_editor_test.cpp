#include "korav/core/account_settings_editor.h"

#include "common/data_file_codec.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Row = AccountSettingsEditor::Row;

const QDate kStart(2024, 3, 4);

StringList Stored(KoravFixture& f)
{
    StringList lines;
    DataFileCodec(CodecProgram::Korav, f.messenger, [](int) {}).LoadDataFile(f.path(u"zkonto.kvd"_s), lines);
    return lines;
}

void Store(KoravFixture& f, StringList lines)
{
    ASSERT_TRUE(DataFileCodec(CodecProgram::Korav, f.messenger,
        [](int) {}).SaveDataFile(f.path(u"zkonto.kvd"_s), lines));
}

} // namespace

TEST(AccountSettings, SavesTheShownYearScrambledAndKeepsOtherYears)
{
    KoravFixture f;
    Store(f, StringList({ u"2023bert=-1:00#28#0#"_s, u"2024Anna=#30##"_s }));
    int saved = 0;
    AccountSettingsEditor editor(f.store, kStart, [&saved] { ++saved; });
    editor.open({ u"bert"_s, u"Anna"_s, u"Cleo"_s });
    EXPECT_EQ(editor.names(), (QStringList { u"Anna"_s, u"bert"_s, u"Cleo"_s }));
    EXPECT_EQ(editor.row(0), (Row { QString(), u"30"_s, QString() }));
    EXPECT_EQ(editor.row(1), Row {});
    editor.edit(1, AccountSettingsEditor::Opening, u"-12:30"_s);
    editor.edit(1, AccountSettingsEditor::Entitlement, u"27,5"_s);
    editor.edit(1, AccountSettingsEditor::Carried, u"2.5"_s);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(saved, 1);
    EXPECT_TRUE(f.read(u"zkonto.kvd"_s).contains("-CR37P-")); // scrambled like the other data files
    EXPECT_FALSE(f.read(u"zkonto.kvd"_s).contains("bert"));
    EXPECT_EQ(Stored(f).lines(),
        (QStringList { u"2023bert=-1:00#28#0#"_s, u"2024Anna=#30##"_s, u"2024bert=-12:30#27.5#2.5#"_s }));
}

TEST(AccountSettings, UntouchedDialogWritesNothing)
{
    KoravFixture f;
    AccountSettingsEditor editor(f.store, kStart);
    editor.open({ u"Anna"_s });
    editor.edit(0, AccountSettingsEditor::Opening, QString());
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_FALSE(f.tmp.exists(u"daten/zkonto.kvd"_s));
}

TEST(AccountSettings, RefusesMalformedCellsAndWritesNothing)
{
    const struct {
        AccountSettingsEditor::Column column;
        QString typed;
        QString message;
    } cases[] = {
        { AccountSettingsEditor::Opening, u"12,5"_s,
            u"Kontostand: Bitte Stunden und Minuten eingeben!\n( Bsp. -12:30 )  "_s },
        { AccountSettingsEditor::Opening, u"1:75"_s,
            u"Kontostand: Bitte Stunden und Minuten eingeben!\n( Bsp. -12:30 )  "_s },
        { AccountSettingsEditor::Entitlement, u"27,25"_s,
            u"Urlaubsanspruch: Nur ganze und halbe Tage sind möglich!\n( Bsp. 27,5 )  "_s },
        { AccountSettingsEditor::Carried, u"-2"_s,
            u"Resturlaub Vorjahr: Nur ganze und halbe Tage sind möglich!\n( Bsp. 2,5 )  "_s },
    };
    for (const auto& c : cases) {
        KoravFixture f;
        AccountSettingsEditor editor(f.store, kStart);
        editor.open({ u"Anna"_s, u"Bert"_s });
        editor.edit(1, c.column, c.typed);
        EXPECT_EQ(editor.save(), DialogOutcome::Stay) << c.typed.toStdString();
        EXPECT_EQ(f.messenger.messages, QStringList { c.message });
        EXPECT_EQ(editor.faultyCell(), std::pair(1, c.column));
        EXPECT_FALSE(f.tmp.exists(u"daten/zkonto.kvd"_s));
    }
}

TEST(AccountSettings, SwitchingTheYearAsksForTheEditsOfTheShownYear)
{
    KoravFixture f;
    AccountSettingsEditor editor(f.store, kStart);
    editor.open({ u"Anna"_s });
    editor.edit(0, AccountSettingsEditor::Entitlement, u"30"_s);
    f.messenger.answerNext(kAnswerClosed);
    EXPECT_FALSE(editor.showYear(2025));
    EXPECT_EQ(editor.year(), 2024);
    f.messenger.answerNext(kAnswerYes);
    EXPECT_TRUE(editor.showYear(2025));
    EXPECT_EQ(f.messenger.questions.value(1), u" Änderungen für Jahr 2024 speichern ?  "_s);
    EXPECT_EQ(editor.row(0), Row {});
    EXPECT_EQ(Stored(f).lines(), QStringList { u"2024Anna=#30##"_s });
    EXPECT_TRUE(editor.showYear(2024));
    EXPECT_EQ(editor.row(0), (Row { QString(), u"30"_s, QString() }));
}

// Anna's 2023 starts at -1:00 with 28 days; no month of 2023 changed either.
TEST(AccountSettings, EmptyCellsShowWhatTheYearBeforeLeaves)
{
    KoravFixture f;
    f.write(u"zamasta.kvd"_s, kBom + "Anna=Anna Alt#P1#pa#100#\r\nBert=Bert Bau#P2#pb#100#\r\n");
    Store(f, StringList({ u"2023Anna=-1:00#28#0#"_s }));
    AccountSettingsEditor editor(f.store, kStart);
    editor.open({ u"Anna"_s, u"Bert"_s });
    EXPECT_EQ(editor.computed(0), (Row { u"aus dem Vorjahr: -1:00"_s, QString(), u"aus dem Vorjahr: 28"_s }));
    EXPECT_EQ(editor.computed(1), (Row { u"aus dem Vorjahr: 0:00"_s, QString(), u"aus dem Vorjahr: 0"_s }));
}
