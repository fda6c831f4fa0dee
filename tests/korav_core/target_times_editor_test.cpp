#include "korav/core/decimal_cell.h"
#include "korav/core/personnel_numbers.h"
#include "korav/core/target_times_editor.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Targets : ::testing::Test {
    Targets()
    {
        f.write(u"zama.kvd"_s, kBom + "carl\r\nBert\r\nanna\r\n");
        f.write(u"zamasta.kvd"_s,
            kBom + "anna=Anna A#PA#pa#100#\r\nBert=Bert B#PB#pb#50#\r\ncarl=Carl C#PC#pc#100#\r\n");
        f.write(u"zmszsatz.kvd"_s, kBom + "mszPA=00800\r\n");
    }

    void open() { ASSERT_TRUE(editor.open(*TargetTimesEditor::EmployeesToEdit(f.store))); }

    KoravFixture f;
    int savedCalls = 0;
    TargetTimesEditor editor { f.store, 2024, [this] { ++savedCalls; } };
};

QString Units(const QStringList& units)
{
    return units.join(QString());
}

} // namespace

TEST_F(Targets, OpensSortedWithTheDailyPartAndTheStartYear)
{
    f.write(u"zmonsoll2024.kvd"_s, kBom + "202401anna=    164.25\r\n202402anna=      nuvo\r\n");
    open();
    EXPECT_EQ(editor.rows(), (QStringList { u"anna"_s, u"Bert"_s, u"carl"_s }));
    EXPECT_EQ(editor.displayedYear(), 2024);
    EXPECT_FALSE(editor.fiveMinuteRaster());
    EXPECT_EQ(editor.dailyHours(), u"8"_s);
    EXPECT_EQ(editor.dailyMinutes(), u"0"_s);
    EXPECT_EQ(editor.cell(0, 1), u"164.25"_s);
    EXPECT_TRUE(editor.cell(0, 2).isEmpty());
    EXPECT_TRUE(editor.cell(1, 1).isEmpty());
}

TEST_F(Targets, OpeningIsRefusedWithTheirMessages)
{
    KoravFixture empty;
    EXPECT_FALSE(TargetTimesEditor::EmployeesToEdit(empty.store));
    empty.write(u"zama.kvd"_s, kBom);
    EXPECT_FALSE(TargetTimesEditor::EmployeesToEdit(empty.store));
    EXPECT_EQ(empty.messenger.messages,
        (QStringList { u"Keine Mitarbeiter-Datei vorhanden"_s, u"Mitarbeiter-Liste ist leer  "_s }));

    f.write(u"zamasta.kvd"_s, kBom + "anna=Anna A##pa#100#\r\n");
    EXPECT_FALSE(editor.open({ u"anna"_s }));
    EXPECT_EQ(f.messenger.messages,
        (QStringList {
            u"Es fehlt die Personalnummer von anna !\n\n( Erfassen in Mitarbeiter-Stammdaten )  "_s,
            u"Mitarbeiter-Personalnummern konnten nicht eingelesen werden !  "_s }));
}

TEST(PersonnelNumbers, OnlyEmployeesWithRecords)
{
    KoravFixture f;
    f.write(u"zamasta.kvd"_s, kBom + "b=B#P-B#x#1#\r\nzz=Z#P-Z#y#1#\r\n");
    const std::optional<StringList> map = BuildPersonnelNumberMap(f.store, { u"a"_s, u"B"_s });
    ASSERT_TRUE(map);
    EXPECT_EQ(map->lines(), QStringList { u"B=P-B"_s });
}

TEST_F(Targets, CellsAreCheckedInOrderWithTheirMessages)
{
    struct Case {
        QString typed;
        QString stored; // empty: refused with the message
        QString message;
    };
    const Case cases[] = {
        { u"164,25"_s, u"164.25"_s, {} },
        { u"12.3"_s, u"12.3"_s, {} },
        { u"12.35"_s, u"12.35"_s, {} },
        { u"1234567"_s, {},
            u"Monats-Soll: Der eingegebene Wert darf maximal 6 Zeichen haben!\n( Bsp. 164,25 )  "_s },
        { u"12a"_s, {}, u"Monats-Soll: Der eingegebene Wert ist nicht numerisch!\n( Bsp. 164,25  )"_s },
        { u"1.2.3"_s, {}, u"Monats-Soll: Der eingegebene Wert ist nicht numerisch!\n( Bsp. 164,25  )"_s },
        { u"1000"_s, {}, u"Monats-Soll: Der eingegebene Wert muss kleiner 1000 sein!\n( Bsp. 164,25  )"_s },
        { u"12.345"_s, {}, u"Monats-Soll: Maximal 2 Nachkommastellen sind möglich!\n( Bsp. 164,25 )  "_s },
        { u"12.33"_s, {}, u"Monats-Soll: Zeiten sind nur in 0,05 - Schritten möglich!\n( Bsp. 164,25 )  "_s },
        { u"12.31"_s, {}, u"Monats-Soll: Zeiten sind nur in 0,05 - Schritten möglich!\n( Bsp. 164,25 )  "_s },
    };
    open();
    for (const Case& c : cases) {
        f.messenger.messages.clear();
        editor.editCell(1, 3, c.typed);
        const bool saved = editor.SaveYearTargets();
        EXPECT_EQ(saved, !c.stored.isEmpty()) << c.typed.toStdString();
        if (saved) {
            EXPECT_EQ(editor.cell(1, 3), c.stored);
            EXPECT_TRUE(f.messenger.messages.isEmpty());
        } else {
            EXPECT_EQ(f.messenger.messages, QStringList { c.message });
            ASSERT_TRUE(editor.faultyCell());
            EXPECT_EQ(editor.faultyCell()->row, 1);
            EXPECT_EQ(editor.faultyCell()->month, 3);
        }
    }
}

TEST_F(Targets, YearFileHoldsEveryRowAndMonth)
{
    open();
    editor.editCell(0, 3, u"164,25"_s);
    ASSERT_TRUE(editor.SaveYearTargets());
    const QByteArray file = f.read(u"zmonsoll2024.kvd"_s);
    ASSERT_TRUE(file.startsWith(kBom));
    const QStringList lines = QString::fromUtf8(file.mid(3)).split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 3 * 12 + 1);
    EXPECT_EQ(lines.at(0), u"202401anna=      nuvo"_s);
    EXPECT_EQ(lines.at(2), u"202403anna=    164.25"_s);
    EXPECT_EQ(lines.at(12), u"202401Bert=      nuvo"_s);
    EXPECT_TRUE(lines.last().isEmpty());
}

TEST(DecimalCellUnits, HoursAndMinutesOfStoredValues)
{
    const std::tuple<QString, int, int> cases[] = { { u"164.25"_s, 164, 15 }, { u"7.5"_s, 7, 30 },
        { u".5"_s, 0, 30 }, { u"0.05"_s, 0, 3 }, { u"12"_s, 12, 0 }, { u"99.95"_s, 99, 57 } };
    for (const auto& [value, hours, minutes] : cases) {
        EXPECT_EQ(DecimalCell::WholeHours(value), hours) << value.toStdString();
        EXPECT_EQ(DecimalCell::Minutes(value), minutes) << value.toStdString();
    }
}

TEST_F(Targets, RecordsCoverDecemberBeforeToJanuaryAfterTheStartYear)
{
    f.write(u"zmonsoll2023.kvd"_s, kBom + "202312anna=       7.5\r\n202311anna=       100\r\n");
    f.write(u"zmonsoll2024.kvd"_s, kBom + "202401anna=    164.25\r\n202412Bert=       .5\r\n");
    f.write(u"zmonsoll2025.kvd"_s, kBom + "202501carl=      0.05\r\n202502carl=        99\r\n");
    open();
    editor.pickDaily(u"8"_s, u"00"_s);
    editor.setFiveMinuteRaster(true);
    ASSERT_TRUE(editor.BuildTargetRecords());
    const QString none = u"00000000000"_s;
    QStringList anna { u"12202300730"_s, u"01202416415"_s };
    for (int i = 0; i < 12; ++i)
        anna.append(none);
    QStringList bert { none };
    for (int i = 0; i < 11; ++i)
        bert.append(none);
    bert += { u"12202400030"_s, none };
    QStringList carl;
    for (int i = 0; i < 13; ++i)
        carl.append(none);
    carl.append(u"01202500003"_s);
    EXPECT_EQ(f.read(u"zmszsatz.kvd"_s),
        kBom
            + (u"mszPA=10800"_s + Units(anna) + u"\r\nmszPB=10800"_s + Units(bert) + u"\r\nmszPC=10800"_s
                + Units(carl) + u"\r\n"_s)
                  .toUtf8());
    EXPECT_EQ(savedCalls, 1);
}

TEST_F(Targets, NoToSavingTheYearStillBuildsFromDisk)
{
    f.write(u"zmonsoll2025.kvd"_s, kBom + "202501anna=        10\r\n");
    open();
    ASSERT_TRUE(editor.switchYear(2025, true));
    editor.editCell(0, 1, u"20"_s);
    EXPECT_TRUE(editor.BuildTargetRecords());
    EXPECT_EQ(f.messenger.questions, QStringList { u" Änderungen für Jahr 2025 speichern ?  "_s });
    EXPECT_TRUE(f.read(u"zmszsatz.kvd"_s).contains("01202501000\r\nmszPB="));
    EXPECT_EQ(f.read(u"zmonsoll2025.kvd"_s), kBom + "202501anna=        10\r\n");
}

TEST_F(Targets, SwitchingYearsAsksWithTheDisplayedYear)
{
    open();
    editor.editCell(0, 1, u"12.31"_s);
    f.messenger.answerNext(kAnswerYes);
    EXPECT_FALSE(editor.switchYear(2025, true));
    EXPECT_EQ(f.messenger.questions, QStringList { u" Änderungen für Jahr 2024 speichern?"_s });
    EXPECT_EQ(editor.displayedYear(), 2024);
    editor.editCell(0, 1, u"12.30"_s);
    f.messenger.answerNext(kAnswerYes);
    EXPECT_TRUE(editor.switchYear(2023));
    EXPECT_EQ(f.messenger.questions.last(), u" Änderungen für Jahr 2024 speichern ?  "_s);
    EXPECT_EQ(editor.displayedYear(), 2023);
    EXPECT_FALSE(editor.yearModified());
    EXPECT_TRUE(editor.targetsModified());
    EXPECT_TRUE(f.read(u"zmonsoll2024.kvd"_s).contains("202401anna=     12.30\r\n"));
}

TEST_F(Targets, DailyTargetChecksOnSaving)
{
    f.write(u"zmszsatz.kvd"_s, QByteArray());
    open();
    EXPECT_EQ(editor.save(), DialogOutcome::Stay);
    editor.pickDaily(u"12"_s, u"05"_s);
    EXPECT_EQ(editor.save(), DialogOutcome::Stay);
    editor.pickDaily(u"12"_s, u"00"_s);
    editor.markDailyPicked();
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.messenger.messages,
        (QStringList { u"Es ist keine tägliche Soll-Arbeitszeit angegeben !  "_s,
            u"Es können maximal 12 Stunden für die tägliche Soll-Arbeitszeit vorgegeben werden !  "_s }));
    EXPECT_TRUE(f.read(u"zmszsatz.kvd"_s).startsWith(QByteArray(kBom + "mszPA=11200")));
}

TEST_F(Targets, NothingChangedClosesWithoutWriting)
{
    open();
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zmszsatz.kvd"_s), kBom + "mszPA=00800\r\n");
    editor.setFiveMinuteRaster(true);
    EXPECT_EQ(editor.cancel(), DialogOutcome::Stay);
    EXPECT_EQ(f.messenger.questions, QStringList { u"Änderungen verwerfen ?"_s });
}

TEST_F(Targets, EmployeeWithoutMasterDataGetsNoRecord)
{
    f.write(u"zama.kvd"_s, kBom + "anna\r\ndora\r\n");
    open();
    editor.markDailyPicked();
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(
        f.messenger.messages, QStringList { u"Personalnummer für Mitarbeiter dora nicht vorhanden !  "_s });
    EXPECT_EQ(f.read(u"zmszsatz.kvd"_s).count("msz"), 1);
}

TEST_F(Targets, OwnDailyTargetsGoIntoTheirRecordsAndTheFirmsStaysTheFirms)
{
    // anna's record comes first and carries her own 4:00.
    f.write(u"zmszsatz.kvd"_s, kBom + "mszPA=10400\r\nmszPB=10800\r\nmszPC=10800\r\n");
    f.write(u"zmatagsoll.kvd"_s, kBom + "anna=0400\r\nBert=0615\r\n");
    open();
    EXPECT_EQ(editor.dailyHours(), u"8"_s);
    EXPECT_EQ(editor.dailyMinutes(), u"0"_s);
    editor.setFiveMinuteRaster(false);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    const QString none = u"00000000000"_s.repeated(14);
    EXPECT_EQ(f.read(u"zmszsatz.kvd"_s),
        kBom
            + (u"mszPA=00400"_s + none + u"\r\nmszPB=00615"_s + none + u"\r\nmszPC=00800"_s + none
                + u"\r\n"_s)
                  .toUtf8());
}

TEST_F(Targets, RowCopy)
{
    f.write(u"zmonsoll2024.kvd"_s,
        kBom + "202401Bert=        10\r\n202402Bert=        11\r\n202401anna=         5\r\n");
    open();
    const std::pair<QString, QString> refused[] = { { u"0"_s, u"1"_s }, { u"4"_s, u"1"_s }, { u""_s, u"1"_s },
        { u"1"_s, u"9"_s }, { u"2"_s, u"2"_s } };
    for (const auto& [from, to] : refused)
        EXPECT_FALSE(editor.copyRow(from, to));
    EXPECT_EQ(f.messenger.messages,
        (QStringList { u"Wert 'von Zeile' muss größer 0 und darf max. gleich Anzahl Mitarbeiter sein  "_s,
            u"Wert 'von Zeile' muss größer 0 und darf max. gleich Anzahl Mitarbeiter sein  "_s,
            u"Wert 'von Zeile' muss größer 0 und darf max. gleich Anzahl Mitarbeiter sein  "_s,
            u"Wert 'nach Zeile' muss größer 0 und darf max. gleich Anzahl Mitarbeiter sein  "_s,
            u"Wert 'von Zeile' muss ungleich Wert 'nach Zeile' sein  "_s }));
    EXPECT_FALSE(editor.yearModified());

    EXPECT_TRUE(editor.copyRow(u"x"_s, u"1"_s));
    EXPECT_TRUE(editor.yearModified());
    EXPECT_EQ(editor.cell(0, 1), u"5"_s);

    EXPECT_TRUE(editor.copyRow(u"2"_s, u"3"_s));
    EXPECT_EQ(editor.cell(2, 2), u"11"_s);

    EXPECT_FALSE(editor.copyRowToAll(u"5"_s));
    EXPECT_EQ(f.messenger.messages.last(),
        u"Wert 'von Zeile' muss größer 0 und darf max. gleich Anzahl Mitarbeiter sein"_s);
    EXPECT_TRUE(editor.copyRowToAll(u"2"_s));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(editor.cell(row, 1), u"10"_s);
        EXPECT_EQ(editor.cell(row, 2), u"11"_s);
        EXPECT_TRUE(editor.cell(row, 3).isEmpty());
    }
}
