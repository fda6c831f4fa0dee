#include "tests/korav_cli/cli_fixture.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kProvided = u"17:30 - PELIN - Basisdaten bereitgestellt (4)"_s;
const QString kProvideAgain = u"PELIN-Basisdaten sind aktuell !  \nErneut Bereitstellen ?"_s;

TEST_F(CliFixture, BuildWritesPelinsBaseDataOnceAndThenFindsThemCurrent)
{
    EXPECT_EQ(run({ u"build"_s }), 0);
    EXPECT_EQ(messenger.all, QStringList { u"PELIN-Basisdaten wurden erstellt"_s });
    for (const QString& name : { u"dama.kvd"_s, u"dprojekte.kvd"_s, u"pelin.cfg"_s })
        EXPECT_TRUE(dataExists(name)) << name.toStdString();
    EXPECT_TRUE(root.read(u"daten/dprojekte.kvd"_s)
                    .endsWith("P100=Messe\r\nP200=Katalog\r\nPause=Pause\r\nKrank=Krank\r\n"));

    messenger.all.clear();
    EXPECT_EQ(run({ u"build"_s }), 0);
    EXPECT_EQ(messenger.all, QStringList { u"PELIN-Basisdaten sind aktuell"_s });
}

TEST_F(CliFixture, BuildStopsAtTheFirstFaultOfTheMasterData)
{
    writeData(
        u"zamasta.kvd"_s, { u"Erika=Erika Sommer#4711#sommer#100#"_s, u"Max=Max Winter##winter#80#"_s });
    EXPECT_EQ(run({ u"build"_s }), 1);
    EXPECT_EQ(messenger.all, QStringList { u"Es fehlt die Personalnummer von Max  "_s });
    EXPECT_FALSE(dataExists(u"pelin.cfg"_s));
}

TEST_F(CliFixture, ProvideIsRefusedUntilTheBaseDataAreBuilt)
{
    EXPECT_EQ(run({ u"provide"_s }), 1);
    EXPECT_EQ(messenger.all, QStringList { u"PELIN-Basisdaten erstellen ! ( korav build )"_s });
    EXPECT_FALSE(root.exists(u"zeit/dama.kvd"_s));
}

TEST_F(CliFixture, ProvideCopiesBaseDataAndProgramAndAsksBeforeProvidingAgain)
{
    ASSERT_EQ(run({ u"build"_s }), 0);
    messenger.all.clear();
    EXPECT_EQ(run({ u"provide"_s }), 0);
    EXPECT_EQ(messenger.all, QStringList { kProvided });
    EXPECT_EQ(root.read(u"zeit/dama.kvd"_s), root.read(u"daten/dama.kvd"_s));
    EXPECT_EQ(root.read(u"zeit/dprojekte.kvd"_s), root.read(u"daten/dprojekte.kvd"_s));
    EXPECT_EQ(root.read(u"prog/pelin.cfg"_s), root.read(u"daten/pelin.cfg"_s));
    EXPECT_EQ(root.read(u"prog/pelin"_s), QByteArray("#!/bin/sh\n"));
    EXPECT_TRUE(dataExists(u"uplstemp_pel.kvd"_s));

    // Without "Ja" the question counts as "Nein".
    messenger.all.clear();
    EXPECT_EQ(run({ u"provide"_s }), 1);
    EXPECT_EQ(messenger.all, QStringList { kProvideAgain });

    messenger.all.clear();
    messenger.answerNext(kAnswerYes);
    EXPECT_EQ(run({ u"provide"_s }), 0);
    EXPECT_EQ(
        messenger.all, (QStringList { kProvideAgain, u"17:30 - PELIN - Basisdaten bereitgestellt (3)"_s }));
}

TEST_F(CliFixture, CollectCopiesNewTimeFilesIntoTheMonthFolder)
{
    EXPECT_EQ(run({ u"collect"_s }), 0);
    EXPECT_EQ(messenger.all,
        QStringList { u"17:30 - 1 Arbeitszeit-Dateien vorhanden - 1 geänderte Dateien aktualisiert"_s });
    EXPECT_EQ(root.read(u"daten/auswtg/202303/az2023034711.kvd"_s), MarchOfErika());
    EXPECT_TRUE(root.read(u"daten/korav_cfg.kvd"_s).contains("azstand=zuletzt am Mi, 15.03.2023 17:30"));

    messenger.all.clear();
    EXPECT_EQ(run({ u"collect"_s }), 0);
    EXPECT_EQ(
        messenger.all, QStringList { u"17:30 - 1 Arbeitszeit-Dateien vorhanden - keine Dateien geändert"_s });
}

TEST_F(CliFixture, CollectGoesOnPastAFailedCopyButEndsAsFailure)
{
    root.write(u"zeit/az2023024711.kvd"_s, MarchOfErika());
    QDir(root.path()).mkpath(u"daten/auswtg/202303/az2023034711.kvd"_s);
    EXPECT_EQ(run({ u"collect"_s }), 1);
    EXPECT_EQ(messenger.all,
        (QStringList { u"Datei az2023034711.kvd konnte nicht aktualisiert werden! (Kopierfehler)  "_s,
            u"17:30 - 2 Arbeitszeit-Dateien vorhanden - 1 geänderte Dateien aktualisiert"_s }));
    EXPECT_TRUE(dataExists(u"auswtg/202302/az2023024711.kvd"_s));
}

TEST_F(CliFixture, CollectWithoutTimeFolderFails)
{
    QDir(root.path(u"zeit"_s)).removeRecursively();
    EXPECT_EQ(run({ u"collect"_s }), 1);
    EXPECT_EQ(messenger.all, QStringList { u"Ordner für PELIN-Zeitdateien ist nicht vorhanden !  "_s });
}

TEST_F(CliFixture, BackupNowGoesRoundTheRingAndAsksBeforeOverwriting)
{
    EXPECT_EQ(run({ u"backup"_s, u"--now"_s }), 0);
    EXPECT_EQ(root.read(u"daten/terminbkp1/zama.kvd"_s), root.read(u"daten/zama.kvd"_s));
    EXPECT_TRUE(dataExists(u"terminbkp1/bkp_log.txt"_s));
    ASSERT_EQ(messenger.all.size(), 1);
    EXPECT_TRUE(messenger.all.first().startsWith(u" 15.03.2023 - 17:30 - kop."_s));
    EXPECT_TRUE(messenger.all.first().endsWith(u"..\\terminbkp1"_s));
    EXPECT_FALSE(dataExists(u"~zbackup.kvd"_s));

    // Eight folders by default: the ninth backup comes back to the first.
    for (int i = 2; i <= 8; ++i)
        ASSERT_EQ(run({ u"backup"_s, u"--now"_s }), 0);
    messenger.all.clear();
    EXPECT_EQ(run({ u"backup"_s, u"--now"_s }), 1);
    EXPECT_EQ(messenger.all,
        QStringList { u" Vorhandene Backup-Dateien in Ordner  ..\\terminbkp1  überschreiben ?  "_s });
}

TEST_F(CliFixture, BackupWithAFileNotCopiedEndsAsFailure)
{
    QDir(root.path()).mkpath(u"daten/terminbkp1/zama.kvd"_s);
    messenger.answerNext(kAnswerYes);
    EXPECT_EQ(run({ u"backup"_s, u"--now"_s }), 1);
    EXPECT_TRUE(dataExists(u"terminbkp1/zamasta.kvd"_s));
    ASSERT_EQ(messenger.all.size(), 3) << messenger.all.join(u'|').toStdString();
    EXPECT_TRUE(messenger.all.last().startsWith(u" 15.03.2023 - 17:30 - kop."_s));
}

TEST_F(CliFixture, BackupIsRefusedWhileAnotherHoldsTheLock)
{
    root.write(u"daten/~zbackup.kvd"_s, "");
    EXPECT_EQ(run({ u"backup"_s, u"--now"_s }), 1);
    EXPECT_EQ(messenger.all, QStringList { u"Datei ist momentan gesperrt ! ( ~zbackup.kvd )"_s });
    EXPECT_FALSE(dataExists(u"terminbkp1"_s));
}

TEST_F(CliFixture, BackupWithoutNowRunsOnlyWhenTheLastIsOlderThanTheInterval)
{
    EXPECT_EQ(run({ u"backup"_s }), 0);
    EXPECT_TRUE(dataExists(u"terminbkp1/zama.kvd"_s));

    messenger.all.clear();
    clock.set(kNow.addSecs(30 * 60));
    EXPECT_EQ(run({ u"backup"_s }), 0);
    ASSERT_EQ(messenger.all.size(), 1);
    EXPECT_TRUE(messenger.all.first().startsWith(u"Keine Datensicherung fällig"_s));
    EXPECT_FALSE(dataExists(u"terminbkp2"_s));

    // The default interval is one hour.
    clock.set(kNow.addSecs(61 * 60));
    EXPECT_EQ(run({ u"backup"_s }), 0);
    EXPECT_TRUE(dataExists(u"terminbkp2/zama.kvd"_s));
}

TEST_F(CliFixture, BackupWithoutNowRespectsTheSwitchedOffAutomaticBackup)
{
    writeData(u"zbackup.kvd"_s, { u"autobackup=aus"_s });
    EXPECT_EQ(run({ u"backup"_s }), 0);
    EXPECT_EQ(messenger.all,
        QStringList { u"Die automatische Datensicherung ist ausgeschaltet "
                      u"( sofort sichern : korav backup --now )"_s });
    EXPECT_FALSE(dataExists(u"terminbkp1"_s));
    EXPECT_EQ(run({ u"backup"_s, u"--now"_s }), 0);
    EXPECT_TRUE(dataExists(u"terminbkp1/zama.kvd"_s));
}

} // namespace
