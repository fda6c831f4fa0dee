#include "common/clock.h"
#include "common/file_store.h"
#include "korav/forms/backup_form.h"
#include "tests/support/byte_order_mark.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <ctime>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class BackupFormTest : public ::testing::Test {
protected:
    BackupFormTest() : clock(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 30)))
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
        folder.write(u"data/zama.kvd"_s, "ma1=\r\n");
        folder.write(u"data/auswtg/202402/az202402P1.kvd"_s, "month");
        form = std::make_unique<TBackupForm>(messenger, data(), clock);
    }

    QString data(const QString& name = {}) const { return folder.path(u"data/"_s + name); }
    template <typename T> T* control(const QString& name) const
    {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    void open()
    {
        form->ring().loadChoices();
        form->show();
    }
    void pick(const QString& comboName, int index)
    {
        auto* combo = control<QComboBox>(comboName);
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
    QByteArray settingsFile() const { return folder.read(u"data/zbackup.kvd"_s); }

    TempFolder folder;
    ScriptedMessenger messenger;
    FixedClock clock;
    std::unique_ptr<TBackupForm> form;
};

TEST_F(BackupFormTest, OpensWithTheStoredChoicesAndTheRingDescription)
{
    folder.write(u"data/zbackup.kvd"_s,
        kBom
            + "autobackup=aus\r\nautobackupvall=4\r\nautobackupordn=1\r\nlastbackup= 01.03.2024 - 10:00 - "
              "x1\r\n");
    folder.write(u"data/terminbkp1/bkp_log.txt"_s, kBom + " 2024.03.01 - 10:00 - x1\r\n");
    open();

    EXPECT_EQ(form->windowTitle(), u"  KORAV - Datensicherung"_s);
    EXPECT_EQ(control<QComboBox>(u"BkpIntervallCBox"_s)->currentText(), u"12"_s);
    EXPECT_EQ(control<QComboBox>(u"AnzBkpOrdnerCBox"_s)->currentText(), u"4"_s);
    EXPECT_TRUE(control<QCheckBox>(u"BackupCBox"_s)->isChecked());
    EXPECT_EQ(control<QLabel>(u"LastBkpLabel"_s)->text(), u" 01.03.2024 - 10:00 - x1"_s);
    EXPECT_EQ(control<QLineEdit>(u"BkpOrdnerEdit"_s)->text(), u" "_s + data() + u"terminbkp1 bis 4 "_s);
    EXPECT_FALSE(control<QPushButton>(u"DateisperreAufhebenBtn"_s)->isVisible());
    EXPECT_EQ(control<QListWidget>(u"BackupLBox"_s)->item(0)->text(), u" 01.03.2024 - 10:00 - x1"_s);
    EXPECT_EQ(control<QToolButton>(u"ChgBkpOrdnerBtn"_s)->toolTip(), u"Backup-Ordner wählen"_s);
}

TEST_F(BackupFormTest, AManualStartBacksUpShowsTheResultAndResetsTheProgressBar)
{
    open();
    control<QPushButton>(u"StartManBackupBtn"_s)->click();

    EXPECT_TRUE(QFileInfo::exists(data(u"terminbkp1/auswtg/202402/az202402P1.kvd"_s)));
    const QString last = u" 05.03.2024 - 14:07 - kop.   2 / ges.   2 Dateien - in Ordner  ..\\terminbkp1"_s;
    EXPECT_EQ(control<QLabel>(u"LastBkpLabel"_s)->text(), last);
    EXPECT_EQ(control<QListWidget>(u"BackupLBox"_s)->item(0)->text(), last);
    EXPECT_EQ(control<QProgressBar>(u"ProgressBar1"_s)->value(), 0);
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(BackupFormTest, ChangingTheNumberOfFoldersShowsTheNewRingAndIsSavedOnClosing)
{
    folder.write(u"data/zbackup.kvd"_s, kBom + "fremd=1\r\n");
    open();
    pick(u"AnzBkpOrdnerCBox"_s, 0);
    EXPECT_EQ(control<QLineEdit>(u"BkpOrdnerEdit"_s)->text(), u" "_s + data() + u"terminbkp1 bis 2"_s);

    control<QPushButton>(u"CloseBtn"_s)->click();

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(settingsFile(), kBom + "fremd=1\r\nautobackup=an\r\nautobackupvall=0\r\nautobackupordn=0\r\n");
}

TEST_F(BackupFormTest, TickingTheBoxSwitchesTheAutomaticBackupOffAtOnce)
{
    open();
    EXPECT_TRUE(form->ring().isAutomaticActive());
    control<QCheckBox>(u"BackupCBox"_s)->click();
    EXPECT_FALSE(form->ring().isAutomaticActive());
    form->close();
    EXPECT_TRUE(settingsFile().contains("autobackup=aus\r\n"));
}

TEST_F(BackupFormTest, ClosingWithoutChangesWritesNothing)
{
    open();
    control<QPushButton>(u"StartManBackupBtn"_s)->click();
    const QByteArray afterBackup = settingsFile();
    form->close();
    EXPECT_EQ(settingsFile(), afterBackup);
    EXPECT_FALSE(settingsFile().contains("autobackup"));
}

TEST_F(BackupFormTest, ChoosingABaseFolderMovesTheRingThere)
{
    QDir().mkpath(folder.path(u"sicher"_s));
    QStringList asked;
    form->setFolderChooser([&](const QString& title, const QString& start) {
        asked << title << start;
        return folder.path(u"sicher"_s);
    });
    open();

    control<QToolButton>(u"ChgBkpOrdnerBtn"_s)->click();

    EXPECT_EQ(asked, (QStringList { u"Backup-Ordner für KORAV-Datensicherung auswählen"_s, data() }));
    EXPECT_EQ(control<QLineEdit>(u"BkpDialogEdit"_s)->text(), folder.path(u"sicher"_s));
    EXPECT_EQ(
        control<QLineEdit>(u"BkpOrdnerEdit"_s)->text(), u" "_s + folder.path(u"sicher/terminbkp1 bis 8 "_s));
    control<QPushButton>(u"StartManBackupBtn"_s)->click();
    EXPECT_TRUE(QFileInfo::exists(folder.path(u"sicher/terminbkp1/zama.kvd"_s)));
    form->close();
    EXPECT_TRUE(
        settingsFile().contains(QByteArray("autobkp-ordner=" + folder.path(u"sicher"_s).toUtf8() + "\r\n")));
}

TEST_F(BackupFormTest, CancellingTheFolderChoiceChangesNothing)
{
    form->setFolderChooser([](const QString&, const QString&) { return QString(); });
    open();
    control<QToolButton>(u"ChgBkpOrdnerBtn"_s)->click();
    form->close();
    EXPECT_FALSE(QFileInfo::exists(data(u"zbackup.kvd"_s)));
}

TEST_F(BackupFormTest, TheLockButtonShowsOnlyForAHeldLockAndRemovesIt)
{
    folder.write(u"data/~zbackup.kvd"_s, {});
    open();
    auto* button = control<QPushButton>(u"DateisperreAufhebenBtn"_s);
    ASSERT_TRUE(button->isVisible());

    button->click();

    EXPECT_FALSE(QFileInfo::exists(data(u"~zbackup.kvd"_s)));
    EXPECT_EQ(messenger.messages, (QStringList { u"Die Backup-Dateisperre wurde aufgehoben."_s }));
}

TEST_F(BackupFormTest, AnsweringNoToTheOverwriteQuestionCopiesNothing)
{
    QDir().mkpath(data(u"terminbkp1"_s));
    open();
    messenger.answerNext(kAnswerNo);
    control<QPushButton>(u"StartManBackupBtn"_s)->click();
    EXPECT_EQ(messenger.questions,
        (QStringList { u" Vorhandene Backup-Dateien in Ordner  ..\\terminbkp1  überschreiben ?  "_s }));
    EXPECT_FALSE(QFileInfo::exists(data(u"terminbkp1/zama.kvd"_s)));
}

// A backup in terminbkp1, then the employee list changed.
class BackupFormRestoreTest : public BackupFormTest {
protected:
    BackupFormRestoreTest()
    {
        form->ring().BackupAusfuehren();
        folder.write(u"data/zama.kvd"_s, "ma1=\r\nma2=\r\n");
        folder.write(u"data/auswtg/202402/az202402P1.kvd"_s, "month changed");
        open();
    }

    QListWidget* files() const { return control<QListWidget>(u"WiederherstDateienLBox"_s); }
    void tick(const QString& name) const
    {
        const QList<QListWidgetItem*> items = files()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        items.first()->setCheckState(Qt::Checked);
    }
    void restore(int answer)
    {
        messenger.answerNext(answer);
        control<QPushButton>(u"WiederherstBtn"_s)->click();
    }

    const QString kQuestion = u" Daten aus terminbkp1 wiederherstellen ?  \n"
                              u" Der heutige Stand wird vorher in terminbkp2 gesichert,"
                              u" der bisherige Inhalt dieses Ordners wird ersetzt.  "_s;
};

TEST_F(BackupFormRestoreTest, OffersTheFoldersWithTheirDatesAndTheFilesOfTheChosenOne)
{
    auto* folders = control<QComboBox>(u"WiederherstOrdnerCBox"_s);
    ASSERT_EQ(folders->count(), 1);
    EXPECT_TRUE(folders->itemText(0).startsWith(u" 05.03.2024 - 14:07 - kop."_s))
        << folders->itemText(0).toStdString();
    EXPECT_TRUE(control<QRadioButton>(u"WiederherstAlleRBtn"_s)->isChecked());
    EXPECT_FALSE(files()->isEnabled());
    ASSERT_EQ(files()->count(), 2);
    EXPECT_EQ(files()->item(0)->text(), u"auswtg/202402/az202402P1.kvd"_s);
    EXPECT_EQ(files()->item(1)->text(), u"zama.kvd"_s);
    control<QRadioButton>(u"WiederherstAuswahlRBtn"_s)->click();
    EXPECT_TRUE(files()->isEnabled());
}

TEST_F(BackupFormRestoreTest, RestoresTheTickedFilesAfterTheQuestionAndShowsTheMarkedFolder)
{
    control<QRadioButton>(u"WiederherstAuswahlRBtn"_s)->click();
    tick(u"zama.kvd"_s);
    restore(kAnswerYes);

    EXPECT_EQ(messenger.questions, QStringList { kQuestion });
    EXPECT_EQ(messenger.messages,
        QStringList { u"1 Dateien aus terminbkp1 wiederhergestellt\n"
                      u"Der Stand vor der Wiederherstellung liegt in "_s
            + data(u"terminbkp2/"_s) });
    EXPECT_EQ(folder.read(u"data/zama.kvd"_s), "ma1=\r\n");
    EXPECT_EQ(folder.read(u"data/auswtg/202402/az202402P1.kvd"_s), "month changed");
    EXPECT_EQ(folder.read(u"data/terminbkp2/zama.kvd"_s), "ma1=\r\nma2=\r\n");

    auto* list = control<QListWidget>(u"BackupLBox"_s);
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().endsWith(u"..\\terminbkp2 - vor Wiederherstellung aus terminbkp1"_s))
        << list->item(0)->text().toStdString();
    EXPECT_EQ(control<QComboBox>(u"WiederherstOrdnerCBox"_s)->count(), 2);
    EXPECT_TRUE(control<QLabel>(u"LastBkpLabel"_s)
                    ->text()
                    .endsWith(u"..\\terminbkp2 - vor Wiederherstellung aus terminbkp1"_s));
    EXPECT_TRUE(form->takeRestored());
    EXPECT_FALSE(form->takeRestored());
}

TEST_F(BackupFormRestoreTest, AnsweringNoOrTickingNothingChangesNothing)
{
    restore(kAnswerNo);
    EXPECT_EQ(messenger.questions, QStringList { kQuestion });

    control<QRadioButton>(u"WiederherstAuswahlRBtn"_s)->click();
    restore(kAnswerYes);
    EXPECT_EQ(messenger.messages,
        QStringList { u"Bitte wählen Sie die Dateien aus, die wiederhergestellt werden sollen."_s });
    EXPECT_EQ(messenger.questions.size(), 1);

    EXPECT_EQ(folder.read(u"data/zama.kvd"_s), "ma1=\r\nma2=\r\n");
    EXPECT_FALSE(QFileInfo::exists(data(u"terminbkp2"_s)));
    EXPECT_FALSE(form->takeRestored());
}

} // namespace
