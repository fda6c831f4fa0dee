#include "tests/korav_cli/cli_fixture.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kWrongPassword = u"Administrator-Passwort ist nicht richtig"_s;
const QString kDateChanged = u"Zeitfehler: Starten Sie das Programm neu !  "_s;

QStringList Words(const char* command)
{
    return QString::fromUtf8(command).split(u' ');
}

// Every command that needs the log-in.
const char* const kAllCommands[] = {
    "build",
    "provide",
    "collect",
    "backup",
    "backup --now",
    "restore --from terminbkp1",
    "report employee --year 2023 --format txt --out bericht.txt",
    "report project --year 2023 --format txt --out bericht.txt",
    "report check --year 2023 --format txt --out bericht.txt",
    "report viewer --year 2023 --month 3 --employee Erika%20Sommer --format txt --out bericht.txt",
};

QStringList CommandWords(const char* command, const QString& folder)
{
    QStringList words = Words(command);
    for (QString& word : words) {
        word.replace(u"%20"_s, u" "_s);
        if (word == u"bericht.txt")
            word = folder + u"/bericht.txt"_s;
    }
    return words;
}

class PasswordRefusal : public CliFixture, public ::testing::WithParamInterface<const char*> { };

TEST_P(PasswordRefusal, WrongOrMissingPasswordIsRefusedBeforeAnythingIsDone)
{
    const QStringList words = CommandWords(GetParam(), root.path());
    EXPECT_EQ(run(words + QStringList { u"--password"_s, u"Chef"_s }), 1);
    EXPECT_EQ(messenger.all, QStringList { kWrongPassword });

    messenger.all.clear();
    qunsetenv("KORAV_PASSWORD");
    EXPECT_EQ(RunKoravCommand(words + QStringList { u"--data"_s, dataFolder() }, messenger, clock), 1);
    EXPECT_EQ(messenger.all, QStringList { u"Kein Administrator-Passwort eingegeben"_s });

    EXPECT_FALSE(dataExists(u"dama.kvd"_s));
    EXPECT_FALSE(dataExists(u"terminbkp1"_s));
    EXPECT_FALSE(dataExists(u"auswtg"_s));
    EXPECT_FALSE(root.exists(u"bericht.txt"_s));
}

INSTANTIATE_TEST_SUITE_P(AllCommands, PasswordRefusal, ::testing::ValuesIn(kAllCommands));

TEST_F(CliFixture, PasswordComesFromTheEnvironmentWhenNotGiven)
{
    qputenv("KORAV_PASSWORD", "chef");
    const int code = RunKoravCommand({ u"build"_s, u"--data"_s, dataFolder() }, messenger, clock);
    qunsetenv("KORAV_PASSWORD");
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(dataExists(u"dama.kvd"_s));
}

TEST_F(CliFixture, DefaultPasswordOnlyWhileNoneIsStored)
{
    EXPECT_EQ(run({ u"build"_s, u"--password"_s, u"nuvo"_s }), 1);
    EXPECT_EQ(messenger.all, QStringList { kWrongPassword });
    writeData(u"zamino.kvd"_s, {});
    EXPECT_EQ(run({ u"build"_s, u"--password"_s, u"nuvo"_s }), 0);
}

struct RoleCase {
    const char* command;
    const char* message;
};

class DataAdminRefusal : public CliFixture, public ::testing::WithParamInterface<RoleCase> { };

TEST_P(DataAdminRefusal, SystemAdministratorOnly)
{
    const QStringList words = CommandWords(GetParam().command, root.path());
    EXPECT_EQ(run(words + QStringList { u"--password"_s, kDataPassword }), 1);
    EXPECT_EQ(messenger.all, QStringList { QString::fromUtf8(GetParam().message) });
    EXPECT_FALSE(dataExists(u"terminbkp1"_s));
    EXPECT_FALSE(root.exists(u"bericht.txt"_s));
}

INSTANTIATE_TEST_SUITE_P(BackupAndProjects, DataAdminRefusal,
    ::testing::Values(
        RoleCase { "backup", "Die Datensicherung ist nur für den System-Administrator freigegeben !  " },
        RoleCase {
            "backup --now", "Die Datensicherung ist nur für den System-Administrator freigegeben !  " },
        RoleCase { "restore --from terminbkp1",
            "Die Wiederherstellung ist nur für den System-Administrator freigegeben !  " },
        RoleCase { "report project --year 2023 --format txt --out bericht.txt",
            "Die Projekt-Übersicht ist nur für den System-Administrator freigegeben !  " }));

TEST_F(CliFixture, DataAdministratorBuildsCollectsAndReports)
{
    EXPECT_EQ(run({ u"build"_s, u"--password"_s, kDataPassword }), 0);
    EXPECT_EQ(run({ u"collect"_s, u"--password"_s, kDataPassword }), 0);
    EXPECT_EQ(run(CommandWords("report employee --year 2023 --format txt --out bericht.txt", root.path())
                  + QStringList { u"--password"_s, kDataPassword }),
        0);
    EXPECT_TRUE(root.exists(u"bericht.txt"_s));
}

// A copy of the data folder in the ring of backups is shown, never written.
class BackupFolderFixture : public CliFixture {
protected:
    BackupFolderFixture() : CliFixture(u"sicherung/terminbkp3"_s) { }
};

struct BackupFolderCase {
    const char* command;
    const char* message;
};

class BackupFolderRefusal : public BackupFolderFixture,
                            public ::testing::WithParamInterface<BackupFolderCase> { };

TEST_P(BackupFolderRefusal, EveryWritingCommandIsRefused)
{
    EXPECT_EQ(run(Words(GetParam().command) + QStringList { u"--yes"_s }), 1);
    EXPECT_EQ(messenger.all, QStringList { QString::fromUtf8(GetParam().message) });
    EXPECT_FALSE(dataExists(u"dama.kvd"_s));
    EXPECT_FALSE(dataExists(u"auswtg"_s));
    EXPECT_FALSE(dataExists(u"terminbkp1"_s));
    EXPECT_FALSE(root.exists(u"zeit/dama.kvd"_s));
}

INSTANTIATE_TEST_SUITE_P(WritingCommands, BackupFolderRefusal,
    ::testing::Values(
        BackupFolderCase { "build", "In einen Sicherungsordner können keine Daten erstellt werden!" },
        BackupFolderCase { "provide", "In einen Sicherungsordner können keine Dateien erstellt werden!" },
        BackupFolderCase { "collect", "In einen Sicherungsordner können keine Dateien aktualisiert werden!" },
        BackupFolderCase {
            "backup", "Von einem Datensicherungsordner kann keine Sicherung erstellt werden !  " },
        BackupFolderCase {
            "backup --now", "Von einem Datensicherungsordner kann keine Sicherung erstellt werden !  " },
        BackupFolderCase { "restore --from terminbkp1",
            "In einen Sicherungsordner können keine Daten gespeichert werden!" }));

TEST_F(BackupFolderFixture, ReportsStillReadTheBackupFolder)
{
    EXPECT_EQ(run({ u"report"_s, u"check"_s, u"--year"_s, u"2023"_s, u"--format"_s, u"txt"_s, u"--out"_s,
                  root.path(u"bericht.txt"_s) }),
        0);
    EXPECT_TRUE(root.exists(u"bericht.txt"_s));
}

// The date moves on between the start of the command and its work, as it
// does when a program runs past midnight.
class TurningClock final : public Clock {
public:
    QDateTime now() const override { return calls_++ == 0 ? kStart : kStart.addDays(1); }

private:
    static inline const QDateTime kStart { QDate(2023, 3, 15), QTime(23, 59, 59) };
    mutable int calls_ = 0;
};

class DateChange : public CliFixture, public ::testing::WithParamInterface<const char*> { };

TEST_P(DateChange, RefusedAsTheWindowRefuses)
{
    TurningClock turning;
    QStringList words = CommandWords(GetParam(), root.path());
    words << u"--data"_s << dataFolder() << u"--password"_s << kSystemPassword;
    EXPECT_EQ(RunKoravCommand(words, messenger, turning), 1);
    EXPECT_EQ(messenger.all, QStringList { kDateChanged });
    EXPECT_FALSE(dataExists(u"dama.kvd"_s));
    EXPECT_FALSE(root.exists(u"bericht.txt"_s));
}

INSTANTIATE_TEST_SUITE_P(BuildAndOverviews, DateChange,
    ::testing::Values("build", "report employee --year 2023 --format txt --out bericht.txt",
        "report project --year 2023 --format xlsx --out bericht.txt"));

} // namespace
