#include "korav/core/holiday_settings_editor.h"
#include "korav/core/hourly_rates_editor.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(HourlyRates, ForecastRowWithAnEmptyEmployeeList)
{
    KoravFixture f;
    HourlyRatesEditor editor(f.store, 2024);
    editor.open({});
    EXPECT_EQ(editor.rows(), QStringList { u"Prognose"_s });
    editor.editRate(0, u"101,25"_s);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zmasatz.kvd"_s), kBom + "2024PrognoseNr=    101.25\r\n");
}

TEST(HourlyRates, RowsKeepOtherYearsAndNuvoMeansEmpty)
{
    KoravFixture f;
    f.write(u"zamasta.kvd"_s, kBom + "bert=B#PB#x#1#\r\nAnna=A#PA#y#1#\r\n");
    f.write(u"zmasatz.kvd"_s,
        kBom
            + "2023PA=     90.00\r\n2024PrognoseNr=      nuvo\r\n2024PA=     45.50\r\n2024PX=        12\r\n");
    HourlyRatesEditor editor(f.store, 2024);
    editor.open({ u"bert"_s, u"Anna"_s });
    EXPECT_EQ(editor.rows(), (QStringList { u"Prognose"_s, u"Anna"_s, u"bert"_s }));
    EXPECT_TRUE(editor.rate(0).isEmpty());
    EXPECT_EQ(editor.rate(1), u"45.50"_s);
    EXPECT_TRUE(editor.rate(2).isEmpty());
    editor.editRate(2, u"45.51"_s);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zmasatz.kvd"_s),
        kBom
            + "2023PA=     90.00\r\n2024PrognoseNr=      nuvo\r\n2024PA=     45.50\r\n2024PB=     45.51\r\n");
}

TEST(HourlyRates, ChecksStopTheSavingAtTheFaultyRow)
{
    const std::pair<QString, QString> cases[] = {
        { u"1234567"_s,
            u"Stundensatz: Der eingegebene Wert darf maximal 6 Zeichen haben!\n( Bsp. 164,25 )  "_s },
        { u"1x"_s, u"Stundensatz: Der eingegebene Wert ist nicht numerisch!\n( Bsp. 101,25 )  "_s },
        { u"1000"_s, u"Stundensatz: Der eingegebene Wert muss kleiner 1000 sein!\n( Bsp. 101,25 )  "_s },
        { u"1.234"_s, u"Stundensatz-Soll: Maximal 2 Nachkommastellen sind möglich!\n( Bsp. 101,25 )  "_s },
    };
    for (const auto& [typed, message] : cases) {
        KoravFixture f;
        HourlyRatesEditor editor(f.store, 2024);
        editor.open({});
        editor.editRate(0, typed);
        EXPECT_EQ(editor.save(), DialogOutcome::Stay);
        EXPECT_EQ(f.messenger.messages, QStringList { message });
        EXPECT_EQ(editor.faultyRow(), 0);
        EXPECT_FALSE(f.tmp.exists(u"daten/zmasatz.kvd"_s));
    }
}

TEST(HourlyRates, EmployeesWithoutPersonnelNumberStayEmptyAndStopTheSaving)
{
    // "b" has no record and "c" one without number; the rows after them
    // still show their own rates.
    KoravFixture f;
    f.write(u"zamasta.kvd"_s, kBom + "c=C##x#1#\r\nd=D#PD#y#1#\r\ne=E#PE#z#1#\r\n");
    f.write(u"zmasatz.kvd"_s, kBom + "2024PD=        20\r\n2024PE=     31.50\r\n");
    HourlyRatesEditor editor(f.store, 2024);
    editor.open({ u"e"_s, u"c"_s, u"d"_s, u"b"_s });
    EXPECT_EQ(editor.rows(), (QStringList { u"Prognose"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s }));
    EXPECT_EQ(
        f.messenger.messages, QStringList { u"Keine Personalnummer für Mitarbeiter b, c vorhanden  "_s });
    EXPECT_EQ(editor.rate(3), u"20"_s);
    EXPECT_EQ(editor.rate(4), u"31.50"_s);
    editor.editRate(0, u"1"_s);
    EXPECT_EQ(editor.save(), DialogOutcome::Stay);
    EXPECT_EQ(f.read(u"zmasatz.kvd"_s), kBom + "2024PD=        20\r\n2024PE=     31.50\r\n");
    EXPECT_EQ(editor.cancel(), DialogOutcome::Stay);
    EXPECT_EQ(f.messenger.questions, QStringList { u"Änderungen verwerfen ?  "_s });
}

namespace {

struct Holidays : ::testing::Test {
    KoravFixture f;
    int savedCalls = 0;
    HolidaySettingsEditor editor { f.store, [this] { ++savedCalls; } };
};

} // namespace

TEST_F(Holidays, OtherCountriesKeepTheStoredRegionalHolidays)
{
    for (const int country : { HolidaySettingsEditor::kAustria, HolidaySettingsEditor::kSwitzerland,
             HolidaySettingsEditor::kNone }) {
        f.write(u"zconfig.kvd"_s, kBom + "progordner=/p\r\nlandcode=0\r\nfeiertag=101000\r\n");
        editor.load();
        EXPECT_EQ(
            editor.switches, (HolidaySettingsEditor::Switches { true, false, true, false, false, false }));
        editor.ShowStateHolidays(country);
        EXPECT_FALSE(editor.switchesEnabled());
        EXPECT_EQ(editor.save(), DialogOutcome::Close);
        EXPECT_EQ(f.read(u"zconfig.kvd"_s),
            kBom + "progordner=/p\r\nlandcode=" + QByteArray::number(country) + "\r\nfeiertag=101000\r\n");
        // Choosing Germany again in a later session finds the switches.
        editor.load();
        editor.ShowStateHolidays(HolidaySettingsEditor::kGermany);
        EXPECT_EQ(
            editor.switches, (HolidaySettingsEditor::Switches { true, false, true, false, false, false }));
    }
    EXPECT_EQ(savedCalls, 3);
}

TEST_F(Holidays, AustriaWithoutStoredSwitchesAddsNone)
{
    f.write(u"zconfig.kvd"_s, kBom + "progordner=/p\r\n");
    editor.load();
    editor.ShowStateHolidays(HolidaySettingsEditor::kAustria);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zconfig.kvd"_s), kBom + "progordner=/p\r\nlandcode=1\r\nfeiertag=000000\r\n");
}

TEST_F(Holidays, ReturningToGermanyShowsTheStoredSwitches)
{
    f.write(u"zconfig.kvd"_s, kBom + "feiertag=000011\r\n");
    editor.load();
    editor.switches[0] = true;
    editor.ShowStateHolidays(HolidaySettingsEditor::kAustria);
    editor.ShowStateHolidays(HolidaySettingsEditor::kGermany);
    EXPECT_EQ(editor.switches, (HolidaySettingsEditor::Switches { false, false, false, false, true, true }));
}

TEST_F(Holidays, NothingIsWrittenWithoutAChange)
{
    f.write(u"zconfig.kvd"_s, kBom + "landcode=99\r\nfeiertag=000000\r\n");
    editor.load();
    EXPECT_EQ(editor.country, HolidaySettingsEditor::kNone);
    EXPECT_EQ(editor.cancel(), DialogOutcome::Close);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(savedCalls, 0);
    EXPECT_TRUE(f.messenger.all.isEmpty());
}

TEST_F(Holidays, MissingLinesAreAddedOnSaving)
{
    f.write(u"zconfig.kvd"_s, kBom + "unbekannt=1\r\n");
    editor.load();
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.read(u"zconfig.kvd"_s), kBom + "unbekannt=1\r\nlandcode=0\r\nfeiertag=000000\r\n");
}

TEST_F(Holidays, CancellingAChangeAsksAndKeepsTheStoredSwitches)
{
    f.write(u"zconfig.kvd"_s, kBom + "landcode=0\r\nfeiertag=100000\r\n");
    editor.load();
    editor.switches[5] = true;
    EXPECT_EQ(editor.cancel(), DialogOutcome::Stay);
    EXPECT_EQ(f.messenger.questions, QStringList { u"Änderungen verwerfen ?  "_s });
    editor.ShowStateHolidays(HolidaySettingsEditor::kGermany);
    EXPECT_EQ(editor.switches, (HolidaySettingsEditor::Switches { true, false, false, false, false, false }));
}

TEST(HolidaysInBackupFolder, SavingIsRefused)
{
    KoravFixture f(u"terminbkp2"_s);
    HolidaySettingsEditor editor(f.store, {});
    editor.load();
    editor.country = HolidaySettingsEditor::kSwitzerland;
    EXPECT_EQ(editor.cancel(), DialogOutcome::Close);
    EXPECT_EQ(editor.save(), DialogOutcome::Close);
    EXPECT_EQ(f.messenger.messages,
        QStringList { u"In einen Sicherungsordner können keine Daten gespeichert werden !  "_s });
    EXPECT_FALSE(f.tmp.exists(u"terminbkp2/zconfig.kvd"_s));
}
