#include "korav/core/employee_list_editor.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class EmployeeList : public ::testing::Test {
protected:
    EmployeeList()
    {
        f.write(u"zama.kvd"_s, kBom + "Anna\r\nBert\r\nCarl\r\n");
        editor.load();
    }

    KoravFixture f;
    int savedCalls = 0;
    EmployeeListEditor editor { f.store, [this] { ++savedCalls; } };
};

} // namespace

TEST_F(EmployeeList, MissingFileIsReportedAndGivesAnEmptyList)
{
    KoravFixture empty;
    EmployeeListEditor e(empty.store, {});
    e.load();
    EXPECT_TRUE(e.names().isEmpty());
    EXPECT_EQ(empty.messenger.all, QStringList { u"Mitarbeiter-Datei ist nicht vorhanden  "_s });
}

TEST_F(EmployeeList, NameDifferingOnlyInCaseIsAllowed)
{
    EXPECT_TRUE(editor.add(u"anna"_s));
    EXPECT_FALSE(editor.add(u"Anna"_s));
    EXPECT_EQ(editor.errorText(), u" Mitarbeiter  Anna  ist bereits vorhanden !"_s);
    EXPECT_EQ(editor.names(), (QStringList { u"Anna"_s, u"Bert"_s, u"Carl"_s, u"anna"_s }));
}

struct RefusedName {
    QString name;
    QString error;
};

class EmployeeListRefusal : public EmployeeList, public ::testing::WithParamInterface<RefusedName> { };

TEST_P(EmployeeListRefusal, RefusesWithTheStatusText)
{
    EXPECT_FALSE(editor.add(GetParam().name));
    EXPECT_EQ(editor.errorText(), GetParam().error);
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(editor.names().size(), 3);
}

INSTANTIATE_TEST_SUITE_P(Cases, EmployeeListRefusal,
    ::testing::Values(RefusedName { u""_s, u"Eingabefeld  'Neuer Mitarbeiter'  ist leer"_s },
        RefusedName { u"a#b"_s, u"Das Zeichen '#' darf nicht verwendet werden!"_s },
        RefusedName { u"a=b#"_s, u"Das Zeichen '=' darf nicht verwendet werden!"_s },
        RefusedName { u"123456789="_s, u"Das Zeichen '=' darf nicht verwendet werden!"_s }));

TEST_F(EmployeeList, InsertsAtTheSelectedPlaceAndKeepsTheSelectionOnTheOldEntry)
{
    editor.select(0);
    ASSERT_TRUE(editor.add(u"Neu"_s));
    EXPECT_EQ(editor.names(), (QStringList { u"Neu"_s, u"Anna"_s, u"Bert"_s, u"Carl"_s }));
    EXPECT_EQ(editor.selected(), 1);
    editor.select(-1);
    ASSERT_TRUE(editor.add(u"Ende"_s));
    EXPECT_EQ(editor.names().last(), u"Ende"_s);
    EXPECT_TRUE(editor.modified());
}

TEST_F(EmployeeList, MovingTheFirstUpOrTheLastDownChangesNothing)
{
    editor.select(0);
    editor.moveUp();
    editor.select(2);
    editor.moveDown();
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(editor.names(), (QStringList { u"Anna"_s, u"Bert"_s, u"Carl"_s }));

    editor.moveUp();
    EXPECT_EQ(editor.names(), (QStringList { u"Anna"_s, u"Carl"_s, u"Bert"_s }));
    EXPECT_EQ(editor.selected(), 1);
    editor.moveDown();
    EXPECT_EQ(editor.names(), (QStringList { u"Anna"_s, u"Bert"_s, u"Carl"_s }));
    EXPECT_TRUE(editor.modified());
}

TEST_F(EmployeeList, ActionsWithoutSelectionSayNothingIsMarked)
{
    editor.moveUp();
    EXPECT_EQ(editor.errorText(), u"Es ist kein Mitarbeiter markiert"_s);
    editor.clearError();
    editor.remove();
    EXPECT_EQ(editor.errorText(), u"Es ist kein Mitarbeiter markiert"_s);
    EXPECT_FALSE(editor.modified());
}

TEST_F(EmployeeList, SavesTheOrderAndSaysWhatToCheck)
{
    editor.select(1);
    editor.remove();
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zama.kvd"_s), kBom + "Anna\r\nCarl\r\n");
    EXPECT_EQ(savedCalls, 1);
    EXPECT_EQ(f.messenger.all,
        QStringList { u"Die geänderte Mitarbeiterliste wurde gespeichert !\n\nÜberprüfen Sie \n\n  "
                      u"Mitarbeiter-Stammdaten "
                      u"und\n  Arbeits - Sollzeiten\n\nauf Vollständigkeit !"_s });
}

TEST_F(EmployeeList, SaveWithoutChangesOrWithAnEmptyList)
{
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    for (int i = 0; i < 3; ++i) {
        editor.select(0);
        editor.remove();
    }
    EXPECT_EQ(editor.save(), DialogOutcome::Stay);
    EXPECT_EQ(f.messenger.all,
        (QStringList { u"Sie haben keine Änderungen vorgenommen  "_s,
            u"Sie müssen mindestens 1 Mitarbeiter eintragen !  "_s }));
    EXPECT_EQ(f.read(u"zama.kvd"_s), kBom + "Anna\r\nBert\r\nCarl\r\n");
    EXPECT_EQ(savedCalls, 0);
}

TEST_F(EmployeeList, FailedSaveKeepsTheDialogOpen)
{
    editor.add(u"Neu"_s);
    QFile::remove(f.path(u"zama.kvd"_s));
    f.write(u"zama.kvd/x"_s, {});
    EXPECT_EQ(editor.save(), DialogOutcome::Stay);
    EXPECT_EQ(savedCalls, 0);
    EXPECT_TRUE(editor.modified());
}

TEST_F(EmployeeList, CancelAsksOnlyWhenModified)
{
    EXPECT_EQ(editor.cancel(), DialogOutcome::Close);
    EXPECT_TRUE(f.messenger.questions.isEmpty());
    editor.add(u"Neu"_s);
    EXPECT_EQ(editor.cancel(), DialogOutcome::Stay);
    f.messenger.answerNext(kAnswerClosed);
    EXPECT_EQ(editor.cancel(), DialogOutcome::Stay);
    f.messenger.answerNext(kAnswerYes);
    EXPECT_EQ(editor.cancel(), DialogOutcome::Close);
    EXPECT_EQ(f.messenger.questions, QStringList(3, u"Änderungen verwerfen ?  "_s));
    EXPECT_EQ(f.read(u"zama.kvd"_s), kBom + "Anna\r\nBert\r\nCarl\r\n");
}

// Bert has master data and an own daily target; the others have none.
class RemovingWithMasterData : public EmployeeList {
protected:
    RemovingWithMasterData()
    {
        f.write(u"zamasta.kvd"_s, kBom + "Anna=A#P1#a#100#\r\nBert=B#P2#b#50#\r\n");
        f.write(u"zmatagsoll.kvd"_s, kBom + "Bert=0400\r\n");
        editor.select(1);
    }
};

TEST_F(RemovingWithMasterData, YesRemovesTheRecordWhenTheListIsSaved)
{
    f.messenger.answerNext(kAnswerYes);
    editor.remove();
    EXPECT_EQ(f.messenger.questions, QStringList { u"Die Stammdaten von Bert ebenfalls löschen ?  "_s });
    EXPECT_EQ(f.read(u"zamasta.kvd"_s), kBom + "Anna=A#P1#a#100#\r\nBert=B#P2#b#50#\r\n")
        << "nothing before saving";
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zama.kvd"_s), kBom + "Anna\r\nCarl\r\n");
    EXPECT_EQ(f.read(u"zamasta.kvd"_s), kBom + "Anna=A#P1#a#100#\r\n");
    EXPECT_EQ(f.read(u"zmatagsoll.kvd"_s), kBom);
}

TEST_F(RemovingWithMasterData, NoOrTheCloseBoxKeepsTheRecord)
{
    for (const int answer : { kAnswerNo, kAnswerClosed }) {
        editor.load();
        editor.select(1);
        f.messenger.answerNext(answer);
        editor.remove();
        EXPECT_EQ(editor.save(), DialogOutcome::Close);
        EXPECT_EQ(f.read(u"zamasta.kvd"_s), kBom + "Anna=A#P1#a#100#\r\nBert=B#P2#b#50#\r\n");
        f.write(u"zama.kvd"_s, kBom + "Anna\r\nBert\r\nCarl\r\n");
    }
}

TEST_F(RemovingWithMasterData, NoQuestionWithoutRecordAndNothingLostWhenAddedAgain)
{
    editor.select(2);
    editor.remove();
    EXPECT_TRUE(f.messenger.questions.isEmpty()) << "Carl has no master data";
    editor.select(1);
    f.messenger.answerNext(kAnswerYes);
    editor.remove();
    editor.select(-1);
    EXPECT_TRUE(editor.add(u"Bert"_s));
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zamasta.kvd"_s), kBom + "Anna=A#P1#a#100#\r\nBert=B#P2#b#50#\r\n");
    EXPECT_EQ(f.read(u"zmatagsoll.kvd"_s), kBom + "Bert=0400\r\n");
}

TEST_F(RemovingWithMasterData, AnEntryDifferingInCaseStillUsesTheRecord)
{
    editor.select(-1);
    ASSERT_TRUE(editor.add(u"bert"_s));
    editor.select(1);
    editor.remove();
    EXPECT_TRUE(f.messenger.questions.isEmpty());
}
