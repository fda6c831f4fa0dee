#include "korav/forms/main_form_controls.h"
#include "tests/korav_ui/korav_window_fixture.h"
#include "tests/support/byte_order_mark.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QByteArray Lines(const QString& text)
{
    return kBom + text.toUtf8();
}

struct ProvisionWindow : KoravWindow {
    void SetUp() override
    {
        makeDataFolder();
        tmp.write(u"daten/zama.kvd"_s, Lines(u"Anna\r\n"_s));
        tmp.write(u"daten/zamasta.kvd"_s, Lines(u"Anna=Anna Alt#P1#pa#100#\r\n"_s));
        tmp.write(u"daten/zmszsatz.kvd"_s, Lines(u"mszP1=10800\r\n"_s));
        tmp.write(u"daten/zprojekte.kvd"_s, Lines(u"P100=Projekt\r\n"_s));
        tmp.write(u"daten/zsonstige.kvd"_s, Lines(u"Pause=Pause\r\n"_s));
        tmp.write(u"daten/pelin"_s, "#!/bin/sh\n");
        start();
        logIn(u"nuvo"_s);
    }
};

TEST_F(ProvisionWindow, LogInCreatesTheExchangeFoldersAndShowsWhatIsDue)
{
    EXPECT_TRUE(QDir(tmp.path(u"daten/prog"_s)).exists());
    EXPECT_TRUE(QDir(tmp.path(u"daten/zeit"_s)).exists());
    EXPECT_EQ(button(u"PelinErstellenBtn")->text(), u"PELIN-Basisdaten erstellen ! "_s);
    EXPECT_TRUE(button(u"PelinErstellenBtn")->font().italic());
    EXPECT_EQ(menuCaption(u"MenuPelinErstellen"), u"PELIN-Basisdaten erstellen ! "_s);
    EXPECT_FALSE(button(u"KoravUploadBtn")->isEnabled());
    EXPECT_EQ(button(u"PelinExeUploadBtn")->text(), u"Programm PELIN bereitstellen "_s);
    EXPECT_TRUE(button(u"PelinExeUploadBtn")->isEnabled());
}

TEST_F(ProvisionWindow, BuildProvideAndCollectFromTheButtons)
{
    button(u"PelinErstellenBtn")->click();
    EXPECT_TRUE(messenger.all.isEmpty()) << messenger.all.join(u'|').toStdString();
    EXPECT_EQ(button(u"PelinErstellenBtn")->text(), u"PELIN-Basisdaten sind aktuell"_s);
    EXPECT_FALSE(button(u"PelinErstellenBtn")->isEnabled());
    EXPECT_TRUE(button(u"KoravUploadBtn")->isEnabled());
    EXPECT_TRUE(button(u"KoravUploadBtn")->font().italic());

    button(u"KoravUploadBtn")->click();
    EXPECT_EQ(label(u"ErrLabel")->text(), u"00:00 - PELIN - Basisdaten bereitgestellt (4)"_s);
    EXPECT_FALSE(button(u"KoravUploadBtn")->font().italic());
    EXPECT_EQ(button(u"PelinExeUploadBtn")->text(), u"Programm PELIN ist aktuell"_s);
    EXPECT_FALSE(button(u"PelinExeUploadBtn")->isEnabled());
    EXPECT_TRUE(tmp.exists(u"daten/zeit/dama.kvd"_s));
    EXPECT_TRUE(tmp.exists(u"daten/prog/pelin.cfg"_s));

    tmp.write(u"daten/zeit/az202402P1.kvd"_s, "februar");
    button(u"KoravDownloadBtn")->click();
    EXPECT_EQ(label(u"ErrLabel")->text(),
        u"00:00 - 1 Arbeitszeit-Dateien vorhanden - 1 geänderte Dateien aktualisiert"_s);
    EXPECT_EQ(label(u"AzDatStandLabel")->text(), u"zuletzt am Fr, 01.03.2024 00:00"_s);
    EXPECT_EQ(tmp.read(u"daten/auswtg/202402/az202402P1.kvd"_s), "februar");
}

// The second click of a double click arrives while the collection runs: it
// must meet a disabled button instead of collecting once more.
TEST_F(ProvisionWindow, ADoubleClickCollectsOnce)
{
    tmp.write(u"daten/zeit/az202402P1.kvd"_s, "februar");
    QPushButton* collect = button(u"KoravDownloadBtn");
    const QPointF centre = QRectF(collect->rect()).center();
    for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease })
        QCoreApplication::postEvent(collect,
            new QMouseEvent(type, centre, collect->mapToGlobal(centre), Qt::LeftButton,
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
    collect->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(label(u"ErrLabel")->text(),
        u"00:00 - 1 Arbeitszeit-Dateien vorhanden - 1 geänderte Dateien aktualisiert"_s);
    EXPECT_TRUE(collect->isEnabled());
}

TEST_F(ProvisionWindow, SavedBaseDataMakeBuildingDueAgain)
{
    button(u"PelinErstellenBtn")->click();
    ASSERT_FALSE(button(u"PelinErstellenBtn")->isEnabled());
    form->MarkActivityListStale();
    Q_EMIT form->baseDataSaved();
    EXPECT_TRUE(button(u"PelinErstellenBtn")->isEnabled());
}

} // namespace
