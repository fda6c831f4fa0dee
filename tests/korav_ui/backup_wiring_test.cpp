#include "tests/korav_ui/korav_window_fixture.h"

#include <QDir>
#include <QTimer>

using namespace Qt::StringLiterals;

TEST_F(KoravWindow, BackupDialogStopsTheTimerWhileOpen)
{
    makeDataFolder();
    start();
    logIn(u"nuvo"_s);
    auto* timer = form->findChild<QTimer*>(u"Timer1"_s);
    ASSERT_TRUE(timer->isActive());
    bool activeWhileOpen = true;
    onModal = [&](QDialog&) { activeWhileOpen = timer->isActive(); };
    button(u"BackupBtn")->click();
    EXPECT_EQ(modals, QStringList { u"TBackupForm"_s });
    EXPECT_FALSE(activeWhileOpen);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(KoravWindow, AutomaticBackupRunsOnTheDueTick)
{
    const QString data = makeDataFolder();
    tmp.write(u"daten/zamasta.kvd"_s, "\xEF\xBB\xBFx=y\r\n");
    start();
    logIn(u"nuvo"_s);
    Q_EMIT form->automaticBackupDue();
    EXPECT_TRUE(QFileInfo::exists(data + u"/terminbkp1/zamasta.kvd"_s))
        << QDir(data).entryList().join(u' ').toStdString();
}

TEST_F(KoravWindow, ARestoreInTheBackupDialogRefreshesWhatTheWindowShows)
{
    makeDataFolder();
    tmp.write(u"daten/korav_cfg.kvd"_s, kBom + "azstand=zuletzt am Fr, 01.03.2024 08:00\r\n");
    tmp.write(u"daten/terminbkp1/korav_cfg.kvd"_s, kBom + "azstand=zuletzt am Fr, 23.02.2024 09:00\r\n");
    tmp.write(
        u"daten/terminbkp1/bkp_log.txt"_s, kBom + " 2024.02.23 - 09:00 - in Ordner  ..\\terminbkp1\r\n");
    start();
    logIn(u"nuvo"_s);
    ASSERT_EQ(label(u"AzDatStandLabel")->text(), u"zuletzt am Fr, 01.03.2024 08:00"_s);
    onModal = [&](QDialog& dialog) {
        dialog.show();
        messenger.answerNext(kAnswerYes);
        dialog.findChild<QPushButton*>(u"WiederherstBtn"_s)->click();
        dialog.reject();
    };
    button(u"BackupBtn")->click();
    EXPECT_EQ(label(u"AzDatStandLabel")->text(), u"zuletzt am Fr, 23.02.2024 09:00"_s)
        << messenger.all.join(u'|').toStdString();
}
