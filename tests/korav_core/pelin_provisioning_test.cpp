#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/file_store_failure.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/connection_settings.h"
#include "korav/core/file_stamp.h"
#include "korav/core/pelin_base_builder.h"
#include "korav/core/pelin_provision.h"
#include "korav/core/pelin_start.h"
#include "korav/core/time_file_collection.h"
#include "tests/korav_core/korav_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDate kStart(2024, 3, 4);
const QDateTime kNow(kStart, QTime(9, 7, 30));

void SetTime(const QString& path, const QDateTime& time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

QByteArray Lines(const QStringList& lines)
{
    return kBom + (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

// A data folder with three employees ready to be built, the exchange
// folders beside it.
struct ProvisionFixture : ::testing::Test {
    KoravFixture f;
    FixedClock clock { kNow };
    DataFileCodec codec { CodecProgram::Korav, f.messenger };
    ConnectionSettings connection { f.store };
    BaseDataStaleness stale { true, true, true, true };
    QStringList master { u"Anna=Anna Alt#P1#pa#100#"_s, u"Bernd=Bernd Bau#P2#pb#62,5#"_s,
        u"Carla=Carla Cel#P3#pc#80#"_s };
    QString prog = f.tmp.path(u"prog"_s);
    QString zeit = f.tmp.path(u"zeit"_s);

    ProvisionFixture()
    {
        QDir().mkpath(prog);
        QDir().mkpath(zeit);
        f.write(u"zama.kvd"_s, Lines({ u"Anna"_s, u"Bernd"_s, u"Carla"_s }));
        f.write(u"zmszsatz.kvd"_s, Lines({ u"mszP1=10800"_s, u"mszP2=10800"_s, u"mszP3=10800"_s }));
        f.write(u"zconfig.kvd"_s,
            Lines({ u"progordner="_s + prog, u"zeitordner="_s + zeit, u"key_laestamm=4"_s,
                u"bezeichnung5=Büro"_s }));
        f.write(u"zprojekte.kvd"_s, Lines({ u"P100=Projekt"_s }));
        f.write(u"zsonstige.kvd"_s, Lines({ u"Krank=Krank"_s, u"Pause=Pause"_s }));
        writeMaster();
        connection.load();
    }

    void writeMaster() { f.write(u"zamasta.kvd"_s, Lines(master)); }
    bool build() { return PelinBaseBuild { f.store, codec, clock, kStart, connection }.run(stale); }
    StringList unscrambled(const QString& path)
    {
        StringList list;
        codec.LoadDataFile(path, list);
        return list;
    }
};

TEST_F(ProvisionFixture, BuildsTheThreeFilesFromTheirSources)
{
    ASSERT_TRUE(build());
    EXPECT_EQ(unscrambled(f.path(u"dama.kvd"_s)).lines(),
        (QStringList { u"pa=P1#Anna Alt#100#"_s, u"pb=P2#Bernd Bau#62.5#"_s, u"pc=P3#Carla Cel#80#"_s,
            u"mszP1=10800"_s, u"mszP2=10800"_s, u"mszP3=10800"_s, u"key_laestamm=4"_s,
            u"bezeichnung5=Büro"_s }));
    EXPECT_EQ(f.read(u"dprojekte.kvd"_s), Lines({ u"P100=Projekt"_s, u"Krank=Krank"_s, u"Pause=Pause"_s }));
    // Without "landcode" and "feiertag" lines the defaults stand in.
    EXPECT_EQ(unscrambled(f.path(u"pelin.cfg"_s)).lines(),
        (QStringList { u"LAN_aktiv=1"_s, u"progordner="_s + prog, u"zeitordner="_s + zeit, u"LDAP_aktiv=0"_s,
            u"landcode=0"_s, u"feiertag=000000"_s, u"dbversion=161020"_s }));
    EXPECT_FALSE(stale.anyBaseData());
    EXPECT_TRUE(f.messenger.all.isEmpty()) << f.messenger.all.join(u'|').toStdString();
}

TEST_F(ProvisionFixture, ScrambledFilesAreTheCodecsFormOfTheLines)
{
    ASSERT_TRUE(build());
    StringList expected({ u"LAN_aktiv=1"_s, u"progordner="_s + prog, u"zeitordner="_s + zeit,
        u"LDAP_aktiv=0"_s, u"landcode=0"_s, u"feiertag=000000"_s, u"dbversion=161020"_s });
    ASSERT_TRUE(codec.SaveDataFile(f.tmp.path(u"expected.cfg"_s), expected));
    EXPECT_EQ(f.read(u"pelin.cfg"_s), f.tmp.read(u"expected.cfg"_s));
}

TEST_F(ProvisionFixture, FtpAndDirectoryKeysFollowTheSwitches)
{
    connection.fields().ftpActive = true;
    connection.fields().ftpServer = u"ftp.firma.de"_s;
    connection.fields().ftpUser = u"pelin"_s;
    connection.fields().ftpFolder = u"zeit"_s;
    connection.fields().ldapActive = true;
    connection.fields().ldapServer = u"ldap.firma.de"_s;
    connection.fields().ldapPort = u"389"_s;
    connection.fields().ldapDn1 = u"firma"_s;
    connection.fields().ldapDn2 = u"de"_s;
    ASSERT_TRUE(connection.saveFields());
    ASSERT_TRUE(build());
    EXPECT_EQ(unscrambled(f.path(u"pelin.cfg"_s)).lines(),
        (QStringList { u"LAN_aktiv=0"_s, u"progordner="_s + prog, u"zeitordner="_s + zeit, u"LDAP_aktiv=1"_s,
            u"landcode=0"_s, u"feiertag=000000"_s, u"dbversion=161020"_s, u"syftpserver=ftp.firma.de"_s,
            u"syftpbenutzer=pelin"_s, u"syftpordner=zeit"_s, u"ldapserver=ldap.firma.de"_s, u"ldapport=389"_s,
            u"ldapdn1=firma"_s, u"ldapdn2=de"_s, u"ldap_cbox_aktiviert=1"_s }));
}

// StartTLS reaches PELIN only while on, so that firms without it keep their
// files as they were.
TEST_F(ProvisionFixture, StartTlsKeyOnlyWhileOn)
{
    ConnectionFields& fields = connection.fields();
    fields.ldapActive = true;
    fields.ldapServer = u"ldap.firma.de"_s;
    fields.ldapStartTls = true;
    ASSERT_TRUE(connection.saveFields());
    ASSERT_TRUE(build());
    EXPECT_TRUE(unscrambled(f.path(u"pelin.cfg"_s)).lines().endsWith(u"ldap_starttls=1"_s));
    fields.ldapStartTls = false;
    ASSERT_TRUE(connection.saveFields());
    EXPECT_FALSE(f.read(u"zconfig.kvd"_s).contains("starttls"));
}

struct Refusal {
    const char* name;
    QStringList master;
    const char16_t* message;
};

class BuildRefusal : public ProvisionFixture, public ::testing::WithParamInterface<Refusal> { };

TEST_P(BuildRefusal, StopsWithItsMessageBeforeWritingTheEmployeeFile)
{
    master = GetParam().master;
    writeMaster();
    EXPECT_FALSE(build());
    EXPECT_EQ(f.messenger.messages, QStringList { QString::fromUtf16(GetParam().message) });
    EXPECT_FALSE(QFileInfo::exists(f.path(u"dama.kvd"_s)));
}

const QString kA = u"Anna=Anna Alt#P1#pa#100#"_s;
const QString kB = u"Bernd=Bernd Bau#P2#pb#100#"_s;

INSTANTIATE_TEST_SUITE_P(Checks, BuildRefusal,
    ::testing::Values(Refusal { "FourRecords", { kA, kB, u"Carla=C#P3#pc#80#"_s, u"Dora=D#P4#pd#80#"_s },
                          u"Die Stammdaten von Dora gehören zu keinem Mitarbeiter der Liste !\n\n"
                          u"( Mitarbeiter-Liste: Dora eintragen und mit den Stammdaten löschen )" },
        Refusal { "PasswordsInCase", { kA, kB, u"Carla=C#P3#PA#80#"_s },
            u"Das Passwort ist doppelt vorhanden : Carla = Anna !  \n\n( Mitarbeiter-Stammdaten )" },
        Refusal { "PasswordWithEquals", { kA, kB, u"Carla=C#P3#e=f#80#"_s },
            u"Das Passwort von Carla enthält ein \"=\", mit dem keine Anmeldung möglich ist !\n\n"
            u"( Mitarbeiter-Stammdaten  )" },
        Refusal { "NumbersInCase", { u"Anna=A#p1#pa#100#"_s, kB, u"Carla=C#P1#pc#80#"_s },
            u"Die Personalnummer ist doppelt vorhanden : Carla = Anna !  \n\n( Mitarbeiter-Stammdaten )" },
        Refusal { "Degree100_5", { kA, kB, u"Carla=C#P3#pc#100.5#"_s },
            u"Der Beschäftigungsgrad von Carla darf nicht größer als 100.0 sein !\n\n( "
            u"Mitarbeiter-Stammdaten  )" },
        Refusal { "DegreeNegative", { kA, kB, u"Carla=C#P3#pc#-5#"_s },
            u"Der Beschäftigungsgrad von Carla darf nicht negativ sein !\n\n( Mitarbeiter-Stammdaten  )" },
        Refusal { "DegreePercent", { kA, kB, u"Carla=C#P3#pc#80%#"_s },
            u"Der Beschäftigungsgrad von Carla ist nicht numerisch !\n\n( Mitarbeiter-Stammdaten  )" },
        Refusal { "NumberWithFolder", { kA, kB, u"Carla=C#../P3#pc#80#"_s },
            u"Die Personalnummer von Carla enthält unzulässige Zeichen !\n\n( Mitarbeiter-Stammdaten  )" },
        Refusal { "NumberWithColon", { kA, kB, u"Carla=C#P:3#pc#80#"_s },
            u"Die Personalnummer von Carla enthält unzulässige Zeichen !\n\n( Mitarbeiter-Stammdaten  )" },
        Refusal { "UnscramblableName", { kA, kB, u"Carla=C – D#P3#pc#80#"_s },
            u"Die Stammdaten von Carla enthalten ein Zeichen, das nicht gespeichert werden kann (U+2013) "
            u"!\n\n"
            u"( Mitarbeiter-Stammdaten  )" },
        Refusal { "NoMasterData", { kA, kB },
            u"Es fehlen die Stammdaten von Carla !\n\n( Mitarbeiter-Stammdaten  )" },
        Refusal { "EveryProblemOfEveryEmployee",
            { u"Anna=#P1#pa#100#"_s, kB, u"Carla=C#P3##x#"_s, u"Dora=D#P4#pd#80#"_s },
            u"Die Stammdaten von Dora gehören zu keinem Mitarbeiter der Liste ! "
            u"( Mitarbeiter-Liste: Dora eintragen und mit den Stammdaten löschen )\n"
            u"Es fehlt der lange Mitarbeitername von Anna ! ( Mitarbeiter-Stammdaten  )\n"
            u"Es fehlt das Passwort von Carla ! ( Mitarbeiter-Stammdaten  )\n"
            u"Der Beschäftigungsgrad von Carla ist nicht numerisch ! ( Mitarbeiter-Stammdaten  )" }),
    [](const auto& info) { return std::string(info.param.name); });

// The target records of the fixture's employees as the target-times
// dialog builds them, for a window of the given start year.
QString Units(int startYear, int march)
{
    QString units = u"00000000000"_s.repeated(3);
    units += u"03"_s + QString::number(startYear) + QString::number(march) + u"00"_s;
    return units + u"00000000000"_s.repeated(10);
}

TEST_F(ProvisionFixture, RecordsOfLastYearAreRebuiltForTheStartYear)
{
    // Built in 2023, nothing edited since: KORAV started on 4 March 2024.
    f.write(u"zmszsatz.kvd"_s,
        Lines({ u"mszP1=10800"_s + Units(2023, 170), u"mszP2=10800"_s + Units(2023, 170),
            u"mszP3=10800"_s + Units(2023, 170) }));
    f.write(u"zmonsoll2024.kvd"_s, Lines({ u"202403Anna=       168"_s, u"202403Bernd=       168"_s }));
    BaseDataStaleness built;
    ASSERT_TRUE(build());
    built.check(f.store.folder(), prog);
    EXPECT_FALSE(built.employeeFile);
    built.check(f.store.folder(), prog, 2025);
    EXPECT_TRUE(built.employeeFile) << "a new year needs new records";
    const QStringList records { u"mszP1=10800"_s + Units(2024, 168), u"mszP2=10800"_s + Units(2024, 168),
        u"mszP3=10800"_s + u"00000000000"_s.repeated(14) };
    EXPECT_EQ(f.read(u"zmszsatz.kvd"_s), Lines(records));
    EXPECT_EQ(unscrambled(f.path(u"dama.kvd"_s)).lines().mid(3, 3), records);
    EXPECT_TRUE(f.messenger.all.isEmpty()) << f.messenger.all.join(u'|').toStdString();
}

TEST_F(ProvisionFixture, MissingTargetsOfTheStartYearAreNamed)
{
    const QByteArray lastYear
        = Lines({ u"mszP1=10800"_s + Units(2023, 170), u"mszP2=10800"_s, u"mszP3=10800"_s });
    f.write(u"zmszsatz.kvd"_s, lastYear);
    EXPECT_FALSE(build());
    EXPECT_EQ(f.messenger.messages,
        QStringList {
            u"Es fehlen die Arbeits-Sollzeiten für das Jahr 2024 !  \n\n( Arbeits-Sollzeiten )"_s });
    EXPECT_EQ(f.read(u"zmszsatz.kvd"_s), lastYear);
    EXPECT_FALSE(QFileInfo::exists(f.path(u"dama.kvd"_s)));
}

TEST_F(ProvisionFixture, WithoutAnyTargetRecordEveryEmployeeIsNamed)
{
    f.write(u"zmonsoll2024.kvd"_s, Lines({}));
    QFile::remove(f.path(u"zmszsatz.kvd"_s));
    EXPECT_FALSE(build());
    EXPECT_EQ(f.messenger.messages,
        QStringList { u"Es fehlen die Arbeits-Sollzeiten von Anna !   ( Arbeits-Sollzeiten )\n"
                      u"Es fehlen die Arbeits-Sollzeiten von Bernd !   ( Arbeits-Sollzeiten )\n"
                      u"Es fehlen die Arbeits-Sollzeiten von Carla !   ( Arbeits-Sollzeiten )"_s });
}

TEST_F(ProvisionFixture, OwnDailyTargetReachesTheEmployeesRecordAndARemovedEmployeeLeavesIt)
{
    f.write(u"zmonsoll2024.kvd"_s, Lines({}));
    f.write(u"zmatagsoll.kvd"_s, Lines({ u"Bernd=0500"_s }));
    f.write(u"zama.kvd"_s, Lines({ u"Bernd"_s, u"Anna"_s }));
    master.removeLast();
    writeMaster();
    ASSERT_TRUE(build());
    const QString none = u"00000000000"_s.repeated(14);
    EXPECT_EQ(f.read(u"zmszsatz.kvd"_s), Lines({ u"mszP1=10800"_s + none, u"mszP2=10500"_s + none }));
    EXPECT_EQ(unscrambled(f.path(u"dama.kvd"_s)).lines().mid(0, 4),
        (QStringList { u"pb=P2#Bernd Bau#62.5#"_s, u"pa=P1#Anna Alt#100#"_s, u"mszP1=10800"_s + none,
            u"mszP2=10500"_s + none }));
}

TEST_F(ProvisionFixture, DegreeOf100Passes)
{
    master[2] = u"Carla=Carla Cel#P3#pc#100#"_s;
    writeMaster();
    EXPECT_TRUE(build());
}

TEST_F(ProvisionFixture, DateChangeSinceStartIsRefused)
{
    clock.set(QDateTime(kStart.addDays(1), QTime(0, 1)));
    EXPECT_FALSE(build());
    EXPECT_EQ(f.messenger.messages, QStringList { u"Zeitfehler: Starten Sie das Programm neu !  "_s });
}

TEST_F(ProvisionFixture, OnlyConfigChangedMakesEmployeeFileAndConfigStale)
{
    ASSERT_TRUE(build());
    const QDateTime built = QDateTime::currentDateTime().addSecs(-100);
    for (const auto* name :
        { u"zama.kvd", u"zamasta.kvd", u"zmszsatz.kvd", u"zconfig.kvd", u"zprojekte.kvd", u"zsonstige.kvd" })
        SetTime(f.path(QString::fromUtf16(name)), built.addSecs(-10));
    for (const auto* name : { u"dama.kvd", u"dprojekte.kvd", u"pelin.cfg" })
        SetTime(f.path(QString::fromUtf16(name)), built);
    SetTime(f.path(u"zconfig.kvd"_s), built.addSecs(1));
    BaseDataStaleness now;
    now.check(f.store.folder(), prog);
    EXPECT_TRUE(now.employeeFile);
    EXPECT_FALSE(now.activityList);
    EXPECT_TRUE(now.config);
}

TEST(FileStamp, RealSecondsAndNewer)
{
    TempFolder tmp;
    tmp.write(u"a"_s, "x");
    SetTime(tmp.path(u"a"_s), QDateTime(QDate(2024, 3, 4), QTime(9, 7, 31)));
    EXPECT_EQ(FileStamp::Of(tmp.path(u"a"_s)), u"20240304_090731"_s);
    EXPECT_TRUE(FileStamp::IsFileNewer(tmp.path(u"a"_s), u"20240304_090730"_s));
    EXPECT_FALSE(FileStamp::IsFileNewer(tmp.path(u"a"_s), u"20240304_090731"_s));
    EXPECT_FALSE(FileStamp::IsFileNewer(tmp.path(u"missing"_s), {}));
}

TEST_F(ProvisionFixture, ProvidingCopiesAndAsksTheSecondTime)
{
    ASSERT_TRUE(build());
    f.write(u"pelin"_s, "#!/bin/sh\n");
    PelinProvision provision(f.store, connection);
    EXPECT_EQ(provision.provideBaseData(stale, kNow).statusText,
        u"09:07 - PELIN - Basisdaten bereitgestellt (4)"_s);
    EXPECT_EQ(f.tmp.read(u"zeit/dama.kvd"_s), f.read(u"dama.kvd"_s));
    EXPECT_EQ(f.tmp.read(u"zeit/dprojekte.kvd"_s), f.read(u"dprojekte.kvd"_s));
    EXPECT_EQ(f.tmp.read(u"prog/pelin.cfg"_s), f.read(u"pelin.cfg"_s));
    EXPECT_EQ(f.tmp.read(u"prog/pelin"_s), "#!/bin/sh\n");
    EXPECT_EQ(f.read(u"uplstemp_pel.kvd"_s), Lines({ u"Zeitstempel für Upload"_s }));
    EXPECT_TRUE(f.messenger.questions.isEmpty());

    EXPECT_EQ(provision.provideBaseData(stale, kNow).statusText, std::nullopt);
    EXPECT_EQ(f.messenger.questions,
        QStringList { u"PELIN-Basisdaten sind aktuell !  \nErneut Bereitstellen ?"_s });
    f.messenger.answerNext(kAnswerYes);
    EXPECT_EQ(provision.provideBaseData(stale, kNow).statusText,
        u"09:07 - PELIN - Basisdaten bereitgestellt (3)"_s);
}

// Without account settings every built and provided file is what it was
// before the accounts existed.
TEST_F(ProvisionFixture, WithoutAccountSettingsNothingNewIsBuiltOrProvided)
{
    ASSERT_TRUE(build());
    StringList expected(QStringList { u"pa=P1#Anna Alt#100#"_s, u"pb=P2#Bernd Bau#62.5#"_s,
        u"pc=P3#Carla Cel#80#"_s, u"mszP1=10800"_s, u"mszP2=10800"_s, u"mszP3=10800"_s, u"key_laestamm=4"_s,
        u"bezeichnung5=Büro"_s });
    ASSERT_TRUE(codec.SaveDataFile(f.tmp.path(u"expected.kvd"_s), expected));
    EXPECT_EQ(f.read(u"dama.kvd"_s), f.tmp.read(u"expected.kvd"_s));
    EXPECT_FALSE(QFileInfo::exists(f.path(u"dkonto.kvd"_s)));
    f.write(u"pelin"_s, "#!/bin/sh\n");
    ASSERT_TRUE(PelinProvision(f.store, connection).provideBaseData(stale, kNow).complete());
    EXPECT_EQ(QDir(zeit).entryList(QDir::Files), (QStringList { u"dama.kvd"_s, u"dprojekte.kvd"_s }));
}

// Anna's 2024 starts at 10:00 with 30 days and 2 carried over; January has
// passed without data, February holds a working day and a holiday. The
// build on 4 March gives her balance up to the end of February.
TEST_F(ProvisionFixture, AccountsAreBuiltAndProvidedBesideTheEmployeeFile)
{
    f.write(u"zsonstige.kvd"_s, Lines({ u"Pause=Pause"_s, u"Urlaub=Urlaub"_s }));
    f.write(u"zmonsoll2024.kvd"_s, Lines({ u"202401Anna=    160.00"_s, u"202402Anna=    160.00"_s }));
    StringList settings(QStringList { u"2024Anna=10:00#30#2#"_s });
    ASSERT_TRUE(codec.SaveDataFile(f.path(u"zkonto.kvd"_s), settings));
    f.write(u"auswtg/202402/az202402P1.kvd"_s,
        "az20240201P1=2024020108001600\r\npz20240201P1=2024020100800P100####\r\n"
        "az20240202P1=2024020208001600\r\npz20240202P1=2024020200800Urlaub####\r\n");
    ASSERT_TRUE(build());
    // 10:00 - 160:00 - (160:00 - 16:00) = -294:00; 30 + 2 - 1 days
    EXPECT_EQ(
        unscrambled(f.path(u"dkonto.kvd"_s)).lines(), QStringList { u"ktoP1=202402#-17640#2024#62#2#0#"_s });
    f.write(u"pelin"_s, "#!/bin/sh\n");
    ASSERT_TRUE(PelinProvision(f.store, connection).provideBaseData(stale, kNow).complete());
    EXPECT_EQ(f.tmp.read(u"zeit/dkonto.kvd"_s), f.read(u"dkonto.kvd"_s));

    // Settings saved later make the employee file stale; without them the
    // next build removes the accounts.
    SetTime(f.path(u"zkonto.kvd"_s), QDateTime::currentDateTime().addSecs(3600));
    stale.check(f.store.folder(), prog, kStart.year());
    EXPECT_TRUE(stale.employeeFile);
    QFile::remove(f.path(u"zkonto.kvd"_s));
    stale = BaseDataStaleness { true, true, true, true };
    ASSERT_TRUE(build());
    EXPECT_FALSE(QFileInfo::exists(f.path(u"dkonto.kvd"_s)));
}

TEST_F(ProvisionFixture, ClosedMonthsGoWithTheBaseDataOnlyOnceAMonthWasClosed)
{
    ASSERT_TRUE(build());
    f.write(u"pelin"_s, "#!/bin/sh\n");
    PelinProvision provision(f.store, connection);
    ASSERT_TRUE(provision.provideBaseData(stale, kNow).complete());
    EXPECT_FALSE(f.tmp.exists(u"zeit/dabschluss.kvd"_s));

    f.write(u"dabschluss.kvd"_s, Lines({ u"abschluss=202402"_s }));
    f.messenger.answerNext(kAnswerYes);
    ASSERT_TRUE(provision.provideBaseData(stale, kNow).complete());
    EXPECT_EQ(f.tmp.read(u"zeit/dabschluss.kvd"_s), Lines({ u"abschluss=202402"_s }));
}

TEST_F(ProvisionFixture, MissingBuiltFileStopsProvidingWithoutMarker)
{
    PelinProvision provision(f.store, connection);
    EXPECT_EQ(provision.provideBaseData(stale, kNow).statusText, std::nullopt);
    EXPECT_EQ(f.messenger.messages, QStringList { u"Datei dama.kvd in KORAV-Ordner nicht vorhanden !  "_s });
    EXPECT_FALSE(QFileInfo::exists(f.path(u"uplstemp_pel.kvd"_s)));
}

TEST_F(ProvisionFixture, StartingPelinMapsFailures)
{
    QStringList started;
    const PelinStart start([&](const QString& program, const QStringList& arguments, const QString& folder) {
        started << program << arguments << folder;
        return true;
    });
    EXPECT_FALSE(start.start(f.store.folder(), f.messenger));
    EXPECT_EQ(f.messenger.messages, QStringList { u"Die angegebene Datei ist nicht vorhanden !  "_s });
    f.write(u"pelin"_s, "#!/bin/sh\n");
    EXPECT_FALSE(start.start(f.store.folder(), f.messenger));
    EXPECT_EQ(f.messenger.messages.last(), u"Die .EXE Datei ist ungültig oder beschädigt !  "_s);
    QFile::setPermissions(f.path(u"pelin"_s), QFile::permissions(f.path(u"pelin"_s)) | QFile::ExeOwner);
    EXPECT_TRUE(start.start(f.store.folder(), f.messenger));
    EXPECT_EQ(started, (QStringList { f.path(u"pelin"_s), u"korav"_s, f.store.folder().folder() }));
}

// The time folder with month files; collection into the data folder.
struct CollectionFixture : ProvisionFixture {
    TimeFileCollection collection { f.store, zeit };
    QDateTime t0 = QDateTime(QDate(2023, 5, 20), QTime(10, 0, 1));

    void put(const QString& name, const QByteArray& bytes, const QDateTime& time)
    {
        f.tmp.write(u"zeit/"_s + name, bytes);
        SetTime(f.tmp.path(u"zeit/"_s + name), time);
    }
    TimeFileCollection::Result collect() { return collection.CollectTimeFiles(true, kNow).value(); }
};

TEST_F(CollectionFixture, CollectsNewAndGrownFilesIntoTheirMonth)
{
    put(u"az202305P1.kvd"_s, "mai", t0);
    put(u"az202304P1.kvd"_s, "april", t0);
    put(u"d P1.kvd"_s, "x", t0);
    TimeFileCollection::Result r = collect();
    EXPECT_EQ(r.statusText, u"09:07 - 2 Arbeitszeit-Dateien vorhanden - 2 geänderte Dateien aktualisiert"_s);
    EXPECT_EQ(r.collectionText, u"zuletzt am Mo, 04.03.2024 09:07"_s);
    EXPECT_EQ(f.read(u"auswtg/202305/az202305P1.kvd"_s), "mai");
    EXPECT_EQ(f.read(u"korav_cfg.kvd"_s), Lines({ u"azstand=zuletzt am Mo, 04.03.2024 09:07"_s }));

    r = collect();
    EXPECT_EQ(r.statusText, u"09:07 - 2 Arbeitszeit-Dateien vorhanden - keine Dateien geändert"_s);
    put(u"az202305P1.kvd"_s, "mai 2", t0.addSecs(1));
    EXPECT_EQ(collect().updated, 1);
    EXPECT_EQ(f.read(u"auswtg/202305/az202305P1.kvd"_s), "mai 2");

    QFile::remove(f.tmp.path(u"zeit/az202304P1.kvd"_s));
    EXPECT_EQ(collect().found, 1);
    EXPECT_EQ(f.read(u"landatum.kv2"_s), Lines({ u"az202305P1.kvd=2023_05_20_10_00_02"_s }));
}

TEST_F(CollectionFixture, UploadsIntoClosedMonthsAreCollectedAndReportedAsLate)
{
    put(u"az202304P1.kvd"_s, "april", t0);
    put(u"az202305P1.kvd"_s, "mai", t0);
    EXPECT_TRUE(collect().late.isEmpty());
    f.write(u"zabschluss.kvd"_s, Lines({ u"abschluss=202304"_s }));
    EXPECT_EQ(collect().statusText, u"09:07 - 2 Arbeitszeit-Dateien vorhanden - keine Dateien geändert"_s);

    put(u"az202304P1.kvd"_s, "april spät", t0.addSecs(2));
    put(u"az202305P1.kvd"_s, "mai 2", t0.addSecs(2));
    const TimeFileCollection::Result r = collect();
    EXPECT_EQ(r.statusText,
        u"09:07 - 2 Arbeitszeit-Dateien vorhanden - 2 geänderte Dateien aktualisiert - davon 1 nach "
        "Monatsabschluss: az202304P1.kvd"_s);
    EXPECT_EQ(r.late, QStringList { u"az202304P1.kvd"_s });
    EXPECT_EQ(f.read(u"auswtg/202304/az202304P1.kvd"_s), "april spät");
}

TEST_F(CollectionFixture, AfterMidnightTheTextTakesTheMomentOfTheCollection)
{
    // KORAV started on Monday; the collection runs at 00:20 on Tuesday.
    const QDateTime afterMidnight(kStart.addDays(1), QTime(0, 20));
    EXPECT_EQ(collection.CollectTimeFiles(true, afterMidnight)->collectionText,
        u"zuletzt am Di, 05.03.2024 00:20"_s);
}

TEST_F(CollectionFixture, EmptyTimeFolder)
{
    EXPECT_EQ(collect().statusText, u"09:07 - keine Arbeitszeit-Dateien vorhanden"_s);
}

TEST_F(CollectionFixture, FailedCopyIsTriedAgainNextTime)
{
    put(u"az202305P1.kvd"_s, "mai", t0);
    put(u"az202304P1.kvd"_s, "april", t0);
    QDir().mkpath(f.path(u"auswtg/202305/az202305P1.kvd"_s));
    const TimeFileCollection::Result failing = collect();
    EXPECT_EQ(failing.updated, 1);
    EXPECT_EQ(failing.failed, QStringList { u"az202305P1.kvd"_s });
    EXPECT_EQ(f.messenger.messages,
        QStringList { u"Datei az202305P1.kvd konnte nicht aktualisiert werden! (Kopierfehler)  "_s });
    EXPECT_EQ(f.read(u"landatum.kv2"_s), Lines({ u"az202304P1.kvd=2023_05_20_10_00_01"_s }));
    QDir(f.path(u"auswtg/202305/az202305P1.kvd"_s)).removeRecursively();
    const TimeFileCollection::Result again = collect();
    EXPECT_EQ(again.updated, 1);
    EXPECT_TRUE(again.failed.isEmpty());
    EXPECT_EQ(f.read(u"auswtg/202305/az202305P1.kvd"_s), "mai");
}

TEST_F(CollectionFixture, MissingTimeFolderIsReported)
{
    QDir(zeit).removeRecursively();
    EXPECT_FALSE(collection.CollectTimeFiles(true, kNow));
    EXPECT_EQ(
        f.messenger.messages, QStringList { u"Ordner für PELIN-Zeitdateien ist nicht vorhanden !  "_s });
}

using Point = FileStore::FailureInjection::Point;

std::string PointName(const ::testing::TestParamInfo<Point>& info)
{
    switch (info.param) {
    case Point::AfterBytes:
        return "AfterBytes";
    case Point::AtFlush:
        return "AtFlush";
    case Point::AtRename:
        break;
    }
    return "AtRename";
}

class FullDiskBuild : public ProvisionFixture, public ::testing::WithParamInterface<Point> { };

TEST_P(FullDiskBuild, KeepsTheOldEmployeeFileAndFails)
{
    ASSERT_TRUE(build());
    const QByteArray before = f.read(u"dama.kvd"_s);
    f.write(u"zama.kvd"_s, Lines({ u"Anna"_s, u"Bernd"_s }));
    f.write(u"zmszsatz.kvd"_s, Lines({ u"mszP1=10800"_s, u"mszP2=10800"_s }));
    master.removeLast();
    writeMaster();
    stale.employeeFile = true;
    {
        const FileStore::FailureInjection full(GetParam(), 5, f.path(u"dama.kvd"_s));
        EXPECT_FALSE(build());
        EXPECT_GT(full.failures(), 0);
    }
    EXPECT_EQ(f.read(u"dama.kvd"_s), before);
    EXPECT_TRUE(f.messenger.messages.value(0).contains(u"dama.kvd"_s))
        << f.messenger.messages.join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Injected, FullDiskBuild,
    ::testing::Values(Point::AfterBytes, Point::AtFlush, Point::AtRename), PointName);

class FullDiskCollection : public CollectionFixture, public ::testing::WithParamInterface<Point> { };

TEST_P(FullDiskCollection, CopyFailsAndIsCollectedAgainOnceThereIsRoom)
{
    CollectionFixture& c = *this;
    c.put(u"az202305P1.kvd"_s, "mai", c.t0);
    ASSERT_EQ(c.collect().updated, 1);
    c.put(u"az202305P1.kvd"_s, "mai mit neuem Tag", c.t0.addSecs(60));
    {
        const FileStore::FailureInjection full(GetParam(), 2, u"auswtg"_s);
        EXPECT_EQ(c.collect().updated, 0);
    }
    EXPECT_EQ(c.f.read(u"auswtg/202305/az202305P1.kvd"_s), "mai");
    EXPECT_EQ(c.f.messenger.messages.value(0),
        u"Datei az202305P1.kvd konnte nicht aktualisiert werden! (Kopierfehler)  "_s);
    EXPECT_EQ(c.collect().updated, 1);
    EXPECT_EQ(c.f.read(u"auswtg/202305/az202305P1.kvd"_s), "mai mit neuem Tag");
}

INSTANTIATE_TEST_SUITE_P(Injected, FullDiskCollection,
    ::testing::Values(Point::AfterBytes, Point::AtFlush, Point::AtRename), PointName);

TEST_F(CollectionFixture, AFileRewrittenWithinTheSameSecondIsCollectedAgain)
{
    put(u"az202305P1.kvd"_s, "erster Tag", t0.addMSecs(100));
    EXPECT_EQ(collect().updated, 1);
    // PELIN uploads again within the same second, after the copy was made.
    put(u"az202305P1.kvd"_s, "erster und zweiter Tag", t0.addMSecs(600));
    EXPECT_EQ(collect().updated, 1);
    EXPECT_EQ(f.read(u"auswtg/202305/az202305P1.kvd"_s), "erster und zweiter Tag");
    EXPECT_EQ(f.read(u"landatum.kv2"_s), Lines({ u"az202305P1.kvd=2023_05_20_10_00_01_600"_s }));
    EXPECT_EQ(collect().updated, 0);
    // A whole second later still counts as newer than any millisecond before.
    put(u"az202305P1.kvd"_s, "drei Tage", t0.addSecs(1));
    EXPECT_EQ(collect().updated, 1);
}

TEST_F(CollectionFixture, TakesOnlyNamesOfMonthFiles)
{
    put(u"az202305P1.kvd"_s, "mai", t0);
    put(u"az202305a=b.kvd"_s, "gleich", t0);
    put(u"az202305a\nb.kvd"_s, "zeilenumbruch", t0);
    put(u"az202313P1.kvd"_s, "monat 13", t0);
    put(u"az202305P1234567890123.kvd"_s, "zu lang", t0);
    TimeFileCollection::Result r = collect();
    EXPECT_EQ(r.found, 1);
    EXPECT_EQ(f.read(u"landatum.kv2"_s), Lines({ u"az202305P1.kvd=2023_05_20_10_00_01"_s }));
    EXPECT_TRUE(f.messenger.messages.isEmpty()) << f.messenger.messages.join(u'|').toStdString();
    EXPECT_EQ(collect().updated, 0);
}

} // namespace
