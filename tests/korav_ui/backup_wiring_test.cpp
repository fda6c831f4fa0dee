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
