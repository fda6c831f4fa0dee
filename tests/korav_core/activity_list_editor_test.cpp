#include "korav/core/activity_list_editor.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Mode = ActivityListEditor::Mode;

const QByteArray kOthers = "S1=Pause\r\nS2=Krank\r\nS3=Urlaub\r\nS4=Gleitfrei\r\nS5=Verwaltung\r\n";

struct Activities : ::testing::Test {
    Activities()
    {
        f.write(u"zprojekte.kvd"_s, kBom + "P2=Zwei\r\nP1=Eins\r\n");
        f.write(u"zsonstige.kvd"_s, kBom + kOthers);
        f.write(u"zconfig.kvd"_s, kBom + "progordner=/p\r\n");
    }

    bool add(const QString& number, const QString& description)
    {
        editor.number = number;
        editor.description = description;
        return editor.add();
    }

    KoravFixture f;
    int savedCalls = 0;
    ActivityListEditor editor { f.store, [this] { ++savedCalls; } };
};

} // namespace

TEST_F(Activities, NumbersAreCheckedBeforeTheyAreAdded)
{
    editor.load(Mode::Projects);
    const std::pair<QString, QString> refused[] = {
        { u""_s, u" Nummer- oder Beschreibungsfeld ist leer!"_s },
        { u"A#1"_s, u"Das Zeichen '#' darf nicht verwendet werden!"_s },
        { u"A=1"_s, u"Das Gleichheitszeichen '=' darf nicht verwendet werden!"_s },
        { u"A 1"_s, u"Das Leerzeichen ' ' darf nicht verwendet werden!"_s },
        { u"1 =#"_s, u"Das Leerzeichen ' ' darf nicht verwendet werden!"_s },
        { u"p1"_s, u" Projekt ist in Liste bereits vorhanden !"_s },
    };
    for (const auto& [number, message] : refused) {
        EXPECT_FALSE(add(number, u"Beschreibung"_s)) << number.toStdString();
        EXPECT_EQ(editor.errorText(), message);
        EXPECT_EQ(editor.focus(), ActivityListEditor::Focus::Number);
    }
    EXPECT_FALSE(add(u"P9"_s, u""_s));
    EXPECT_EQ(editor.list().lines(), (QStringList { u"P1=Eins"_s, u"P2=Zwei"_s }));
    EXPECT_FALSE(editor.modified());

    editor.load(Mode::OtherActivities);
    EXPECT_FALSE(add(u"s1"_s, u"x"_s));
    EXPECT_EQ(editor.errorText(), u" Sonstige Tätigkeit ist in Liste bereits vorhanden !"_s);
}

TEST_F(Activities, AddedLinesAreCapitalisedAndSortedByNumber)
{
    editor.load(Mode::OtherActivities);
    EXPECT_TRUE(add(u"S10"_s, u"pause"_s));
    EXPECT_TRUE(add(u"s0"_s, u"PAUSE"_s));
    EXPECT_TRUE(add(u"S1a"_s, u"krank"_s));
    EXPECT_TRUE(add(u"S1b"_s, u"urlaub"_s));
    EXPECT_TRUE(editor.number.isEmpty() && editor.description.isEmpty());
    EXPECT_EQ(editor.list().lines(),
        (QStringList { u"s0=PAUSE"_s, u"S1=Pause"_s, u"S10=Pause"_s, u"S1a=Krank"_s, u"S1b=Urlaub"_s,
            u"S2=Krank"_s, u"S3=Urlaub"_s, u"S4=Gleitfrei"_s, u"S5=Verwaltung"_s }));
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_TRUE(
        f.read(u"zsonstige.kvd"_s).startsWith(QByteArray(kBom + "s0=PAUSE\r\nS1=Pause\r\nS10=Pause\r\n")));
    EXPECT_EQ(savedCalls, 1);
}

TEST_F(Activities, UppercasePauseDoesNotSatisfyTheRequiredEntry)
{
    f.write(u"zsonstige.kvd"_s, kBom + "S2=Krank\r\nS3=Urlaub\r\nS4=Gleitfrei\r\nS5=Verwaltung\r\n");
    editor.load(Mode::OtherActivities);
    EXPECT_TRUE(add(u"S1"_s, u"PAUSE"_s));
    EXPECT_EQ(editor.save(), DialogOutcome::Stay);
    EXPECT_EQ(f.messenger.messages, QStringList { u"Es existiert kein Eintrag für 'Pause'  "_s });
    EXPECT_EQ(editor.description, u"Pause"_s);
    EXPECT_EQ(
        f.read(u"zsonstige.kvd"_s), kBom + "S2=Krank\r\nS3=Urlaub\r\nS4=Gleitfrei\r\nS5=Verwaltung\r\n");
}

TEST_F(Activities, RequiredEntriesAreCheckedInOrderWithTheDesignations)
{
    f.write(u"zconfig.kvd"_s, kBom + "bezeichnung4=Homeoffice\r\n");
    editor.load(Mode::OtherActivities);
    EXPECT_EQ(editor.save(), DialogOutcome::Stay);
    EXPECT_EQ(editor.designation4(), u"Homeoffice"_s);
    EXPECT_EQ(f.messenger.messages, QStringList { u"Es existiert kein Eintrag für 'Homeoffice'  "_s });
    EXPECT_EQ(savedCalls, 0);
}

TEST_F(Activities, DeleteChangeAndCopy)
{
    editor.load(Mode::Projects);
    editor.remove(std::nullopt);
    EXPECT_EQ(editor.errorText(), u"Es ist kein Projekt markiert"_s);
    EXPECT_FALSE(editor.modified());

    editor.number = u"X"_s;
    EXPECT_FALSE(editor.take(u"P1"_s, true));
    EXPECT_EQ(f.messenger.questions, QStringList { u"Projekt in Eingabebereich verwerfen ?  "_s });
    EXPECT_EQ(editor.number, u"X"_s);
    EXPECT_FALSE(editor.modified());

    f.messenger.answerNext(kAnswerYes);
    EXPECT_TRUE(editor.take(u"P1"_s, true));
    EXPECT_EQ(editor.number, u"P1"_s);
    EXPECT_EQ(editor.description, u"Eins"_s);
    EXPECT_EQ(editor.list().size(), 2);
    EXPECT_TRUE(editor.modified());

    editor.number.clear();
    editor.description.clear();
    EXPECT_TRUE(editor.take(u"P2"_s, false));
    EXPECT_EQ(editor.list().lines(), QStringList { u"P1=Eins"_s });
    EXPECT_EQ(editor.description, u"Zwei"_s);
    editor.remove(u"P1"_s);
    EXPECT_TRUE(editor.list().isEmpty());

    editor.load(Mode::OtherActivities);
    editor.remove(std::nullopt);
    EXPECT_EQ(editor.errorText(), u"Es ist keine Sonstige Tätigkeit markiert"_s);
    editor.description = u"y"_s;
    editor.take(u"S1"_s, true);
    EXPECT_EQ(f.messenger.questions.last(), u"Sonstige Tätigkleiten in Eingabebereich verwerfen ?"_s);
}

TEST_F(Activities, CopyAloneSavesTheUnchangedList)
{
    editor.load(Mode::OtherActivities);
    EXPECT_TRUE(editor.take(u"S2"_s, true));
    EXPECT_TRUE(editor.modified());
    editor.number.clear();
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_TRUE(f.messenger.messages.isEmpty());
    EXPECT_EQ(f.read(u"zsonstige.kvd"_s), kBom + kOthers);
    EXPECT_EQ(savedCalls, 1);
}

TEST_F(Activities, SavingWithoutChangeReportsIt)
{
    editor.load(Mode::OtherActivities);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.messenger.messages, QStringList { u"Sie haben keine Änderungen vorgenommen  "_s });
    EXPECT_EQ(savedCalls, 0);
}

TEST_F(Activities, BothFieldsFilledAskBeforeSaving)
{
    editor.load(Mode::Projects);
    editor.chooseMasterLength(u"3"_s);
    editor.number = u"P3"_s;
    editor.description = u"Drei"_s;
    EXPECT_EQ(editor.save(), DialogOutcome::Stay);
    EXPECT_EQ(f.messenger.questions, QStringList { u"Projekt in Eingabebereich verwerfen ?  "_s });
    f.messenger.answerNext(kAnswerYes);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zconfig.kvd"_s), kBom + "progordner=/p\r\nkey_laestamm=3\r\n");
}

TEST_F(Activities, ProjectModeSavesLengthFiveByDefault)
{
    editor.load(Mode::Projects);
    EXPECT_TRUE(editor.masterLength().isEmpty());
    EXPECT_TRUE(add(u"P3"_s, u"Drei"_s));
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zprojekte.kvd"_s), kBom + "P1=Eins\r\nP2=Zwei\r\nP3=Drei\r\n");
    EXPECT_EQ(f.read(u"zconfig.kvd"_s), kBom + "progordner=/p\r\nkey_laestamm=5\r\n");
}

TEST_F(Activities, AnAcceptedDesignationChangeAloneIsSaved)
{
    f.write(u"zsonstige.kvd"_s, kBom + kOthers + "S6=Homeoffice\r\n");
    editor.load(Mode::OtherActivities);
    editor.beginDesignations();
    EXPECT_EQ(editor.startDesignation4(), u"Gleitfrei"_s);
    QString entry4 = u"Homeoffice"_s;
    QString entry5 = u""_s;
    f.messenger.answerNext(kAnswerYes);
    editor.endDesignations(entry4, entry5);
    EXPECT_EQ(f.messenger.messages,
        QStringList { u"5. Bezeichnung darf nicht leer sein !  \n\nDer Ausgangswert wird verwendet."_s });
    EXPECT_EQ(f.messenger.questions, QStringList { u"Änderungen übernehmen ?  "_s });
    EXPECT_EQ(entry5, u"Verwaltung"_s);
    EXPECT_TRUE(editor.designationsChanged());
    EXPECT_FALSE(editor.modified());

    // Reopening and closing unchanged keeps the accepted change.
    editor.beginDesignations();
    entry4 = editor.startDesignation4();
    entry5 = editor.startDesignation5();
    editor.endDesignations(entry4, entry5);
    EXPECT_TRUE(editor.designationsChanged());

    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zconfig.kvd"_s),
        kBom + "progordner=/p\r\nbezeichnung4=Homeoffice\r\nbezeichnung5=Verwaltung\r\n");
    EXPECT_EQ(f.read(u"zsonstige.kvd"_s), kBom + kOthers + "S6=Homeoffice\r\n");
}

TEST_F(Activities, RefusedDesignationChangePutsTheStartValuesBack)
{
    editor.load(Mode::OtherActivities);
    editor.beginDesignations();
    QString entry4 = u"Neu"_s;
    QString entry5 = u"Verwaltung"_s;
    editor.endDesignations(entry4, entry5);
    EXPECT_EQ(entry4, u"Gleitfrei"_s);
    EXPECT_FALSE(editor.designationsChanged());
    EXPECT_FALSE(editor.config().hasKey(u"bezeichnung4"));
}

TEST_F(Activities, CancelAsksOnlyWhenModified)
{
    editor.load(Mode::Projects);
    EXPECT_EQ(editor.cancel(), DialogOutcome::Close);
    editor.chooseMasterLength(u"4"_s);
    EXPECT_EQ(editor.cancel(), DialogOutcome::Stay);
    EXPECT_EQ(f.messenger.questions, QStringList { u"Änderungen verwerfen ?  "_s });
}

TEST(ActivitiesInBackupFolder, SavingIsRefused)
{
    KoravFixture f(u"terminbkp1"_s);
    ActivityListEditor editor(f.store, {});
    editor.load(ActivityListEditor::Mode::Projects);
    editor.chooseMasterLength(u"4"_s);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.messenger.messages,
        QStringList { u"In einen Sicherungsordner können keine Daten gespeichert werden!"_s });
    EXPECT_FALSE(f.tmp.exists(u"terminbkp1/zconfig.kvd"_s));
    EXPECT_EQ(editor.cancel(), DialogOutcome::Close);
}
