#include "common/data_file_codec.h"
#include "pelin/core/pelin_startup.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kStructureChanged
    = u"Die Datenstrukturen haben sich geändert.\nSie benötigen eine neue PELIN-Version!\n\n"
      u"Wenden Sie sich an Ihren Administrator.\n\nProgramm wird beendet."_s;

struct Startup : ::testing::Test {
    TempFolder exe;
    ScriptedMessenger messenger;
    DataFileCodec korav { CodecProgram::Korav, messenger, [](int) {} };
    DataFileCodec pelin { CodecProgram::Pelin, messenger, [](int) {} };

    void writeConfig(const QStringList& lines)
    {
        StringList list(lines);
        ASSERT_TRUE(korav.SaveDataFile(exe.path(u"pelin.cfg"_s), list));
    }
    std::optional<PelinConfig> load()
    {
        return PelinStartup::LoadConfiguration(exe.path(), pelin, messenger);
    }
};

} // namespace

TEST_F(Startup, MissingConfigurationEndsWithTheFiveLineMessage)
{
    EXPECT_FALSE(load());
    ASSERT_EQ(messenger.messages.size(), 1);
    EXPECT_EQ(messenger.messages[0],
        u"Die Datei pelin.cfg ist in Programm-Ordner\n"_s + exe.path()
            + u"\nnicht vorhanden !\nTipps zur Einrichtung der Software stehen\n"
              u"in der KORAV-Hilfe, Abschnitt 'PC eines Mitarbeiters einrichten'.\n\nProgramm wird beendet! "_s);
}

TEST_F(Startup, DataStructureVersionMustMatch)
{
    for (const QStringList& lines :
        { QStringList { u"LAN_aktiv=1"_s }, QStringList { u"dbversion=161019"_s } }) {
        messenger.messages.clear();
        writeConfig(lines);
        EXPECT_FALSE(load());
        EXPECT_EQ(messenger.messages, QStringList { kStructureChanged });
    }
}

TEST_F(Startup, ScrambledConfigurationIsRead)
{
    writeConfig({ u"dbversion=161020"_s, u"progordner=/srv/prog"_s, u"landcode=1"_s });
    const auto config = load();
    ASSERT_TRUE(config);
    EXPECT_EQ(config->timeFolder, u"/srv/prog"_s);
    EXPECT_EQ(config->countryCode, 1);
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST(PelinStartupArguments, KoravCountsUpToTheFirstEmptyArgument)
{
    const std::pair<QStringList, bool> cases[] = {
        { { u"pelin"_s }, false },
        { { u"pelin"_s, u"korav"_s }, true },
        { { u"pelin"_s, u"-x"_s, u"korav"_s }, true },
        { { u"pelin"_s, u""_s, u"korav"_s }, false },
        { { u"pelin"_s, u"KORAV"_s }, false },
        { { u"korav"_s }, false },
    };
    for (const auto& [args, expected] : cases)
        EXPECT_EQ(PelinStartup::StartedByKorav(args), expected) << args.join(u' ').toStdString();
}

TEST(PelinStartupHint, ShownOnlyForAnotherExistingProgramFolderInLanMode)
{
    TempFolder dir;
    QDir().mkpath(dir.path(u"prog"_s));
    PelinConfig config;
    config.programFolder = dir.path(u"prog"_s);
    const QString other = dir.path(u"elsewhere"_s);

    const auto hint = PelinStartup::ProgramFolderHint(config, other, false);
    ASSERT_TRUE(hint);
    EXPECT_EQ(*hint,
        u"Die Programmdatei pelin in Ordner\n\n"_s + config.programFolder
            + u"\n\nsollte für den Programmstart verwendet werden !"_s);
    EXPECT_FALSE(PelinStartup::ProgramFolderHint(config, other, true)) << "started by the administration";
    EXPECT_FALSE(PelinStartup::ProgramFolderHint(config, config.programFolder, false));

    PelinConfig trailing = config;
    trailing.programFolder += u'/';
    EXPECT_FALSE(PelinStartup::ProgramFolderHint(trailing, config.programFolder, false));

    PelinConfig ftp = config;
    ftp.lanMode = false;
    EXPECT_FALSE(PelinStartup::ProgramFolderHint(ftp, other, false));
    PelinConfig missing = config;
    missing.programFolder = dir.path(u"none"_s);
    EXPECT_FALSE(PelinStartup::ProgramFolderHint(missing, other, false));
}

// Anyone at the employee's desk may open the hidden display.
TEST_F(Startup, HiddenDisplayMasksTheFtpPassword)
{
    writeConfig(
        { u"LAN_aktiv=0"_s, u"SYFTPPW=Sehr-Geheim"_s, u"syftpbenutzer=pelin"_s, u"dbversion=161020"_s });
    const std::optional<QString> text = PelinStartup::ConfigurationText(exe.path(), pelin);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, u"LAN_aktiv=0\r\nSYFTPPW=********\r\nsyftpbenutzer=pelin\r\ndbversion=161020\r\n"_s);
    writeConfig({ u"syftppw="_s });
    EXPECT_EQ(PelinStartup::ConfigurationText(exe.path(), pelin), u"syftppw=\r\n"_s);
}
