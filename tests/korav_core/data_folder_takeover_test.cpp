#include "korav/core/data_folder_takeover.h"
#include "korav/core/korav_settings.h"
#include "korav/core/korav_start.h"
#include "tests/support/byte_order_mark.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class TakeOver : public ::testing::Test {
protected:
    TakeOver() { tmp.write(u"programm/.keep"_s, {}); }

    std::optional<DataFolder> takeOver(const QString& chosen, DataFolder previous = {})
    {
        return TakeOverDataFolder(
            chosen, { messenger, settings, std::move(previous), tmp.path(u"programm"_s) });
    }
    QString pelin() const { return KoravFile::PelinProgram(); }

    TempFolder tmp;
    ScriptedMessenger messenger;
    QtKoravSettings settings { tmp.path(u"settings.ini"_s) };
};

} // namespace

TEST_F(TakeOver, EmptyChoiceIsRefused)
{
    EXPECT_FALSE(takeOver({}));
    EXPECT_EQ(messenger.all, QStringList { u"Es wurde kein Ordner ausgewählt  "_s });
}

TEST_F(TakeOver, TwoHundredTwentyCharactersAreAcceptedAndOneMoreRefused)
{
    const QString base = tmp.path();
    const QString exact = base + u'/' + u"a"_s.repeated(220 - base.size() - 1);
    ASSERT_EQ(exact.size(), 220);
    ASSERT_TRUE(QDir().mkpath(exact));
    const QString longer = exact + u"/"_s;
    EXPECT_FALSE(takeOver(exact + u"b"_s));
    EXPECT_EQ(messenger.all.value(0), u"Ordner-Pfad ist zu lang, max. 220 Zeichen  "_s);

    messenger.answerNext(kAnswerYes);
    EXPECT_TRUE(takeOver(exact));
    EXPECT_FALSE(takeOver(longer));
}

TEST_F(TakeOver, MissingFolderIsRefused)
{
    EXPECT_FALSE(takeOver(tmp.path(u"fehlt"_s)));
    EXPECT_EQ(messenger.all, QStringList { u"Der Ordner ist nicht vorhanden !  "_s });
}

TEST_F(TakeOver, NewFolderIsSetUpWithoutItsTrailingSeparator)
{
    tmp.write(u"neu/.keep"_s, {});
    tmp.write(u"programm/"_s + pelin(), "ELF");
    messenger.answerNext(kAnswerYes);
    const std::optional<DataFolder> folder = takeOver(tmp.path(u"neu/"_s));
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->root(), tmp.path(u"neu/"_s));
    EXPECT_EQ(messenger.questions,
        QStringList { u"Im Ordner sind keine KORAV-Dateien vorhanden! Neu anlegen ?  "_s });
    EXPECT_EQ(
        messenger.messages, QStringList { u"KORAV-Dateien wurden neu angelegt, Ordner wird übernommen."_s });
    EXPECT_EQ(tmp.read(u"neu/zama.kvd"_s), kBom);
    EXPECT_TRUE(QFileInfo(tmp.path(u"neu/prog"_s)).isDir());
    EXPECT_TRUE(QFileInfo(tmp.path(u"neu/zeit"_s)).isDir());
    EXPECT_EQ(tmp.read(u"neu/zconfig.kvd"_s),
        kBom + "progordner=" + tmp.path(u"neu/prog"_s).toUtf8()
            + "\r\nzeitordner=" + tmp.path(u"neu/zeit"_s).toUtf8() + "\r\n");
    EXPECT_EQ(settings.read(KoravSettings::kDirectory), tmp.path(u"neu"_s));
    EXPECT_EQ(tmp.read(u"neu/"_s + pelin()), QByteArray("ELF"));
    EXPECT_EQ(MainWindowCaption(*folder), u"KORAV - "_s + tmp.path(u"neu"_s));
}

TEST_F(TakeOver, AnsweringNoLeavesTheFolderUntouched)
{
    tmp.write(u"neu/.keep"_s, {});
    EXPECT_FALSE(takeOver(tmp.path(u"neu"_s)));
    EXPECT_FALSE(tmp.exists(u"neu/zama.kvd"_s));
    EXPECT_FALSE(settings.read(KoravSettings::kDirectory));
}

TEST_F(TakeOver, NewDataFolderReplacesAnOldConfigurationAndKeepsExistingSubfolders)
{
    tmp.write(u"neu/zconfig.kvd"_s, "alt=1\r\nprogordner=/irgendwo\r\n");
    tmp.write(u"neu/prog/.keep"_s, {});
    messenger.answerNext(kAnswerYes);
    ASSERT_TRUE(takeOver(tmp.path(u"neu"_s)));
    EXPECT_EQ(
        tmp.read(u"neu/zconfig.kvd"_s), kBom + "zeitordner=" + tmp.path(u"neu/zeit"_s).toUtf8() + "\r\n");
}

TEST_F(TakeOver, ExistingDataFolderWithProgSubfolderKeepsItsConfiguration)
{
    tmp.write(u"alt/zama.kvd"_s, kBom + "A\r\n");
    tmp.write(u"alt/zconfig.kvd"_s, kBom + "zeitordner=/netz/zeit\r\nlandcode=1\r\n");
    tmp.write(u"alt/prog/.keep"_s, {});
    ASSERT_TRUE(takeOver(tmp.path(u"alt"_s)));
    EXPECT_EQ(messenger.questions, QStringList());
    EXPECT_EQ(messenger.messages.value(0), u"KORAV-Dateien sind vorhanden, Ordner wird übernommen.  "_s);
    EXPECT_EQ(tmp.read(u"alt/zconfig.kvd"_s), kBom + "zeitordner=/netz/zeit\r\nlandcode=1\r\n");
    EXPECT_FALSE(tmp.exists(u"alt/zeit"_s));
}

TEST_F(TakeOver, ExistingDataFolderGetsMissingFoldersAndLinesAdded)
{
    tmp.write(u"alt/zama.kvd"_s, kBom + "A\r\n");
    tmp.write(u"alt/zconfig.kvd"_s, kBom + "landcode=1\r\n");
    ASSERT_TRUE(takeOver(tmp.path(u"alt"_s)));
    EXPECT_EQ(tmp.read(u"alt/zconfig.kvd"_s),
        kBom + "landcode=1\r\nprogordner=" + tmp.path(u"alt/prog"_s).toUtf8()
            + "\r\nzeitordner=" + tmp.path(u"alt/zeit"_s).toUtf8() + "\r\n");
}

TEST_F(TakeOver, FailingSubfolderIsReportedAndLeftOut)
{
    tmp.write(u"alt/zama.kvd"_s, kBom);
    tmp.write(u"alt/zeit"_s, "a file where the folder belongs");
    ASSERT_TRUE(takeOver(tmp.path(u"alt"_s)));
    EXPECT_TRUE(
        messenger.messages.contains(u"Ordner für Arbeitszeit-Dateien konnte nicht erstellt werden!"_s));
    EXPECT_EQ(
        tmp.read(u"alt/zconfig.kvd"_s), kBom + "progordner=" + tmp.path(u"alt/prog"_s).toUtf8() + "\r\n");
}

TEST_F(TakeOver, PelinComesFromThePreviousDataFolderFirst)
{
    tmp.write(u"vorher/"_s + pelin(), "vorher");
    tmp.write(u"programm/"_s + pelin(), "programm");
    QFile::setPermissions(
        tmp.path(u"vorher/"_s + pelin()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    tmp.write(u"alt/zama.kvd"_s, kBom);
    ASSERT_TRUE(takeOver(tmp.path(u"alt"_s), DataFolder(tmp.path(u"vorher"_s))));
    EXPECT_EQ(tmp.read(u"alt/"_s + pelin()), QByteArray("vorher"));
    EXPECT_TRUE(QFileInfo(tmp.path(u"alt/"_s + pelin())).isExecutable());
}

TEST_F(TakeOver, PelinAlreadyThereIsKeptAndMissingPelinOnlyInforms)
{
    tmp.write(u"alt/zama.kvd"_s, kBom);
    ASSERT_TRUE(takeOver(tmp.path(u"alt"_s)));
    EXPECT_EQ(messenger.messages.last(),
        u"Datei '%1' in aktuellem Ordner nicht gefunden! (kein Kopieren möglich)  "_s.arg(pelin()));

    tmp.write(u"alt/"_s + pelin(), "eigen");
    tmp.write(u"programm/"_s + pelin(), "programm");
    ASSERT_TRUE(takeOver(tmp.path(u"alt"_s)));
    EXPECT_EQ(tmp.read(u"alt/"_s + pelin()), QByteArray("eigen"));
}

TEST_F(TakeOver, TheInstallerGoesWithTheProgramAndItsAbsenceIsNoMessage)
{
    const QString installer = KoravFile::PelinInstaller();
    tmp.write(u"programm/"_s + pelin(), "programm");
    tmp.write(u"vorher/"_s + installer, "#!/bin/sh\n");
    QFile::setPermissions(
        tmp.path(u"vorher/"_s + installer), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    tmp.write(u"alt/zama.kvd"_s, kBom);
    ASSERT_TRUE(takeOver(tmp.path(u"alt"_s), DataFolder(tmp.path(u"vorher"_s))));
    EXPECT_EQ(tmp.read(u"alt/"_s + installer), QByteArray("#!/bin/sh\n"));
    EXPECT_TRUE(QFileInfo(tmp.path(u"alt/"_s + installer)).isExecutable());
    EXPECT_EQ(tmp.read(u"alt/"_s + pelin()), QByteArray("programm"));

    tmp.write(u"neu/zama.kvd"_s, kBom);
    messenger.messages.clear();
    ASSERT_TRUE(takeOver(tmp.path(u"neu"_s)));
    EXPECT_FALSE(tmp.exists(u"neu/"_s + installer));
    EXPECT_EQ(
        messenger.messages, QStringList { u"KORAV-Dateien sind vorhanden, Ordner wird übernommen.  "_s });
}

TEST_F(TakeOver, UnwritableSettingsAreReportedAndTheTakeOverGoesOn)
{
    tmp.write(u"blocked.ini/x"_s, {});
    QtKoravSettings blocked(tmp.path(u"blocked.ini"_s));
    tmp.write(u"alt/zama.kvd"_s, kBom);
    tmp.write(u"programm/"_s + pelin(), "p");
    EXPECT_TRUE(TakeOverDataFolder(tmp.path(u"alt"_s), { messenger, blocked, {}, tmp.path(u"programm"_s) }));
    EXPECT_TRUE(messenger.messages.contains(u"In Registrierung kann nicht geschrieben werden [mao182]  "_s));
}

TEST_F(TakeOver, RememberedFolderNeedsTheEmployeeList)
{
    EXPECT_FALSE(RememberedDataFolder(settings));
    tmp.write(u"alt/.keep"_s, {});
    settings.write(KoravSettings::kDirectory, tmp.path(u"alt"_s));
    EXPECT_FALSE(RememberedDataFolder(settings));
    tmp.write(u"alt/zama.kvd"_s, {});
    ASSERT_TRUE(RememberedDataFolder(settings));
    EXPECT_EQ(RememberedDataFolder(settings)->root(), tmp.path(u"alt/"_s));
    settings.remove(KoravSettings::kDirectory);
    EXPECT_FALSE(RememberedDataFolder(settings));
}

TEST_F(TakeOver, OnlyTheTwoStyleNamesCount)
{
    EXPECT_FALSE(RememberedStyle(settings));
    settings.write(KoravSettings::kStyle, u"pelin_grau"_s);
    EXPECT_FALSE(RememberedStyle(settings));
    settings.write(KoravSettings::kStyle, u"PELIN_grau"_s);
    EXPECT_EQ(RememberedStyle(settings), u"PELIN_grau"_s);
}
