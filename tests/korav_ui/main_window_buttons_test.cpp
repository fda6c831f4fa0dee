#include "common/data_file_codec.h"
#include "common/ui/dialog_messenger.h"
#include "korav/forms/admin_pass_form.h"
#include "korav/forms/hours_cells_widget.h"
#include "korav/forms/main_form_controls.h"
#include "korav/forms/projekte_form.h"
#include "korav/forms/zeit_soll_form.h"
#include "tests/korav_ui/korav_window_fixture.h"
#include "tests/support/byte_order_mark.h"
#include "tests/support/enter_key_answers.h"

#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

const QString kDefaultPasswordNote
    = u" Das Standard-Passwort heißt 'nuvo' .  \n\nÄndern Sie das Passwort um den "
      u"Zugang zu schützen.\n( Schalter 'Passworte ändern' )"_s;

// The main window shown on screen, as the program runs it.
struct MainWindowButtons : KoravWindow {
    MainWindowButtons()
    {
        makeDataFolder();
        tmp.write(u"daten/zsonstige.kvd"_s,
            kBom + "S1=Pause\r\nS2=Krank\r\nS3=Urlaub\r\nS4=Gleitfrei\r\nS5=Verwaltung\r\n");
        start();
        form->show();
    }
};

} // namespace

TEST_F(MainWindowButtons, BeendenEndsTheProgram)
{
    QSignalSpy end(form.get(), &TMainForm::programEnd);
    button(u"CloseBtn")->click();
    EXPECT_EQ(end.count(), 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowButtons, InfoAnzeigenShowsTheMainWindowsNoteAndThePasswordDialogOnlyItsOwn)
{
    child<QToolButton>(u"InfoImage")->click();
    EXPECT_EQ(messenger.messages, QStringList { kDefaultPasswordNote });

    messenger.messages.clear();
    form->passForm().findChild<QToolButton*>(u"InfoImage"_s)->click();
    EXPECT_EQ(messenger.messages, QStringList { u"  s=nuvo | d=nuvo  "_s });
}

TEST_F(MainWindowButtons, EachButtonAndMenuItemOpensItsOwnDialog)
{
    logIn(u"nuvo"_s);
    const std::pair<const char16_t*, QString> cases[] = {
        { u"ChgMListeBtn", u"MListeForm"_s },
        { u"ChgOrdnerBtn", u"MaOpenForm"_s },
        { u"ChgAPasswBtn", u"AdminPassForm"_s },
        { u"ChgProjektListeBtn", u"ProjekteForm"_s },
        { u"ChgSonstigeBtn", u"ProjekteForm"_s },
        { u"ChgFeiertageBtn", u"FeiertagForm"_s },
        { u"BackupBtn", u"TBackupForm"_s },
        { u"VerbindBtn", u"VerbDatenForm"_s },
        { u"UpdateBtn", u"UpdateForm"_s },
        { u"PruefJahrBtn", u"PruefenForm"_s },
        { u"KontoBtn", u"KontoForm"_s },
        { u"MaKontoBtn", u"KontoUeForm"_s },
        { u"ArbZGBtn", u"ArbZeitGesetzForm"_s },
    };
    QSignalSpy end(form.get(), &TMainForm::programEnd);
    for (const auto& [name, dialog] : cases) {
        const auto control = std::find_if(MainControls().cbegin(), MainControls().cend(),
            [name](const MainControl& c) { return QStringView(c.button) == QStringView(name); });
        ASSERT_NE(control, MainControls().cend());
        modals.clear();
        button(name)->click();
        EXPECT_EQ(modals, QStringList { dialog }) << QString::fromUtf16(name).toStdString();
        modals.clear();
        action(control->menuItem)->trigger();
        EXPECT_EQ(modals, QStringList { dialog }) << QString::fromUtf16(control->menuItem).toStdString();
    }
    EXPECT_EQ(end.count(), 0);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowButtons, SchliessenOfTheDesignationsClosesOnlyThatDialog)
{
    logIn(u"nuvo"_s);
    QSignalSpy end(form.get(), &TMainForm::programEnd);
    bool asked = false;
    onModal = [&](QDialog& dialog) {
        auto* number = dialog.findChild<QLineEdit*>(u"ProjNrEdit"_s);
        number->setText(u"S6"_s);
        dialog.findChild<QLineEdit*>(u"ProjBesEdit"_s)->setText(u"Schulung"_s);
        dialog.findChild<QPushButton*>(u"UebernehmenSBtn"_s)->click();
        environment.runModal = [](QDialog& designations) {
            auto* close = designations.findChild<QPushButton*>(u"CloseBtn"_s);
            QTimer::singleShot(0, close, [close] { close->click(); });
            return designations.exec();
        };
        dialog.findChild<QPushButton*>(u"Chg_BezeichnungBtn"_s)->click();
        EXPECT_EQ(end.count(), 0) << "the program goes on";
        EXPECT_EQ(dialog.findChild<QTreeWidget*>(u"ProjekteListView"_s)->topLevelItemCount(), 6)
            << "the unsaved entry is still there";
        messenger.answerNext(kAnswerNo);
        dialog.findChild<QPushButton*>(u"CancelBtn"_s)->click();
        asked = messenger.questions == QStringList { u"Änderungen verwerfen ?  "_s };
    };
    button(u"ChgSonstigeBtn")->click();
    EXPECT_TRUE(asked) << "cancelling still asks about the unsaved entry";
    EXPECT_EQ(end.count(), 0);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowButtons, EnterAfterAMessageSavesTheTargets)
{
    tmp.write(u"daten/zama.kvd"_s, kBom + "Anna\r\n");
    tmp.write(u"daten/zamasta.kvd"_s, kBom + "Anna=A#PA#a#100#\r\n");
    DialogMessenger dialogs(u"KORAV"_s);
    BaseDataStore dialogStore { dialogs };
    KoravHelpOpener dialogHelp { dialogStore, tmp.path(u"appdata"_s), tmp.path(u"programm"_s) };
    KoravEnvironment shown { dialogs, settings, dialogStore, clock, dialogHelp, tmp.path(u"programm"_s) };
    shown.runModal = [this](QDialog& dialog) {
        if (dialog.objectName() != u"AuswMonatStdForm"_s)
            return environment.runModal(dialog);
        auto* cells = dialog.findChild<HoursCellsWidget*>(u"HoursCells"_s);
        QTest::mouseClick(cells, Qt::LeftButton, {}, cells->digitRect(8).center());
        QTest::mouseClick(cells, Qt::LeftButton, {}, cells->minuteRect(0).center());
        return int(dialog.result());
    };
    form = std::make_unique<TMainForm>(shown, VisualStyle::System);
    form->FormShow();
    logIn(u"nuvo"_s);
    EnterKeyAnswers user;
    onModal = [&](QDialog& dialog) {
        dynamic_cast<TZeitSollForm&>(dialog).TagArbZeitStdEditClick();
        dialog.findChild<QTableWidget*>(u"ZeitSollSGrid"_s)->item(0, 2)->setText(u"150"_s);
        dialogs.show(u"Hinweis"_s);
        dialog.findChild<QPushButton*>(u"SaveBtn"_s)->click();
    };
    button(u"ChgMonSollZBtn")->click();
    EXPECT_EQ(user.texts, (QStringList { u"Hinweis"_s, u" Änderungen für Jahr 2024 speichern ?  "_s }));
    const QByteArray targets = tmp.read(u"daten/zmonsoll2024.kvd"_s);
    EXPECT_TRUE(targets.contains("202401Anna=") && targets.contains("150")) << targets.toStdString();
}

TEST_F(MainWindowButtons, AccountSettingsAreEditedInTheGridAndSaved)
{
    tmp.write(u"daten/zama.kvd"_s, kBom + "Anna\r\nBert\r\n");
    logIn(u"nuvo"_s);
    onModal = [&](QDialog& dialog) {
        auto* grid = dialog.findChild<QTableWidget*>(u"KontoSGrid"_s);
        ASSERT_EQ(grid->rowCount(), 2);
        grid->item(1, 2)->setText(u"-3:15"_s);
        grid->item(1, 3)->setText(u"30"_s);
        dialog.findChild<QPushButton*>(u"SaveBtn"_s)->click();
    };
    button(u"KontoBtn")->click();
    EXPECT_TRUE(messenger.messages.isEmpty()) << messenger.messages.join(u'|').toStdString();
    StringList stored;
    DataFileCodec(CodecProgram::Korav, messenger, [](int) {
    }).LoadDataFile(tmp.path(u"daten/zkonto.kvd"_s), stored);
    EXPECT_EQ(
        stored.lines(), QStringList { QString::number(form->startDate().year()) + u"Bert=-3:15#30##"_s });
}
