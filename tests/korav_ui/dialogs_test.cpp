#include "korav/forms/admin_pass_form.h"
#include "korav/forms/m_liste_form.h"
#include "korav/forms/ma_stamm_form.h"
#include "tests/korav_ui/korav_window_fixture.h"
#include "tests/support/byte_order_mark.h"

#include <QApplication>
#include <QFocusEvent>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct KoravDialogs : KoravWindow {
    KoravDialogs()
    {
        makeDataFolder();
        tmp.write(u"daten/zama.kvd"_s, kBom + "Zora\r\nanton\r\nBerta\r\n");
        start();
        logIn(u"nuvo"_s);
    }

    template <typename T> static T* in(QDialog& dialog, const QString& name)
    {
        return dialog.findChild<T*>(name);
    }
};

} // namespace

TEST_F(KoravDialogs, EmployeeListThroughItsControls)
{
    QSignalSpy saved(form.get(), &TMainForm::baseDataSaved);
    onModal = [](QDialog& dialog) {
        auto& list = dynamic_cast<TMListeForm&>(dialog);
        list.FormShow();
        auto* box = in<QListWidget>(dialog, u"MaListeLBox"_s);
        EXPECT_EQ(box->count(), 3);
        EXPECT_EQ(in<QLabel>(dialog, u"StaticText3"_s)->text(), u"3"_s);
        box->setCurrentRow(0);
        auto* entry = in<QLineEdit>(dialog, u"MaNeuEdit"_s);
        QTest::keyClicks(entry, u"Neu#"_s);
        in<QPushButton>(dialog, u"MaNeuBtn"_s)->click();
        EXPECT_EQ(
            in<QLabel>(dialog, u"ErrLabel"_s)->text(), u"Das Zeichen '#' darf nicht verwendet werden!"_s);
        entry->setText(u"Neu"_s);
        QTest::keyClick(entry, Qt::Key_Return);
        EXPECT_TRUE(entry->text().isEmpty());
        EXPECT_EQ(box->item(0)->text(), u"Neu"_s);
        EXPECT_EQ(box->currentRow(), 1);
        in<QToolButton>(dialog, u"Zeile_runt_SBtn"_s)->click();
        EXPECT_EQ(in<QLabel>(dialog, u"StaticText3"_s)->text(), u"4"_s);
        in<QPushButton>(dialog, u"SaveBtn"_s)->click();
    };
    button(u"ChgMListeBtn")->click();
    EXPECT_EQ(modals, QStringList { u"MListeForm"_s });
    EXPECT_EQ(tmp.read(u"daten/zama.kvd"_s), kBom + "Neu\r\nanton\r\nZora\r\nBerta\r\n");
    EXPECT_EQ(saved.count(), 1);
    EXPECT_TRUE(
        messenger.messages.value(0).startsWith(u"Die geänderte Mitarbeiterliste wurde gespeichert !"_s));
}

TEST_F(KoravDialogs, EmployeeListCancelAsksBeforeDiscarding)
{
    TMListeForm& list = form->listForm();
    list.FormShow();
    list.findChild<QLineEdit*>(u"MaNeuEdit"_s)->setText(u"X"_s);
    list.MaNeuBtnClick();
    list.CancelBtnClick();
    EXPECT_EQ(messenger.questions, QStringList { u"Änderungen verwerfen ?  "_s });
    EXPECT_EQ(tmp.read(u"daten/zama.kvd"_s), kBom + "Zora\r\nanton\r\nBerta\r\n");
    EXPECT_EQ(list.editor().names().size(), 4);
}

TEST_F(KoravDialogs, MasterDataThroughItsControls)
{
    onModal = [this](QDialog& dialog) {
        auto* box = in<QListWidget>(dialog, u"MaLBox"_s);
        EXPECT_EQ(box->count(), 3);
        EXPECT_EQ(box->item(0)->text(), u"anton"_s);
        EXPECT_EQ(in<QLabel>(dialog, u"ErrLabel"_s)->text(),
            u"<<<  Wählen Sie einen Mitarbeiter mit Mausklick aus.            "_s);
        QFocusEvent focusIn(QEvent::FocusIn);
        QApplication::sendEvent(in<QLineEdit>(dialog, u"MaLBezEdit"_s), &focusIn);
        EXPECT_EQ(messenger.messages.value(0),
            u"Wählen Sie einen Mitarbeiter in der Liste aus,  \n\num seine Stammdaten zu bearbeiten!"_s);
        box->setCurrentRow(1);
        dynamic_cast<TMaStammForm&>(dialog).MaLBoxClick();
        EXPECT_EQ(in<QLabel>(dialog, u"MaLabel"_s)->text(), u"Berta"_s);
        EXPECT_EQ(in<QLineEdit>(dialog, u"BGradEdit"_s)->text(), u"100"_s);
        in<QLineEdit>(dialog, u"MaLBezEdit"_s)->setText(u"Berta Brandt"_s);
        in<QLineEdit>(dialog, u"PersonalNrEdit"_s)->setText(u"0815"_s);
        in<QLineEdit>(dialog, u"PasswortEdit"_s)->setText(u"bb"_s);
        in<QLineEdit>(dialog, u"BGradEdit"_s)->setText(u"62,5"_s);
        in<QPushButton>(dialog, u"SaveBtn"_s)->click();
    };
    button(u"ChgMaStammBtn")->click();
    EXPECT_EQ(modals, QStringList { u"MaStammForm"_s });
    EXPECT_EQ(tmp.read(u"daten/zamasta.kvd"_s), kBom + "Berta=Berta Brandt#0815#bb#62.5#\r\n");
}

TEST_F(KoravDialogs, MasterDataOwnDailyTargetAndARefusalThatKeepsTheEmployee)
{
    onModal = [this](QDialog& dialog) {
        auto& stamm = dynamic_cast<TMaStammForm&>(dialog);
        auto* box = in<QListWidget>(dialog, u"MaLBox"_s);
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
            [](const QLabel* label) { return label->text() == u"Langer Mitarbeitername"_s; }));
        box->setCurrentRow(1);
        stamm.MaLBoxClick();
        in<QLineEdit>(dialog, u"TagSollStdEdit"_s)->setText(u"4"_s);
        in<QLineEdit>(dialog, u"TagSollMinEdit"_s)->setText(u"07"_s);
        box->setCurrentRow(2);
        stamm.MaLBoxClick();
        EXPECT_EQ(box->currentRow(), 1) << "Berta stays selected";
        EXPECT_EQ(in<QLineEdit>(dialog, u"TagSollMinEdit"_s)->text(), u"07"_s);
        in<QLineEdit>(dialog, u"TagSollMinEdit"_s)->setText(u"30"_s);
        in<QPushButton>(dialog, u"SaveBtn"_s)->click();
    };
    button(u"ChgMaStammBtn")->click();
    EXPECT_EQ(messenger.messages,
        QStringList { u"Die Minuten der täglichen Soll-Arbeitszeit von Berta sind nur in 5-Minuten-Schritten "
                      u"bis 55 möglich !\n\n( Mitarbeiter-Stammdaten  )"_s });
    EXPECT_EQ(tmp.read(u"daten/zmatagsoll.kvd"_s), kBom + "Berta=0430\r\n");
}

TEST_F(KoravDialogs, MasterDataNeedsAnEmployeeList)
{
    tmp.write(u"daten/zama.kvd"_s, kBom);
    button(u"ChgMaStammBtn")->click();
    EXPECT_TRUE(modals.isEmpty());
    EXPECT_EQ(messenger.messages, QStringList { u"Mitarbeiter-Liste ist leer  "_s });
}

TEST_F(KoravDialogs, PasswordChangeReplacesTheDefaultAndBothRolesLogIn)
{
    onModal = [](QDialog& dialog) {
        auto& pass = dynamic_cast<TAdminPassForm&>(dialog);
        pass.FormShow();
        in<QLineEdit>(dialog, u"SPasswEMaskEdit"_s)->setText(u"chef"_s);
        in<QLineEdit>(dialog, u"SPasswBMaskEdit"_s)->setText(u"chfe"_s);
        pass.SaveBtnClick();
        EXPECT_EQ(in<QLabel>(dialog, u"Err_Label"_s)->text(),
            u"System-Admin : Passwort und Bestätigung sind nicht gleich"_s);
        EXPECT_TRUE(in<QLineEdit>(dialog, u"SPasswBMaskEdit"_s)->text().isEmpty());
        for (const QString& name : { u"SPasswEMaskEdit"_s, u"SPasswBMaskEdit"_s })
            in<QLineEdit>(dialog, name)->setText(u"chef"_s);
        for (const QString& name : { u"DPasswEMaskEdit"_s, u"DPasswBMaskEdit"_s })
            in<QLineEdit>(dialog, name)->setText(u"daten"_s);
        pass.SaveBtnClick();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    };
    button(u"ChgAPasswBtn")->click();
    form->AnmeldenBtnClick();
    logIn(u"nuvo"_s);
    EXPECT_EQ(form->role(), AdminPasswords::kNoRole);
    logIn(u"daten"_s);
    EXPECT_EQ(form->role(), AdminPasswords::kDataAdmin);
    form->AnmeldenBtnClick();
    logIn(u"chef"_s);
    EXPECT_EQ(form->role(), AdminPasswords::kSystemAdmin);

    messenger.messages.clear();
    form->passForm().InfoImageClick();
    EXPECT_EQ(messenger.messages, QStringList { u"  s=chef | d=daten  "_s });
}

TEST_F(KoravDialogs, HelpOpensAtTheTopicsPageOnce)
{
    tmp.write(u"daten/pelin_help.zip"_s, [] {
        QFile file(QString::fromUtf8(KORAV_HELP_ARCHIVE));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }());
    help.OpenHelp(20);
    KoravHelpWindow& window = help.window();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), u"KORAV"_s);
    EXPECT_TRUE(window.browser()->source().toString().endsWith(u"html/korav_020_einrichten.htm"_s));
    EXPECT_TRUE(window.browser()->toPlainText().contains(u"Mitarbeiter-Liste"_s));
    EXPECT_EQ(messenger.messages, QStringList { u"Hilfe wurde erfolgreich auf PC eingerichtet  "_s });
    help.OpenHelp(10);
    EXPECT_EQ(messenger.messages.last(), u"Hilfedatei pelin_help.zip ist bereits geöffnet !"_s);
    window.close();
}

TEST_F(KoravDialogs, UnreadableArchiveGivesTheLibraryMessage)
{
    tmp.write(u"daten/pelin_help.zip"_s, "kein zip");
    help.OpenHelp(30);
    EXPECT_FALSE(help.window().isVisible());
    EXPECT_EQ(messenger.messages.last(), u"Hilfe-Bibliothek hhctrl.ocx konnte nicht geöffnet werden !  "_s);
}

struct KoravBackupDialogs : KoravWindow {
    KoravBackupDialogs()
    {
        makeDataFolder(u"terminbkp3"_s);
        tmp.write(u"terminbkp3/zama.kvd"_s, kBom + "Anna\r\n");
        start();
        logIn(u"nuvo"_s);
    }
};

TEST_F(KoravBackupDialogs, EveryDialogRefusesToSave)
{
    const QString refusal = u"In einen Sicherungsordner können keine Daten gespeichert werden!"_s;
    TMListeForm& list = form->listForm();
    list.FormShow();
    list.findChild<QLineEdit*>(u"MaNeuEdit"_s)->setText(u"Bert"_s);
    list.MaNeuBtnClick();
    list.SaveBtnClick();

    form->stammForm().FormShow({ u"Anna"_s });
    form->stammForm().findChild<QListWidget*>(u"MaLBox"_s)->setCurrentRow(0);
    form->stammForm().MaLBoxClick();
    form->stammForm().SaveBtnClick();

    TAdminPassForm& pass = form->passForm();
    for (const QString& name :
        { u"SPasswEMaskEdit"_s, u"SPasswBMaskEdit"_s, u"DPasswEMaskEdit"_s, u"DPasswBMaskEdit"_s })
        pass.findChild<QLineEdit*>(name)->setText(u"x"_s);
    pass.SaveBtnClick();

    EXPECT_EQ(messenger.messages, QStringList(3, refusal));
    EXPECT_EQ(tmp.read(u"terminbkp3/zama.kvd"_s), kBom + "Anna\r\n");
    EXPECT_FALSE(tmp.exists(u"terminbkp3/zamasta.kvd"_s));
    EXPECT_FALSE(tmp.exists(u"terminbkp3/zamino.kvd"_s));
}
