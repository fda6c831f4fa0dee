#include "korav_window_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QToolButton>

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

// The overview opens the help at the reports' page, the check and the month
// completion at the page on checking and correcting.
TEST_F(EmployeeOverviewCommands, HelpImagesOpenTheirTopics)
{
    tmp.write(u"daten/pelin_help.zip"_s, [] {
        QFile file(QString::fromUtf8(KORAV_HELP_ARCHIVE));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }());
    QStringList pages;
    onModal = [&](QDialog& dialog) {
        dialog.findChild<QToolButton*>(u"HilfeImage"_s)->click();
        pages.append(help.window().browser()->source().fileName());
        help.window().close();
    };
    button(u"MaQuartaBtn")->click();
    button(u"PruefJahrBtn")->click();
    button(u"MonatKomplettBtn")->click();
    EXPECT_EQ(pages,
        (QStringList {
            u"korav_050_auswerten.htm"_s, u"korav_040_pruef_korr.htm"_s, u"korav_040_pruef_korr.htm"_s }));
}

} // namespace
