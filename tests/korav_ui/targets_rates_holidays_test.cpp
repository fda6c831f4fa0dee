#include "korav/forms/ausw_monat_std_form.h"
#include "korav/forms/feiertag_form.h"
#include "korav/forms/hours_cells_widget.h"
#include "korav/forms/std_satz_form.h"
#include "korav/forms/zeit_soll_form.h"
#include "korav/forms/zeit_ueber_form.h"
#include "tests/korav_ui/korav_window_fixture.h"
#include "tests/support/byte_order_mark.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct SettingsDialogs : KoravWindow {
    SettingsDialogs()
    {
        makeDataFolder();
        tmp.write(u"daten/zama.kvd"_s, kBom + "bert\r\nAnna\r\n");
        tmp.write(u"daten/zamasta.kvd"_s, kBom + "Anna=A#PA#a#100#\r\nbert=B#PB#b#100#\r\n");
        start();
        logIn(u"nuvo"_s);
    }

    template <typename T> static T* in(QWidget& dialog, const QString& name)
    {
        return dialog.findChild<T*>(name);
    }
};

} // namespace

TEST_F(SettingsDialogs, TargetTimesThroughTheirControls)
{
    QSignalSpy saved(form.get(), &TMainForm::baseDataSaved);
    onModal = [this](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), u"  Arbeits - Sollzeiten"_s);
        auto* page = in<QTabWidget>(dialog, u"PageControl1"_s);
        EXPECT_EQ(page->tabText(0), u"Monatliche Soll-Arbeitszeiten 2024"_s);
        auto* grid = in<QTableWidget>(dialog, u"ZeitSollSGrid"_s);
        EXPECT_EQ(grid->rowCount(), 2);
        EXPECT_EQ(grid->item(0, 1)->text(), u"Anna"_s);
        EXPECT_EQ(grid->horizontalHeaderItem(4)->text(), u" März"_s);
        EXPECT_TRUE(in<QPushButton>(dialog, u"AktJahrBtn"_s)->font().bold());
        EXPECT_EQ(in<QPushButton>(dialog, u"VorJahrBtn"_s)->text(), u"2023"_s);
        grid->item(0, 2)->setText(u"164,25"_s);

        auto& targets = dynamic_cast<TZeitSollForm&>(dialog);
        environment.runModal = [](QDialog& copy) {
            copy.findChild<QLineEdit*>(u"VonEdit"_s)->setText(u"1"_s);
            copy.findChild<QRadioButton*>(u"AlleZeilenRBtn"_s)->setChecked(true);
            copy.findChild<QPushButton*>(u"DoBtn"_s)->click();
            return 0;
        };
        in<QPushButton>(dialog, u"MS_ZeileKopBtn"_s)->click();
        EXPECT_EQ(grid->item(1, 2)->text(), u"164,25"_s);

        environment.runModal = [](QDialog& picker) {
            auto* cells = picker.findChild<HoursCellsWidget*>(u"HoursCells"_s);
            QTest::mouseClick(cells, Qt::LeftButton, {}, cells->digitRect(7).center());
            QTest::mouseClick(cells, Qt::LeftButton, {}, cells->minuteRect(45).center());
            return int(picker.result());
        };
        targets.TagArbZeitStdEditClick();
        EXPECT_EQ(in<QLineEdit>(dialog, u"TagArbZeitStdEdit"_s)->text(), u"7"_s);
        EXPECT_EQ(in<QLineEdit>(dialog, u"TagArbZeitMinEdit"_s)->text(), u"45"_s);
        messenger.answerNext(kAnswerYes);
        in<QPushButton>(dialog, u"SaveBtn"_s)->click();
        EXPECT_EQ(grid->item(0, 2)->text(), u"164.25"_s);
    };
    button(u"ChgMonSollZBtn")->click();
    EXPECT_EQ(modals, QStringList { u"ZeitSollForm"_s });
    EXPECT_EQ(messenger.questions, QStringList { u" Änderungen für Jahr 2024 speichern ?  "_s });
    EXPECT_TRUE(
        tmp.read(u"daten/zmonsoll2024.kvd"_s).startsWith(QByteArray(kBom + "202401Anna=    164.25\r\n")));
    const QByteArray records = tmp.read(u"daten/zmszsatz.kvd"_s);
    EXPECT_TRUE(records.startsWith(QByteArray(kBom + "mszPA=10745" + "00000000000" + "01202416415")));
    EXPECT_TRUE(records.contains("\r\nmszPB=10745"));
    EXPECT_EQ(saved.count(), 1);
}

// Delete, pasting a spreadsheet range and Tab write only the month cells.
TEST_F(SettingsDialogs, TargetGridTakesSpreadsheetKeys)
{
    onModal = [](QDialog& dialog) {
        auto* grid = in<QTableWidget>(dialog, u"ZeitSollSGrid"_s);
        grid->setFocus();
        grid->setCurrentCell(0, 12);
        QApplication::clipboard()->setText(u"151\t152\t153\r\n161\t162\r\n"_s);
        QTest::keySequence(grid, QKeySequence::Paste);
        EXPECT_EQ(grid->item(0, 12)->text(), u"151"_s);
        EXPECT_EQ(grid->item(0, 13)->text(), u"152"_s);
        EXPECT_EQ(grid->item(1, 12)->text(), u"161"_s);
        EXPECT_EQ(grid->item(1, 13)->text(), u"162"_s);

        grid->setCurrentCell(1, 1);
        grid->setRangeSelected(QTableWidgetSelectionRange(0, 1, 1, 12), true);
        QTest::keyClick(grid, Qt::Key_Delete);
        EXPECT_EQ(grid->item(0, 12)->text(), QString());
        EXPECT_EQ(grid->item(1, 12)->text(), QString());
        EXPECT_EQ(grid->item(1, 13)->text(), u"162"_s);
        EXPECT_EQ(grid->item(0, 1)->text(), u"Anna"_s) << "names stay";

        grid->setCurrentCell(0, 13);
        QTest::keyClick(grid, Qt::Key_Tab);
        EXPECT_EQ(grid->currentColumn(), 2);
        EXPECT_EQ(grid->currentRow(), 1);
        QTest::keyClick(grid, Qt::Key_Backtab);
        EXPECT_EQ(grid->currentColumn(), 13);
        EXPECT_EQ(grid->currentRow(), 0);
    };
    button(u"ChgMonSollZBtn")->click();
    EXPECT_EQ(modals, QStringList { u"ZeitSollForm"_s });
}

TEST_F(SettingsDialogs, TargetTimesRefuseAMissingEmployeeList)
{
    tmp.write(u"daten/zama.kvd"_s, kBom);
    action(u"MenuChgMonSollZ")->trigger();
    EXPECT_TRUE(modals.isEmpty());
    EXPECT_EQ(messenger.messages, QStringList { u"Mitarbeiter-Liste ist leer  "_s });
}

TEST_F(SettingsDialogs, RatesThroughTheirControls)
{
    onModal = [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), u"  Stundensätze 2024"_s);
        auto* grid = in<QTableWidget>(dialog, u"StdSatzSGrid"_s);
        ASSERT_EQ(grid->rowCount(), 3);
        EXPECT_EQ(grid->item(0, 1)->text(), u"  Prognose"_s);
        EXPECT_EQ(grid->item(2, 1)->text(), u"  bert"_s);
        grid->item(1, 2)->setText(u"12.345"_s);
        in<QPushButton>(dialog, u"SaveBtn"_s)->click();
        EXPECT_EQ(grid->currentRow(), 1);
        grid->item(1, 2)->setText(u"45,51"_s);
        in<QPushButton>(dialog, u"SaveBtn"_s)->click();
    };
    button(u"StdSatzBtn")->click();
    EXPECT_EQ(messenger.messages,
        QStringList { u"Stundensatz-Soll: Maximal 2 Nachkommastellen sind möglich!\n( Bsp. 101,25 )  "_s });
    EXPECT_EQ(tmp.read(u"daten/zmasatz.kvd"_s),
        kBom + "2024PrognoseNr=      nuvo\r\n2024PA=     45.51\r\n2024PB=      nuvo\r\n");
}

TEST_F(SettingsDialogs, HolidaysThroughTheirControls)
{
    tmp.write(u"daten/zconfig.kvd"_s, kBom + "feiertag=010000\r\n");
    QSignalSpy saved(form.get(), &TMainForm::baseDataSaved);
    onModal = [](QDialog& dialog) {
        auto& holidays = dynamic_cast<TFeiertagForm&>(dialog);
        holidays.FormShow();
        EXPECT_TRUE(in<QRadioButton>(dialog, u"RBtnD"_s)->isChecked());
        auto* fronleichnam = in<QCheckBox>(dialog, u"CheckBox1"_s);
        EXPECT_TRUE(fronleichnam->isChecked());
        in<QCheckBox>(dialog, u"CheckBox5"_s)->setChecked(true);
        in<QRadioButton>(dialog, u"RBtnCH"_s)->click();
        EXPECT_FALSE(fronleichnam->isEnabled());
        EXPECT_FALSE(fronleichnam->isChecked());
        in<QRadioButton>(dialog, u"RBtnD"_s)->click();
        EXPECT_TRUE(fronleichnam->isChecked());
        EXPECT_FALSE(in<QCheckBox>(dialog, u"CheckBox5"_s)->isChecked());
        in<QCheckBox>(dialog, u"CheckBox0"_s)->setChecked(true);
        in<QPushButton>(dialog, u"SaveBtn"_s)->click();
    };
    button(u"ChgFeiertageBtn")->click();
    EXPECT_EQ(tmp.read(u"daten/zconfig.kvd"_s), kBom + "feiertag=110000\r\nlandcode=0\r\n");
    EXPECT_EQ(saved.count(), 1);
}

// Return in a grid cell or in a field that has a Return of its own does that
// and leaves the dialog's default button alone, which would save and close.
TEST_F(SettingsDialogs, ReturnInAGridOrAFieldDoesNotSave)
{
    struct Case {
        const char16_t* opener;
        const char16_t* field;
        std::function<void(QDialog&)> check;
    };
    const Case cases[] = {
        { u"ChgMonSollZBtn", u"ZeitSollSGrid",
            [](QDialog& dialog) {
                EXPECT_EQ(in<QTableWidget>(dialog, u"ZeitSollSGrid"_s)->currentRow(), 1);
            } },
        { u"ChgMListeBtn", u"MaNeuEdit",
            [](QDialog& dialog) {
                EXPECT_FALSE(in<QListWidget>(dialog, u"MaListeLBox"_s)
                                 ->findItems(u"Carl"_s, Qt::MatchExactly)
                                 .isEmpty());
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.opener).toStdString());
        bool checked = false;
        onModal = [&](QDialog& dialog) {
            dialog.show();
            QSignalSpy saves(in<QPushButton>(dialog, u"SaveBtn"_s), &QPushButton::clicked);
            EXPECT_TRUE(in<QPushButton>(dialog, u"SaveBtn"_s)->isDefault());
            QWidget* field = in<QWidget>(dialog, QString::fromUtf16(c.field));
            if (auto* grid = qobject_cast<QTableWidget*>(field))
                grid->setCurrentCell(0, 2);
            if (auto* entry = qobject_cast<QLineEdit*>(field))
                entry->setText(u"Carl"_s);
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_EQ(saves.count(), 0);
            EXPECT_TRUE(dialog.isVisible());
            c.check(dialog);
            checked = true;
            dialog.hide();
        };
        button(QString::fromUtf16(c.opener))->click();
        EXPECT_TRUE(checked);
    }
}
