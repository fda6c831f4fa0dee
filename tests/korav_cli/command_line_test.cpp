#include "korav/cli/command_options.h"
#include "tests/korav_cli/cli_fixture.h"

using namespace Qt::StringLiterals;

namespace {

TEST(CommandLine, ReadsValuesInBothSpellingsAndTheFlags)
{
    const ParsedCommand parsed = ParseCommandLine({ u"report"_s, u"project"_s, u"--data=/firma"_s,
        u"--year"_s, u"2024"_s, u"--quarter"_s, u"1-3"_s, u"--activity"_s, u"P 1"_s, u"--forecast"_s,
        u"--format"_s, u"xlsx"_s, u"--out"_s, u"a b.xlsx"_s, u"--yes"_s });
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    const CommandOptions& o = *parsed.options;
    EXPECT_EQ(o.report, u"project"_s);
    EXPECT_EQ(o.dataFolder, u"/firma"_s);
    EXPECT_EQ(o.year, 2024);
    EXPECT_EQ(o.quarter, u"1-3"_s);
    EXPECT_FALSE(o.month);
    EXPECT_EQ(o.activity, u"P 1"_s);
    EXPECT_TRUE(o.forecast);
    EXPECT_EQ(o.out, u"a b.xlsx"_s);
}

struct UsageCase {
    const char* words;
    const char* message;
};

class Usage : public CliFixture, public ::testing::WithParamInterface<UsageCase> { };

// Wrong use is told before the password is looked at, with exit code 2.
TEST_P(Usage, IsRefusedWithItsMessageAndCodeTwo)
{
    QStringList words = QString::fromUtf8(GetParam().words).split(u' ');
    if (words.contains(u"DATA"_s))
        words.replace(words.indexOf(u"DATA"_s), dataFolder());
    EXPECT_EQ(RunKoravCommand(words, messenger, clock), 2);
    EXPECT_EQ(messenger.all,
        (QStringList { QString::fromUtf8(GetParam().message), u"Aufruf siehe : korav --help"_s }))
        << messenger.all.join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(CommandLines, Usage,
    ::testing::Values(UsageCase { "bauen --data DATA", "Unbekannter Befehl : bauen" },
        UsageCase { "BUILD --data DATA", "Unbekannter Befehl : BUILD" },
        UsageCase { "--data DATA build", "Unbekannter Befehl : --data" },
        UsageCase { "build", "Es fehlt der KORAV-Ordner ( --data ORDNER )" },
        UsageCase { "build --data DATA --now", "Unbekannte oder hier nicht erlaubte Angabe : --now" },
        UsageCase { "backup --data DATA --data DATA", "Angabe doppelt : --data" },
        UsageCase { "backup --data", "Zu --data fehlt der Wert" },
        UsageCase { "backup --now=ja --data DATA", "Angabe --now erwartet keinen Wert" },
        UsageCase { "restore --data DATA zama.kvd", "Es fehlt der Sicherungsordner ( --from terminbkpN )" },
        UsageCase { "restore --data DATA --from terminbkp1 --now",
            "Unbekannte oder hier nicht erlaubte Angabe : --now" },
        UsageCase { "backup --data DATA zama.kvd", "Unbekannte oder hier nicht erlaubte Angabe : zama.kvd" },
        UsageCase { "report month --data DATA",
            "Unbekannte Übersicht : month  ( employee, project, check, viewer, account, law, timesheet )" },
        UsageCase { "report employee --data DATA --format txt --out x", "Es fehlt das Jahr ( --year JAHR )" },
        UsageCase {
            "report employee --data DATA --year 20x3 --format txt --out x", "Ungültiges Jahr : 20x3" },
        UsageCase {
            "report employee --data DATA --year 2023 --month 13", "Ungültiger Monat : 13  ( 1 bis 12 )" },
        UsageCase { "report employee --data DATA --year 2023 --quarter 2-3",
            "Ungültiges Quartal : 2-3  ( 1, 2, 3, 4, 1-2, 1-3, 1-4 )" },
        UsageCase { "report employee --data DATA --year 2023 --month 1 --quarter 1 --format txt --out x",
            "Nur eines von --month und --quarter ist möglich" },
        UsageCase { "report employee --data DATA --year 2023 --out x",
            "Es fehlt das Format ( --format txt|pdf|xlsx|csv )" },
        UsageCase { "report employee --data DATA --year 2023 --format txt",
            "Es fehlt die Ausgabedatei ( --out DATEI )" },
        UsageCase { "report check --data DATA --year 2023 --month 3 --format txt --out x",
            "Unbekannte oder hier nicht erlaubte Angabe : --month" },
        UsageCase { "report employee --data DATA --year 2023 --missing --format txt --out x",
            "Unbekannte oder hier nicht erlaubte Angabe : --missing" },
        UsageCase { "report viewer --data DATA --year 2023 --format txt --out x",
            "Es fehlt der Monat ( --month MONAT )" }));

struct StartCase {
    QStringList words;
    bool command;
};

class Start : public ::testing::TestWithParam<StartCase> { };

// Only what Qt itself reads for a window opens the window; every other word
// ends as a command line, where an unknown word gets the usage message.
TEST_P(Start, OpensTheWindowOnlyForWindowOptions)
{
    EXPECT_EQ(IsKoravCommand(GetParam().words), GetParam().command)
        << GetParam().words.join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Words, Start,
    ::testing::Values(StartCase { {}, false }, StartCase { { u"-platform"_s, u"xcb"_s }, false },
        StartCase { { u"-style=fusion"_s, u"-reverse"_s }, false },
        StartCase { { u"-session"_s, u"1a2b"_s, u"-geometry"_s, u"800x600"_s }, false },
        StartCase { { u"frobnicate"_s }, true }, StartCase { { u"BUILD"_s }, true },
        StartCase { { u"--data"_s, u"/firma"_s, u"build"_s }, true }, StartCase { { u"-platform"_s }, true },
        StartCase { { u"-reverse"_s, u"collect"_s }, true }, StartCase { { u"build"_s }, true },
        StartCase { { u"--help"_s }, true }, StartCase { { u"demo"_s }, true }));

struct FormatCase {
    const char* report;
    const char* format;
    const char* message;
};

class Format : public CliFixture, public ::testing::WithParamInterface<FormatCase> { };

// Each report offers what its form's output buttons offer.
TEST_P(Format, NotOfferedByTheFormIsRefused)
{
    EXPECT_EQ(run({ u"report"_s, QString::fromUtf8(GetParam().report), u"--year"_s, u"2023"_s, u"--month"_s,
                  u"3"_s, u"--employee"_s, u"Erika Sommer"_s, u"--format"_s,
                  QString::fromUtf8(GetParam().format), u"--out"_s, root.path(u"x"_s) }),
        2);
    EXPECT_EQ(messenger.all, QStringList { QString::fromUtf8(GetParam().message) });
    EXPECT_FALSE(root.exists(u"x"_s));
}

INSTANTIATE_TEST_SUITE_P(Reports, Format,
    ::testing::Values(FormatCase { "viewer", "pdf",
                          "Die PELIN-Monatsübersicht kann nicht im Format 'pdf' ausgegeben werden !  " },
        FormatCase {
            "viewer", "xlsx", "Die PELIN-Monatsübersicht kann nicht im Format 'xlsx' ausgegeben werden !  " },
        FormatCase {
            "viewer", "csv", "Die PELIN-Monatsübersicht kann nicht im Format 'csv' ausgegeben werden !  " },
        FormatCase { "employee", "ods",
            "Die Mitarbeiter-Übersicht kann nicht im Format 'ods' ausgegeben werden !  " }));

TEST_F(CliFixture, CheckOffersNoWorkbook)
{
    EXPECT_EQ(run({ u"report"_s, u"check"_s, u"--year"_s, u"2023"_s, u"--format"_s, u"xlsx"_s, u"--out"_s,
                  root.path(u"x"_s) }),
        2);
    EXPECT_EQ(messenger.all,
        QStringList {
            u"Die Übersicht der Arbeitszeit-Dateien kann nicht im Format 'xlsx' ausgegeben werden !  "_s });
}

TEST_F(CliFixture, MissingDataFolderEndsTheCommand)
{
    EXPECT_EQ(
        RunKoravCommand({ u"collect"_s, u"--data"_s, root.path(u"fehlt"_s), u"--password"_s, u"chef"_s },
            messenger, clock),
        1);
    EXPECT_EQ(messenger.all, QStringList { u"KORAV-Ordner nicht vorhanden, Programm wird beendet !  "_s });
}

} // namespace
