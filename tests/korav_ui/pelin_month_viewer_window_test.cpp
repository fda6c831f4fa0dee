#include "korav/reports/forms/pel_ue_monat_form.h"
#include "korav/reports/forms/ue_monat_pro_form.h"
#include "tests/korav_ui/korav_window_fixture.h"

#include <QComboBox>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {

struct PelinMonthViewerWindow : KoravWindow {
    PelinMonthViewerWindow()
    {
        makeDataFolder();
        tmp.write(u"daten/zamasta.kvd"_s, "Berg=Anna Berg#4711#geheim#80#\r\n");
        tmp.write(
            u"daten/auswtg/202403/az2024034711.kvd"_s, "az202403014711=20240301073016150000000000000000\r\n");
        start();
        logIn(u"nuvo"_s);
    }
};

} // namespace

TEST_F(PelinMonthViewerWindow, ButtonAndMenuOpenTheViewerOnTheCurrentDataFolder)
{
    int opened = 0;
    onModal = [&](QDialog& dialog) {
        ++opened;
        auto& viewer = dynamic_cast<TPelUeMonatForm&>(dialog);
        auto* names = viewer.findChild<QComboBox*>(u"MaLCBox"_s);
        ASSERT_EQ(names->count(), 1);
        names->setCurrentIndex(0);
        viewer.findChild<QComboBox*>(u"MonatCBox"_s)->setCurrentIndex(2);
        viewer.findChild<QComboBox*>(u"JahrCBox"_s)->setCurrentText(u"2024"_s);
        viewer.AnzeigenBtnClick();
        EXPECT_TRUE(viewer.findChild<QPlainTextEdit*>(u"PelUeMonatREdit"_s)
                        ->toPlainText()
                        .contains(u" Fr,  1.  7:30 - 16:15"_s));
    };
    button(u"PelinMonUeBtn")->click();
    action(u"MenuPelinMonUe")->trigger();
    EXPECT_EQ(opened, 2);
}

TEST_F(PelinMonthViewerWindow, ProjectOverviewsOpenInTheirModesWithTheActivityChooser)
{
    tmp.write(u"daten/dprojekte.kvd"_s, "P1=Planung\r\n");
    QStringList captions;
    onModal = [&](QDialog& dialog) {
        if (auto* overview = dynamic_cast<TUeMonatProForm*>(&dialog)) {
            captions << dialog.windowTitle();
            overview->ProjektNrEditClick();
        } else {
            dialog.reject();
        }
    };
    button(u"ProjMonatBtn")->click();
    button(u"ProjQuartaBtn")->click();
    action(u"MenuProjJahr")->trigger();
    EXPECT_EQ(captions,
        (QStringList { u"  Monatsübersicht Projekte"_s, u"  Quartalsübersicht Projekte"_s,
            u"  Jahresübersicht Projekte"_s }));
}
