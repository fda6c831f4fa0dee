#include "korav/core/activity_chooser.h"
#include "korav/core/month_hours_picker.h"
#include "korav/forms/ausw_monat_std_form.h"
#include "korav/forms/ausw_projekte_form.h"
#include "korav/forms/bezeichnung_form.h"
#include "korav/forms/hours_cells_widget.h"
#include "korav/forms/projekte_form.h"
#include "tests/korav_ui/korav_window_fixture.h"
#include "tests/support/byte_order_mark.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

struct ActivityDialogs : KoravWindow {
    ActivityDialogs()
    {
        makeDataFolder();
        tmp.write(u"daten/zprojekte.kvd"_s, kBom + "P2=Zwei\r\nP1=Eins\r\n");
        tmp.write(u"daten/zsonstige.kvd"_s,
            kBom + "S1=Pause\r\nS2=Krank\r\nS3=Urlaub\r\nS4=Gleitfrei\r\nS5=Verwaltung\r\n");
        start();
        logIn(u"nuvo"_s);
    }

    template <typename T> static T* in(QWidget& dialog, const QString& name)
    {
        return dialog.findChild<T*>(name);
    }
    // The log-in stores the default exchange folders first.
    QByteArray exchangeFolders() const
    {
        return "progordner=" + tmp.path(u"daten/prog"_s).toUtf8()
            + "\r\nzeitordner=" + tmp.path(u"daten/zeit"_s).toUtf8() + "\r\n";
    }
};

void ClickCell(HoursCellsWidget* cells, const QRect& rect)
{
    QTest::mouseClick(cells, Qt::LeftButton, {}, rect.center());
}

} // namespace

TEST_F(ActivityDialogs, HoursPickerTakesClicksOnItsCells)
{
    TAuswMonatStdForm& picker = form->hoursPicker();
    picker.start(MonthHoursPicker::kMonthWorkTime, 15);
    auto* cells = in<HoursCellsWidget>(picker, u"HoursCells"_s);
    ClickCell(cells, cells->digitRect(4));
    ClickCell(cells, cells->digitRect(2));
    EXPECT_EQ(in<QLabel>(picker, u"StundenLabel"_s)->text(), u"42"_s);
    ClickCell(cells, cells->minuteRect(10));
    EXPECT_EQ(picker.result(), QDialog::Rejected);
    ClickCell(cells, cells->minuteRect(30));
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.hourText(), u"42"_s);
    EXPECT_EQ(picker.minuteText(), u"30"_s);

    picker.start(MonthHoursPicker::kEntryDuration, 5);
    ClickCell(cells, cells->digitRect(0));
    in<QToolButton>(picker, u"DelT1SBtn"_s)->click();
    EXPECT_TRUE(in<QLabel>(picker, u"StundenLabel"_s)->text().isEmpty());
    ClickCell(cells, cells->digitRect(0));
    ClickCell(cells, cells->minuteRect(0));
    EXPECT_EQ(messenger.messages, QStringList { u"Projektzeit muss größer 0 sein  "_s });
    EXPECT_EQ(picker.result(), QDialog::Rejected);
}

TEST_F(ActivityDialogs, ChooserSearchesAndHandsOverTheRow)
{
    TAuswProjekteForm& chooser = form->activityChooser();
    chooser.FormShow(ActivityChooser::kEntryKey);
    EXPECT_EQ(chooser.windowTitle(), u"  Projekte und Sonstige Tätigkeiten"_s);
    auto* rows = in<QTreeWidget>(chooser, u"FilterListView"_s);
    auto* take = in<QPushButton>(chooser, u"UebernehmenSBtn"_s);
    EXPECT_EQ(rows->topLevelItemCount(), 6);
    EXPECT_FALSE(take->isEnabled());
    QTest::keyClicks(in<QLineEdit>(chooser, u"SuchEdit"_s), u"KRA"_s);
    ASSERT_EQ(rows->topLevelItemCount(), 1);
    rows->setCurrentItem(rows->topLevelItem(0));
    chooser.FilterListViewClick();
    EXPECT_TRUE(take->isEnabled());
    take->click();
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.chosen().number, u"S2"_s);
    EXPECT_EQ(chooser.chosen().description, u" Krank"_s);
    EXPECT_EQ(chooser.descriptionList().size(), 6);
}

TEST_F(ActivityDialogs, ProjectListThroughItsControls)
{
    QSignalSpy saved(form.get(), &TMainForm::baseDataSaved);
    QSignalSpy stale(form.get(), &TMainForm::activityListStale);
    onModal = [this](QDialog& dialog) {
        auto& projects = dynamic_cast<TProjekteForm&>(dialog);
        EXPECT_EQ(projects.windowTitle(), u"  Projekt - Liste bearbeiten"_s);
        EXPECT_TRUE(in<QComboBox>(dialog, u"LaeStammNrCBox"_s)->isVisibleTo(&dialog));
        EXPECT_FALSE(in<QPushButton>(dialog, u"Chg_BezeichnungBtn"_s)->isVisibleTo(&dialog));
        auto* list = in<QTreeWidget>(dialog, u"ProjekteListView"_s);
        EXPECT_EQ(list->topLevelItem(0)->text(0), u"P1"_s);
        EXPECT_EQ(in<QLabel>(dialog, u"StaticText7"_s)->text(), u"2"_s);
        auto* take = in<QPushButton>(dialog, u"UebernehmenSBtn"_s);
        EXPECT_FALSE(take->isEnabled());
        in<QLineEdit>(dialog, u"ProjNrEdit"_s)->setText(u"p0"_s);
        in<QLineEdit>(dialog, u"ProjBesEdit"_s)->setText(u"Null"_s);
        EXPECT_TRUE(take->isEnabled());
        take->click();
        EXPECT_EQ(list->topLevelItem(0)->text(0), u"p0"_s);
        EXPECT_EQ(in<QLabel>(dialog, u"StaticText7"_s)->text(), u"3"_s);
        EXPECT_FALSE(take->isEnabled());

        list->setCurrentItem(list->topLevelItem(2));
        projects.ProjekteListViewClick();
        in<QPushButton>(dialog, u"ChgProjektSBtn"_s)->click();
        EXPECT_EQ(in<QLineEdit>(dialog, u"ProjNrEdit"_s)->text(), u"P2"_s);
        EXPECT_EQ(list->topLevelItemCount(), 2);
        EXPECT_FALSE(in<QPushButton>(dialog, u"DelProjektSBtn"_s)->isEnabled());

        environment.runModal = [](QDialog& chooser) {
            auto& form = dynamic_cast<TAuswProjekteForm&>(chooser);
            EXPECT_EQ(form.windowTitle(), u"  Projekte"_s);
            form.UebernehmenSBtnClick();
            return int(chooser.result());
        };
        in<QPushButton>(dialog, u"SucheProjektBtn"_s)->click();
        EXPECT_TRUE(in<QLineEdit>(dialog, u"ProjNrEdit"_s)->text().isEmpty());
        in<QPushButton>(dialog, u"SaveBtn"_s)->click();
    };
    button(u"ChgProjektListeBtn")->click();
    EXPECT_EQ(modals, QStringList { u"ProjekteForm"_s });
    EXPECT_EQ(tmp.read(u"daten/zprojekte.kvd"_s), kBom + "p0=Null\r\nP1=Eins\r\n");
    EXPECT_EQ(tmp.read(u"daten/zconfig.kvd"_s), kBom + exchangeFolders() + "key_laestamm=5\r\n");
    EXPECT_EQ(saved.count(), 1);
    EXPECT_EQ(stale.count(), 1);
}

TEST_F(ActivityDialogs, OtherActivitiesOpenTheDesignationsDialog)
{
    onModal = [this](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), u"  Sonstige Tätigkeiten - Liste bearbeiten"_s);
        EXPECT_FALSE(in<QComboBox>(dialog, u"LaeStammNrCBox"_s)->isVisibleTo(&dialog));
        environment.runModal = [this](QDialog& designations) {
            EXPECT_EQ(designations.windowTitle(), u"  Bezeichnungen Schnelleintrag in PELIN"_s);
            auto* entry4 = in<QLineEdit>(designations, u"Bezeichnung4Edit"_s);
            EXPECT_EQ(entry4->text(), u"Gleitfrei"_s);
            entry4->setText(u"Verwaltung"_s);
            messenger.answerNext(kAnswerYes);
            in<QPushButton>(designations, u"CloseBtn"_s)->click();
            return int(designations.result());
        };
        in<QPushButton>(dialog, u"Chg_BezeichnungBtn"_s)->click();
        in<QPushButton>(dialog, u"SaveBtn"_s)->click();
    };
    action(u"MenuChgSonstige")->trigger();
    EXPECT_EQ(tmp.read(u"daten/zconfig.kvd"_s),
        kBom + exchangeFolders() + "bezeichnung4=Verwaltung\r\nbezeichnung5=Verwaltung\r\n");
}

// "Suche Projekt" searches what the dialog holds: a row taken into the list
// and one removed from it count before they are saved.
TEST_F(ActivityDialogs, ChooserListsTheOpenDialogsUnsavedRows)
{
    QStringList listed;
    onModal = [this, &listed](QDialog& dialog) {
        in<QLineEdit>(dialog, u"ProjNrEdit"_s)->setText(u"P3"_s);
        in<QLineEdit>(dialog, u"ProjBesEdit"_s)->setText(u"Drei"_s);
        in<QPushButton>(dialog, u"UebernehmenSBtn"_s)->click();
        auto* list = in<QTreeWidget>(dialog, u"ProjekteListView"_s);
        list->setCurrentItem(list->topLevelItem(0));
        dynamic_cast<TProjekteForm&>(dialog).ProjekteListViewClick();
        in<QPushButton>(dialog, u"DelProjektSBtn"_s)->click();
        environment.runModal = [this, &listed](QDialog& chooser) {
            auto* rows = in<QTreeWidget>(chooser, u"FilterListView"_s);
            for (int i = 0; i < rows->topLevelItemCount(); ++i)
                listed.append(rows->topLevelItem(i)->text(0));
            return int(QDialog::Rejected);
        };
        in<QPushButton>(dialog, u"SucheProjektBtn"_s)->click();
        in<QPushButton>(dialog, u"CancelBtn"_s)->click();
    };
    messenger.answerNext(kAnswerYes);
    button(u"ChgProjektListeBtn")->click();
    EXPECT_EQ(listed, (QStringList { u"P2"_s, u"P3"_s }));
    EXPECT_EQ(tmp.read(u"daten/zprojekte.kvd"_s), kBom + "P2=Zwei\r\nP1=Eins\r\n");
}
