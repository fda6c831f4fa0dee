#include "korav/core/connection_save.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Settings as the dialog shows them at its opening, with folders that exist.
struct ConnectionSaving : KoravFixture, ::testing::Test {
    ConnectionSaving()
    {
        tmp.write(u"alt/a.kvd"_s, "a");
        tmp.write(u"neu/.keep"_s, {});
        snapshot.programFolder = tmp.path(u"alt"_s);
        snapshot.timeFolder = tmp.path(u"alt"_s);
        settings.fields() = snapshot;
    }

    ConnectionSaveOutcome run(const ConnectionFields& now, bool directoryTested = false)
    {
        return ConnectionSave(settings, store, messenger, [this] {
            ++checks;
        }).run(snapshot, now, directoryTested);
    }

    ConnectionSettings settings { store };
    ConnectionFields snapshot;
    int checks = 0;
};

} // namespace

TEST_F(ConnectionSaving, WithoutAChangeNothingIsAskedOrWritten)
{
    const ConnectionSaveOutcome outcome = run(snapshot);
    EXPECT_EQ(outcome.close, ConnectionClose::Accepted);
    EXPECT_TRUE(messenger.all.isEmpty());
    EXPECT_FALSE(tmp.exists(u"daten/zconfig.kvd"_s));
    EXPECT_EQ(checks, 0);
}

TEST_F(ConnectionSaving, OnlyAClearJaSaves)
{
    ConnectionFields now = snapshot;
    now.ftpPassword = u"geheim"_s;
    for (const int answer : { kAnswerNo, kAnswerClosed }) {
        messenger.answerNext(answer);
        EXPECT_EQ(run(now).close, ConnectionClose::Declined) << answer;
    }
    EXPECT_FALSE(tmp.exists(u"daten/zconfig.kvd"_s));
    EXPECT_EQ(settings.fields(), snapshot);
    EXPECT_EQ(checks, 0);

    messenger.answerNext(kAnswerYes);
    EXPECT_EQ(run(now).close, ConnectionClose::Accepted);
    EXPECT_EQ(messenger.questions, QStringList(3, u"Änderungen speichern ?"_s));
    EXPECT_TRUE(read(u"zconfig.kvd"_s).contains("syftppw=geheim\r\n"));
    EXPECT_EQ(checks, 1) << "the base data are checked after the save";
}

TEST_F(ConnectionSaving, WhatCannotWorkIsRefusedBeforeAnythingIsWritten)
{
    ConnectionFields missingProgram = snapshot;
    missingProgram.programFolder = tmp.path(u"fehlt"_s);
    ConnectionFields missingTime = snapshot;
    missingTime.timeFolder = tmp.path(u"fehlt"_s);
    ConnectionFields untestedDirectory = snapshot;
    untestedDirectory.ldapServer = u"ldap.firma"_s;
    untestedDirectory.ldapActive = true;
    const struct {
        ConnectionFields now;
        QString message;
        bool focusLdapName;
    } cases[] = {
        { missingProgram, u"Kein Ordner für Programm-Dateien ausgewählt !  "_s, false },
        { missingTime, u"Kein Ordner für Arbeitszeit-Dateien ausgewählt !  "_s, false },
        { untestedDirectory, u"LDAP-Anmeldung muss getestet werden !  "_s, true },
    };
    for (const auto& c : cases) {
        messenger.messages.clear();
        messenger.answerNext(kAnswerYes);
        const ConnectionSaveOutcome outcome = run(c.now);
        EXPECT_EQ(outcome.close, ConnectionClose::Stay) << c.message.toStdString();
        EXPECT_EQ(outcome.focusLdapName, c.focusLdapName) << c.message.toStdString();
        EXPECT_EQ(messenger.messages, QStringList { c.message });
    }
    EXPECT_FALSE(tmp.exists(u"daten/zconfig.kvd"_s));
    EXPECT_EQ(checks, 0);

    messenger.answerNext(kAnswerYes);
    EXPECT_EQ(run(untestedDirectory, true).close, ConnectionClose::Accepted) << "a tested directory is saved";
}

TEST_F(ConnectionSaving, AChangedFolderMovesItsFilesBeforeTheSettingsAreStored)
{
    ConnectionFields now = snapshot;
    now.timeFolder = tmp.path(u"neu"_s);
    messenger.answerNext(kAnswerYes);
    messenger.answerNext(kAnswerNo); // keep the old folder
    EXPECT_EQ(run(now).close, ConnectionClose::Accepted);
    EXPECT_EQ(tmp.read(u"neu/a.kvd"_s), "a");
    EXPECT_EQ(tmp.read(u"alt/a.kvd"_s), "a");
    EXPECT_TRUE(
        read(u"zconfig.kvd"_s).contains(QByteArray("zeitordner=" + tmp.path(u"neu"_s).toUtf8() + "\r\n")));
    EXPECT_EQ(settings.fields(), now);
}

TEST(ConnectionSavingInABackup, IsRefusedAndClosesWithoutWriting)
{
    KoravFixture backup(u"terminbkp1"_s);
    ConnectionSettings settings(backup.store);
    ConnectionFields now;
    now.ftpUser = u"anna"_s;
    int checks = 0;
    const ConnectionSaveOutcome outcome
        = ConnectionSave(settings, backup.store, backup.messenger, [&] { ++checks; }).run({}, now, false);
    EXPECT_EQ(outcome.close, ConnectionClose::Accepted);
    EXPECT_EQ(backup.messenger.all, QStringList { QString::fromUtf16(kBackupFolderRefusal) });
    EXPECT_FALSE(backup.tmp.exists(u"terminbkp1/zconfig.kvd"_s));
    EXPECT_EQ(checks, 0);
}
