#include "korav/reports/forms/ue_monat_ma_form.h"

#include "common/clock.h"

#include "tests/reports_ui/queued_click.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kNoTargets
    = u"Für Mitarbeiter Anna Berg sind für das Jahr 2016 keine Monats-Sollzeiten vorhanden !  "_s;

class UeMonatMaFormTest : public ::testing::Test {
protected:
    UeMonatMaFormTest()
    {
        folder.write(u"zamasta.kvd"_s, "Berg=Anna Berg#4711#x#100#\r\nAdam=Adam Alt#4700#x#100#\r\n");
        folder.write(u"auswtg/201602/az2016024711.kvd"_s, "az201602014711=2016020108001630\r\n");
        form.output().chooseFile = [this](const QString&, const QString& proposed) {
            proposals.append(proposed);
            return folder.path(u"bericht.txt"_s);
        };
    }

    template <typename W> W* child(const QString& name) { return form.findChild<W*>(name); }
    QComboBox* box(const QString& name) { return child<QComboBox>(name); }
    bool outputEnabled()
    {
        return child<QPushButton>(u"SaveUeBtn"_s)->isEnabled()
            && child<QPushButton>(u"DruckenUeBtn"_s)->isEnabled()
            && child<QPushButton>(u"ExcelSaveBtn"_s)->isEnabled();
    }

    TempFolder folder;
    ScriptedMessenger messenger;
    FixedClock clock { QDateTime(QDate(2020, 8, 14), QTime(9, 0)) };
    TUeMonatMaForm form { [this]() -> QString { return folder.path() + u'/'; }, messenger, clock,
        QDate(2020, 8, 14) };
    QStringList proposals;
};

TEST_F(UeMonatMaFormTest, CommandsArrangeCaptionAndSelectors)
{
    form.Prepare(PeriodMode::Quarter);
    EXPECT_EQ(form.windowTitle(), u"  Quartalsübersicht Mitarbeiter"_s);
    EXPECT_EQ(child<QLabel>(u"Label2"_s)->text(), u"Quartal"_s);
    EXPECT_EQ(box(u"MonatCBox"_s)->currentText(), u"1-3"_s);
    EXPECT_EQ(box(u"MonatCBox"_s)->count(), 7);
    EXPECT_EQ(box(u"JahrCBox"_s)->itemText(0), u"2016"_s);
    EXPECT_EQ(box(u"JahrCBox"_s)->currentText(), u"2020"_s);

    form.Prepare(PeriodMode::Month);
    EXPECT_EQ(form.windowTitle(), u"  Monatsübersicht Mitarbeiter"_s);
    EXPECT_EQ(box(u"MonatCBox"_s)->currentText(), u"8"_s);

    form.Prepare(PeriodMode::Year);
    form.show();
    EXPECT_EQ(form.windowTitle(), u"  Jahresübersicht Mitarbeiter"_s);
    EXPECT_FALSE(box(u"MonatCBox"_s)->isVisible());
    EXPECT_FALSE(child<QLabel>(u"Label2"_s)->isVisible());
    EXPECT_EQ(box(u"MaLCBox"_s)->itemText(0), u"00-Alle"_s);
    EXPECT_EQ(box(u"MaLCBox"_s)->itemText(1), u"Adam Alt"_s);
    EXPECT_EQ(box(u"MaLCBox"_s)->currentIndex(), -1);
    EXPECT_FALSE(outputEnabled());
    form.close();
}

TEST_F(UeMonatMaFormTest, RunShowsTextAndAChangeClearsIt)
{
    form.Prepare(PeriodMode::Month);
    form.FormShow();
    form.AnzeigenBtnClick();
    EXPECT_EQ(messenger.messages, QStringList { u"Wählen Sie einen Mitarbeiter und einen Zeitraum !  "_s });
    EXPECT_FALSE(outputEnabled());

    box(u"MaLCBox"_s)->setCurrentText(u"Anna Berg"_s);
    box(u"MonatCBox"_s)->setCurrentText(u"2"_s);
    box(u"JahrCBox"_s)->setCurrentText(u"2016"_s);
    form.AnzeigenBtnClick();
    EXPECT_EQ(messenger.messages.last(), kNoTargets);
    EXPECT_TRUE(outputEnabled());
    EXPECT_TRUE(form.reportLines().contains(
        QString(32, u' ') + u"Anwesenheit"_s + QString(9, u' ') + u"      8:30"_s));

    form.SaveUeBtnClick();
    EXPECT_EQ(proposals.size(), 1);
    EXPECT_TRUE(
        folder.read(u"bericht.txt"_s).contains(QByteArray("Anwesenheit" + QByteArray(15, ' ') + "8:30\r\n")));

    box(u"JahrCBox"_s)->setCurrentText(u"2017"_s);
    EXPECT_TRUE(form.reportLines().isEmpty());
    EXPECT_FALSE(outputEnabled());
}

TEST_F(UeMonatMaFormTest, QuarterRunFillsTheExportBuffer)
{
    form.Prepare(PeriodMode::Quarter);
    form.FormShow();
    box(u"MaLCBox"_s)->setCurrentText(u"Anna Berg"_s);
    box(u"MonatCBox"_s)->setCurrentText(u"1"_s);
    box(u"JahrCBox"_s)->setCurrentText(u"2016"_s);
    form.AnzeigenBtnClick();
    ASSERT_EQ(form.exportBuffer().size(), 4);
    EXPECT_TRUE(form.exportBuffer().at(3).startsWith(u"AZeit Anna Berg"_s));
}

TEST_F(UeMonatMaFormTest, ExportMovesProgressBar1AndHelpOpensFromTheImage)
{
    int helpOpened = 0;
    form.setHelpHandler([&] { ++helpOpened; });
    QToolButton* help = child<QToolButton>(u"HilfeImage"_s);
    EXPECT_EQ(help->toolTip(), u"Hilfedatei öffnen"_s);
    help->click();
    EXPECT_EQ(helpOpened, 1);

    form.Prepare(PeriodMode::Quarter);
    form.FormShow();
    box(u"MaLCBox"_s)->setCurrentText(u"Anna Berg"_s);
    box(u"MonatCBox"_s)->setCurrentText(u"1"_s);
    box(u"JahrCBox"_s)->setCurrentText(u"2016"_s);
    form.AnzeigenBtnClick();
    QProgressBar* bar = child<QProgressBar>(u"ProgressBar1"_s);
    int highest = 0;
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int v) { highest = std::max(highest, v); });
    form.ExcelSaveBtnClick();
    // The four buffer lines and the 30 finishing steps.
    EXPECT_EQ(highest, 34);
    EXPECT_EQ(bar->maximum(), 34);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(child<QPushButton>(u"ExcelSaveBtn"_s)->isEnabled());
    EXPECT_TRUE(folder.exists(u"bericht.txt"_s));
}

// Each button that starts a run, a file or a printout does so once for a
// double click.
TEST_F(UeMonatMaFormTest, ADoubleClickStartsEachWorkOnce)
{
    int printed = 0;
    form.output().print = [&printed](const PrintoutContent&) {
        ++printed;
        return true;
    };
    form.Prepare(PeriodMode::Month);
    form.FormShow();
    form.show();
    box(u"MaLCBox"_s)->setCurrentText(u"Anna Berg"_s);
    box(u"MonatCBox"_s)->setCurrentText(u"2"_s);
    box(u"JahrCBox"_s)->setCurrentText(u"2016"_s);
    DoubleClickDuringWork(child<QPushButton>(u"AnzeigenBtn"_s));
    EXPECT_EQ(messenger.messages, QStringList { kNoTargets });
    EXPECT_TRUE(child<QPushButton>(u"AnzeigenBtn"_s)->isEnabled());

    for (const QString& name : { u"SaveUeBtn"_s, u"DruckenUeBtn"_s, u"PdfSaveBtn"_s, u"ExcelSaveBtn"_s }) {
        SCOPED_TRACE(name.toStdString());
        const qsizetype before = proposals.size() + printed;
        DoubleClickDuringWork(child<QPushButton>(name));
        EXPECT_EQ(proposals.size() + printed, before + 1);
    }
    EXPECT_TRUE(child<QPushButton>(u"SaveUeBtn"_s)->isEnabled());
    EXPECT_FALSE(child<QPushButton>(u"ExcelSaveBtn"_s)->isEnabled());
    form.close();
}

} // namespace
