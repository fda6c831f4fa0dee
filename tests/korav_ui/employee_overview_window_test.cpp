#include "korav_window_fixture.h"

#include <QComboBox>

using namespace Qt::StringLiterals;

namespace {

struct EmployeeOverviewCommands : KoravWindow {
    EmployeeOverviewCommands()
    {
        makeDataFolder();
        start();
        logIn(u"nuvo"_s);
    }
};

TEST_F(EmployeeOverviewCommands, ButtonsAndMenuItemsOpenTheOverviewInTheirMode)
{
    QStringList captions;
    QStringList periods;
    onModal = [&](QDialog& dialog) {
        captions.append(dialog.windowTitle());
        periods.append(dialog.findChild<QComboBox*>(u"MonatCBox"_s)->currentText());
    };
    button(u"MaMonatBtn")->click();
    action(u"MenuMaQuarta")->trigger();
    button(u"MaJahrBtn")->click();
    EXPECT_EQ(modals, (QStringList { u"UeMonatMaForm"_s, u"UeMonatMaForm"_s, u"UeMonatMaForm"_s }));
    EXPECT_EQ(captions,
        (QStringList { u"  Monatsübersicht Mitarbeiter"_s, u"  Quartalsübersicht Mitarbeiter"_s,
            u"  Jahresübersicht Mitarbeiter"_s }));
    // The start date lies in March: month 3 and the first quarter; the year
    // mode leaves the quarter selector as it was.
    EXPECT_EQ(periods, (QStringList { u"3"_s, u"1"_s, u"1"_s }));
}

TEST_F(EmployeeOverviewCommands, AnnualCheckOpensFromButtonAndMenu)
{
    button(u"PruefJahrBtn")->click();
    action(u"MenuPruefJahr")->trigger();
    EXPECT_EQ(modals, (QStringList { u"PruefenForm"_s, u"PruefenForm"_s }));
}

} // namespace
