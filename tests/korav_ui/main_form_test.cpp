#include "korav/forms/ma_open_form.h"
#include "korav/forms/main_form_controls.h"
#include "tests/korav_ui/korav_window_fixture.h"
#include "tests/support/byte_order_mark.h"

#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QString Zamino(const QString& system, const QString& data)
{
    QString s = system;
    QString d = data;
    InvertPassword(s);
    InvertPassword(d);
    return u"orvan="_s + s + u"\r\npumol="_s + d + u"\r\n"_s;
}

} // namespace

TEST_F(KoravWindow, FirstStartSetsUpANewDataFolder)
{
    tmp.write(u"leer/.keep"_s, {});
    onModal = [this](QDialog& dialog) {
        auto& open = dynamic_cast<TMaOpenForm&>(dialog);
        open.FormShow();
        open.selectDir().setBrowser([this](const QString& titel, const QString&) {
            EXPECT_EQ(titel, u"Ordner mit KORAV - Dateien (*.kvd) auswählen oder neuen Ordner erstellen"_s);
            return tmp.path(u"leer"_s);
        });
        open.OrdnerBtnClick();
        messenger.answerNext(kAnswerYes);
        open.UebernehmenBtnClick();
    };
    start();
    EXPECT_EQ(modals, QStringList { u"MaOpenForm"_s });
    EXPECT_EQ(form->windowTitle(), u"KORAV - "_s + tmp.path(u"leer"_s));
    EXPECT_EQ(store.folder().root(), tmp.path(u"leer/"_s));
    EXPECT_EQ(messenger.messages.value(0), u"KORAV-Dateien wurden neu angelegt, Ordner wird übernommen."_s);
    EXPECT_EQ(tmp.read(u"leer/zama.kvd"_s), kBom);
    EXPECT_EQ(form->startDate(), QDate(2024, 3, 1));
}

TEST_F(KoravWindow, CancellingTheFirstFolderChoiceEndsTheProgram)
{
    form = std::make_unique<TMainForm>(environment, VisualStyle::System);
    QSignalSpy end(form.get(), &TMainForm::programEnd);
    form->FormShow();
    EXPECT_EQ(form->windowTitle(), u"KORAV"_s);
    EXPECT_EQ(
        messenger.messages, QStringList { u"KORAV-Ordner nicht vorhanden, Programm wird beendet !  "_s });
    EXPECT_EQ(end.count(), 1);
}

TEST_F(KoravWindow, RememberedFolderOpensWithoutTheDialog)
{
    const QString folder = makeDataFolder();
    start();
    EXPECT_TRUE(modals.isEmpty());
    EXPECT_EQ(form->windowTitle(), u"KORAV - "_s + folder);
}

TEST_F(KoravWindow, LoggedOutOnlyLogInStyleHelpAndCloseWork)
{
    makeDataFolder();
    start();
    for (const MainControl& control : MainControls()) {
        const bool anyone = control.role == MainRole::Anyone;
        EXPECT_EQ(button(control.button)->isEnabled(), anyone)
            << QString::fromUtf16(control.button).toStdString();
        EXPECT_EQ(action(control.menuItem)->isEnabled(), anyone);
    }
    for (const char16_t* name : { u"MenuLogin", u"SubMenuStilWindows", u"SubMenuStilGrau",
             u"MenuHilfeOeffnen", u"MenuHilfeDatei", u"MenuInfo", u"MenuClose" })
        EXPECT_TRUE(action(name)->isEnabled());
    EXPECT_TRUE(button(u"AnmeldenBtn")->isEnabled());
    EXPECT_TRUE(button(u"CloseBtn")->isEnabled());
    EXPECT_FALSE(child<QToolButton>(u"AmpelSBtn")->isEnabled());
    EXPECT_FALSE(label(u"MonatLabel")->isEnabled());
}

TEST_F(KoravWindow, CaptionsOfButtonsAndMenuItems)
{
    makeDataFolder();
    start();
    EXPECT_EQ(button(u"KoravUploadBtn")->text(), u"PELIN-Basisdaten bereitstellen "_s);
    EXPECT_EQ(menuCaption(u"MenuKoravDownload"), u"Arbeitszeit-Dateien aktualisieren "_s);
    EXPECT_EQ(menuCaption(u"MenuVerbind"), u"Verbindungs - Einstellungen "_s);
    EXPECT_EQ(menuCaption(u"MenuUpdate"), u"PELIN-Update erstellen"_s);
    EXPECT_EQ(menuCaption(u"MenuMaMonat"), u"Monatsübersicht - Mitarbeiter"_s);
    EXPECT_EQ(menuCaption(u"MenuPelinErstellen"), button(u"PelinErstellenBtn")->text());
    EXPECT_EQ(menuCaption(u"MenuHilfeDatei"), u"Namen der Hilfe-Datei und  des Ordners "_s);
    EXPECT_EQ(button(u"CloseBtn")->text(), u"Beenden"_s);
    EXPECT_EQ(button(u"AnmeldenBtn")->text(), u"Anmelden"_s);
}

TEST_F(KoravWindow, DefaultPasswordLogsInAsSystemAdministratorAndTheButtonLogsOut)
{
    makeDataFolder();
    start();
    logIn(u"nuvo"_s);
    EXPECT_EQ(form->role(), AdminPasswords::kSystemAdmin);
    EXPECT_EQ(button(u"AnmeldenBtn")->text(), u"Abmelden"_s);
    EXPECT_FALSE(edit(u"AdminPassMEdit")->isEnabled());
    EXPECT_TRUE(edit(u"AdminPassMEdit")->text().isEmpty());
    EXPECT_TRUE(child<QToolButton>(u"AmpelSBtn")->isEnabled());
    // Providing waits until the base data have been built.
    for (const MainControl& control : MainControls()) {
        const bool provide = QStringView(control.button) == u"KoravUploadBtn";
        EXPECT_EQ(button(control.button)->isEnabled(), !provide);
        EXPECT_EQ(action(control.menuItem)->isEnabled(), !provide);
    }
    EXPECT_EQ(label(u"AzDatStandLabel")->text(), u"noch keine Aktualisierung"_s);
    EXPECT_TRUE(messenger.all.isEmpty());

    form->AnmeldenBtnClick();
    EXPECT_EQ(form->role(), AdminPasswords::kNoRole);
    EXPECT_EQ(button(u"AnmeldenBtn")->text(), u"Anmelden"_s);
    EXPECT_TRUE(edit(u"AdminPassMEdit")->isEnabled());
    EXPECT_FALSE(button(u"ChgMListeBtn")->isEnabled());
    EXPECT_TRUE(label(u"AzDatStandLabel")->text().isEmpty());
}

TEST_F(KoravWindow, DataAdministratorLosesTheEightButtonsAndMenuItems)
{
    const QString folder = makeDataFolder();
    tmp.write(u"daten/zamino.kvd"_s, kBom + Zamino(u"sys"_s, u"dat"_s).toUtf8());
    start();
    logIn(u"dat"_s);
    ASSERT_EQ(form->role(), AdminPasswords::kDataAdmin);
    int locked = 0;
    for (const MainControl& control : MainControls()) {
        const QString name = QString::fromUtf16(control.button);
        const bool systemOnly = control.role == MainRole::SystemAdmin;
        const bool provide = name == u"KoravUploadBtn"_s;
        EXPECT_EQ(button(control.button)->isEnabled(), !systemOnly && !provide) << name.toStdString();
        EXPECT_EQ(action(control.menuItem)->isEnabled(), !systemOnly && !provide) << name.toStdString();
        locked += systemOnly;
    }
    EXPECT_EQ(locked, 8);
    EXPECT_FALSE(button(u"ProjJahrBtn")->isEnabled());
    EXPECT_TRUE(button(u"MaJahrBtn")->isEnabled());
}

TEST_F(KoravWindow, EmptyOrWrongPasswordShowsTheStatusLine)
{
    makeDataFolder();
    tmp.write(u"daten/zamino.kvd"_s, kBom + Zamino(u"sys"_s, u"dat"_s).toUtf8());
    start();
    logIn(u""_s);
    EXPECT_EQ(label(u"ErrLabel")->text(), u"Kein Administrator-Passwort eingegeben"_s);
    logIn(u"nuvo"_s);
    EXPECT_EQ(label(u"ErrLabel")->text(), u"Administrator-Passwort ist nicht richtig"_s);
    EXPECT_TRUE(label(u"ErrLabel")->styleSheet().contains(u"185, 0, 0"_s));
    EXPECT_TRUE(edit(u"AdminPassMEdit")->text().isEmpty());
    EXPECT_EQ(form->role(), AdminPasswords::kNoRole);
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(KoravWindow, PasswordEntryHoldsAtMostTenCharacters)
{
    makeDataFolder();
    start();
    EXPECT_EQ(edit(u"AdminPassMEdit")->maxLength(), 10);
}

TEST_F(KoravWindow, BackupFolderOpensWithTheRedNotice)
{
    makeDataFolder(u"terminbkp3"_s);
    start();
    logIn(u"nuvo"_s);
    EXPECT_FALSE(label(u"BkpHinweisLabel")->isHidden());
    EXPECT_EQ(label(u"BkpHinweisLabel")->text(), u" Ordner mit Datensicherung ! "_s);
    EXPECT_EQ(
        label(u"ErrLabel")->text(), u"In einen Sicherungsordner können keine Daten gespeichert werden!"_s);
    form->AnmeldenBtnClick();
    EXPECT_TRUE(label(u"BkpHinweisLabel")->isHidden());
}

TEST_F(KoravWindow, TwoDigitTerminbkpIsAnOrdinaryFolder)
{
    makeDataFolder(u"terminbkp12"_s);
    start();
    logIn(u"nuvo"_s);
    EXPECT_TRUE(label(u"BkpHinweisLabel")->isHidden());
    EXPECT_TRUE(label(u"ErrLabel")->text().isEmpty());
}

TEST_F(KoravWindow, TimerRunsWhileLoggedInAndTheBackupStepComesOnTheSecondTick)
{
    makeDataFolder();
    start();
    auto* timer = form->findChild<QTimer*>(u"Timer1"_s, Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(timer);
    EXPECT_FALSE(timer->isActive());
    logIn(u"nuvo"_s);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    QSignalSpy due(form.get(), &TMainForm::automaticBackupDue);
    form->Timer1Timer();
    EXPECT_EQ(timer->interval(), 30000);
    EXPECT_EQ(due.count(), 0);
    form->Timer1Timer();
    EXPECT_EQ(due.count(), 1);
    form->AnmeldenBtnClick();
    EXPECT_FALSE(timer->isActive());
}

TEST_F(KoravWindow, StyleIsWrittenAtCloseOnlyWhenSwitched)
{
    makeDataFolder();
    start();
    form->FormClose();
    EXPECT_FALSE(settings.read(KoravSettings::kStyle));
    form->SubMenuStilGrauClick();
    EXPECT_TRUE(action(u"SubMenuStilGrau")->isChecked());
    EXPECT_FALSE(action(u"SubMenuStilWindows")->isChecked());
    form->SubMenuStilWindowsClick();
    form->FormClose();
    EXPECT_EQ(settings.read(KoravSettings::kStyle), u"Windows"_s);
}

TEST_F(KoravWindow, UnwritableStyleIsReportedAtClose)
{
    tmp.write(u"blocked.ini/x"_s, {});
    QtKoravSettings blocked(tmp.path(u"blocked.ini"_s));
    KoravEnvironment env { messenger, blocked, store, clock, help, {}, environment.runModal };
    TMainForm window(env, VisualStyle::System);
    window.SubMenuStilGrauClick();
    window.FormClose();
    EXPECT_EQ(messenger.messages, QStringList { u"In Registrierung kann nicht geschrieben werden !  "_s });
}

TEST_F(KoravWindow, DefaultPasswordNoteAndAboutBox)
{
    makeDataFolder();
    start();
    form->InfoImageClick();
    EXPECT_EQ(messenger.messages.value(0),
        u" Das Standard-Passwort heißt 'nuvo' .  \n\nÄndern Sie das Passwort um den "
        u"Zugang zu schützen.\n( Schalter 'Passworte ändern' )"_s);
    onModal = [](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLabel*>(u"Label1"_s)->text(), u"Programm KORAV"_s);
        EXPECT_TRUE(dialog.findChild<QLabel*>(u"VersionLabel"_s)->text().startsWith(u"Version "_s));
    };
    form->MenuInfoClick();
    EXPECT_EQ(modals, QStringList { u"AboutForm"_s });
}

TEST_F(KoravWindow, ChangingTheFolderLogsOut)
{
    makeDataFolder();
    tmp.write(u"zweiter/zama.kvd"_s, kBom);
    start();
    logIn(u"nuvo"_s);
    onModal = [this](QDialog& dialog) {
        auto& open = dynamic_cast<TMaOpenForm&>(dialog);
        open.FormShow();
        EXPECT_EQ(dialog.findChild<QLineEdit*>(u"Edit1"_s)->text(), tmp.path(u"daten"_s));
        open.selectDir().setBrowser([this](const QString&, const QString& start) {
            EXPECT_EQ(start, tmp.path(u"daten"_s));
            return tmp.path(u"zweiter"_s);
        });
        open.OrdnerBtnClick();
        open.UebernehmenBtnClick();
    };
    form->ChgOrdnerBtnClick();
    EXPECT_EQ(form->role(), AdminPasswords::kNoRole);
    EXPECT_EQ(form->windowTitle(), u"KORAV - "_s + tmp.path(u"zweiter"_s));
    EXPECT_EQ(settings.read(KoravSettings::kDirectory), tmp.path(u"zweiter"_s));
}
