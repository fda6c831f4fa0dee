#include "korav/core/master_data_editor.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class MasterData : public ::testing::Test {
protected:
    MasterData()
    {
        f.write(u"zamasta.kvd"_s, kBom + "Bert=Bert Berg#P2#pw2#50#\r\n");
        editor.load({ u"carl"_s, u"Bert"_s, u"anna"_s });
    }

    KoravFixture f;
    int savedCalls = 0;
    MasterDataEditor editor { f.store, [this] { ++savedCalls; } };
};

} // namespace

TEST_F(MasterData, ListIsSortedWithoutRegardToCaseAndAsksForAChoice)
{
    EXPECT_EQ(editor.names(), (QStringList { u"anna"_s, u"Bert"_s, u"carl"_s }));
    EXPECT_EQ(editor.errorText(), u"<<<  Wählen Sie einen Mitarbeiter mit Mausklick aus.            "_s);
    EXPECT_FALSE(editor.requireSelection());
    EXPECT_EQ(f.messenger.all,
        QStringList {
            u"Wählen Sie einen Mitarbeiter in der Liste aus,  \n\num seine Stammdaten zu bearbeiten!"_s });
}

TEST_F(MasterData, MissingOrEmptyEmployeeListOpensNothing)
{
    KoravFixture empty;
    EXPECT_FALSE(MasterDataEditor::EmployeesToEdit(empty.store));
    empty.write(u"zama.kvd"_s, kBom);
    EXPECT_FALSE(MasterDataEditor::EmployeesToEdit(empty.store));
    EXPECT_EQ(empty.messenger.all,
        (QStringList { u"Keine Mitarbeiter-Datei vorhanden!  "_s, u"Mitarbeiter-Liste ist leer  "_s }));
}

TEST_F(MasterData, SelectingShowsTheRecordOrADefaultDegree)
{
    editor.select(u"BERT"_s);
    EXPECT_EQ(editor.entries, (MasterDataRecord { u"Bert Berg"_s, u"P2"_s, u"pw2"_s, u"50"_s }));
    editor.select(u"anna"_s);
    EXPECT_EQ(editor.entries, (MasterDataRecord { {}, {}, {}, u"100"_s }));
    EXPECT_FALSE(editor.changed());
}

TEST_F(MasterData, SelectingAndLeavingCreatesTheHundredRecord)
{
    editor.select(u"anna"_s);
    editor.select(u"Bert"_s);
    EXPECT_TRUE(editor.changed());
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zamasta.kvd"_s), kBom + "Bert=Bert Berg#P2#pw2#50#\r\nanna=###100#\r\n");
    EXPECT_EQ(savedCalls, 1);
}

TEST_F(MasterData, DecimalCommaIsStoredAsPointAndHashesCannotShiftFields)
{
    editor.select(u"carl"_s);
    editor.entries = { u"Carl #Clausen"_s, u"P3"_s, u"g#h"_s, u"62,5"_s };
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(
        f.read(u"zamasta.kvd"_s), kBom + "Bert=Bert Berg#P2#pw2#50#\r\ncarl=Carl Clausen#P3#gh#62.5#\r\n");
}

TEST_F(MasterData, ChangedValueReplacesTheLineInPlaceAndEmptyEntriesRemoveIt)
{
    f.write(u"zamasta.kvd"_s, kBom + "Bert=Bert Berg#P2#pw2#50#\r\nanna=A#P1#x#100#\r\n");
    editor.load({ u"anna"_s, u"Bert"_s });
    editor.select(u"Bert"_s);
    editor.entries.degree = u"75"_s;
    editor.select(u"anna"_s);
    editor.entries = {};
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zamasta.kvd"_s), kBom + "Bert=Bert Berg#P2#pw2#75#\r\n");
}

TEST_F(MasterData, SaveWithoutChangesSaysSoAndWritesNothing)
{
    editor.select(u"Bert"_s);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.messenger.all, QStringList { u"Sie haben keine Änderungen vorgenommen.  "_s });
    EXPECT_EQ(savedCalls, 0);
}

TEST_F(MasterData, CancelAsksAndNoKeepsTheEdits)
{
    editor.select(u"Bert"_s);
    editor.entries.longName = u"Bertram"_s;
    EXPECT_EQ(editor.cancel(), DialogOutcome::Stay);
    EXPECT_EQ(f.messenger.questions, QStringList { u"Änderungen verwerfen ?  "_s });
    EXPECT_EQ(editor.entries.longName, u"Bertram"_s);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zamasta.kvd"_s), kBom + "Bert=Bertram#P2#pw2#50#\r\n");
}

TEST_F(MasterData, CancelWithYesWritesNothing)
{
    editor.select(u"anna"_s);
    f.messenger.answerNext(kAnswerYes);
    EXPECT_EQ(editor.cancel(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zamasta.kvd"_s), kBom + "Bert=Bert Berg#P2#pw2#50#\r\n");
}

TEST_F(MasterData, OwnDailyTargetGoesIntoItsOwnFileAndEmptyRemovesIt)
{
    editor.select(u"Bert"_s);
    EXPECT_TRUE(editor.dailyHours.isEmpty());
    editor.dailyHours = u"4"_s;
    editor.dailyMinutes = u"5"_s;
    editor.select(u"anna"_s);
    editor.entries = {};
    editor.dailyHours = u"12"_s;
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zamasta.kvd"_s), kBom + "Bert=Bert Berg#P2#pw2#50#\r\nanna=####\r\n");
    EXPECT_EQ(f.read(u"zmatagsoll.kvd"_s), kBom + "Bert=0405\r\nanna=1200\r\n");
    EXPECT_EQ(savedCalls, 1);

    editor.load({ u"anna"_s, u"Bert"_s });
    editor.select(u"Bert"_s);
    EXPECT_EQ(editor.dailyHours, u"4"_s);
    EXPECT_EQ(editor.dailyMinutes, u"05"_s);
    editor.dailyHours.clear();
    editor.dailyMinutes.clear();
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zmatagsoll.kvd"_s), kBom + "anna=1200\r\n");
    EXPECT_EQ(f.read(u"zamasta.kvd"_s), kBom + "Bert=Bert Berg#P2#pw2#50#\r\nanna=####\r\n");
}

TEST_F(MasterData, WithoutOwnDailyTargetsNoFileIsWritten)
{
    editor.select(u"Bert"_s);
    editor.entries.degree = u"60"_s;
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_FALSE(f.tmp.exists(u"daten/zmatagsoll.kvd"_s));
}

TEST_F(MasterData, RefusedDailyTargetKeepsTheEmployeeSelected)
{
    const struct {
        QString hours;
        QString minutes;
        QString message;
    } cases[] = {
        { u"4a"_s, u"00"_s,
            u"Die tägliche Soll-Arbeitszeit von Bert ist nicht numerisch !\n\n( Mitarbeiter-Stammdaten  )"_s },
        { u"4"_s, u"07"_s,
            u"Die Minuten der täglichen Soll-Arbeitszeit von Bert sind nur in 5-Minuten-Schritten bis 55 "
            u"möglich !\n\n( Mitarbeiter-Stammdaten  )"_s },
        { u"4"_s, u"60"_s,
            u"Die Minuten der täglichen Soll-Arbeitszeit von Bert sind nur in 5-Minuten-Schritten bis 55 "
            u"möglich !\n\n( Mitarbeiter-Stammdaten  )"_s },
        { u"12"_s, u"05"_s,
            u"Es können maximal 12 Stunden für die tägliche Soll-Arbeitszeit vorgegeben werden !  "_s },
        { u"100"_s, u""_s,
            u"Es können maximal 12 Stunden für die tägliche Soll-Arbeitszeit vorgegeben werden !  "_s },
        { u"0"_s, u"00"_s,
            u"Die tägliche Soll-Arbeitszeit von Bert muss größer 0 sein !\n\n( Mitarbeiter-Stammdaten  )"_s },
    };
    for (const auto& c : cases) {
        f.messenger.messages.clear();
        editor.load({ u"anna"_s, u"Bert"_s });
        editor.select(u"Bert"_s);
        editor.dailyHours = c.hours;
        editor.dailyMinutes = c.minutes;
        EXPECT_FALSE(editor.select(u"anna"_s)) << c.hours.toStdString() << ':' << c.minutes.toStdString();
        EXPECT_EQ(editor.selectedName(), u"Bert"_s);
        EXPECT_EQ(editor.dailyHours, c.hours);
        EXPECT_EQ(editor.save(), DialogOutcome::Stay);
        EXPECT_EQ(f.messenger.messages, (QStringList { c.message, c.message }));
        EXPECT_FALSE(f.tmp.exists(u"daten/zmatagsoll.kvd"_s));
    }
}
