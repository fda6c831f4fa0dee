#include "korav/reports/forms/pruefen_form.h"

#include "common/clock.h"

#include "tests/reports_ui/queued_click.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class PruefenFormTest : public ::testing::Test {
protected:
    PruefenFormTest()
    {
        folder.write(u"zamasta.kvd"_s, "Berg=Anna Berg#4711#x#100#\r\n");
        folder.write(u"auswtg/202401/az2024014711.kvd"_s, "");
        form.output().chooseFile
            = [this](const QString&, const QString&) { return folder.path(u"check.txt"_s); };
    }

    template <typename W> W* child(const QString& name) { return form.findChild<W*>(name); }

    TempFolder folder;
    ScriptedMessenger messenger;
    FixedClock clock { QDateTime(QDate(2024, 2, 10), QTime(9, 0)) };
    TPruefenForm form { [this]() -> QString { return folder.path() + u'/'; }, messenger, clock,
        QDate(2024, 2, 10) };
};

TEST_F(PruefenFormTest, AllEmployeesSelectedAndMissingMonthsListed)
{
    EXPECT_EQ(form.windowTitle(), u"  Vorhandene Arbeitszeit-Dateien anzeigen"_s);
    form.FormShow();
    EXPECT_EQ(child<QComboBox>(u"MaLCBox"_s)->currentText(), u"00-Alle"_s);
    EXPECT_EQ(child<QComboBox>(u"JahrCBox"_s)->currentText(), u"2024"_s);
    EXPECT_FALSE(child<QPushButton>(u"SaveUeBtn"_s)->isEnabled());

    child<QCheckBox>(u"FehlendMonCBox"_s)->setChecked(true);
    form.AnzeigenBtnClick();
    EXPECT_TRUE(
        form.reportLines().contains(u" Anna Berg"_s + QString(21, u' ') + u"  Es fehlen die Monate 2, "_s));
    EXPECT_TRUE(child<QPushButton>(u"SaveUeBtn"_s)->isEnabled());
    form.SaveUeBtnClick();
    EXPECT_TRUE(folder.read(u"check.txt"_s).contains("Es fehlen die Monate 2, \r\n"));

    child<QComboBox>(u"JahrCBox"_s)->setCurrentText(u"2023"_s);
    EXPECT_TRUE(form.reportLines().isEmpty());
    EXPECT_FALSE(child<QPushButton>(u"DruckenUeBtn"_s)->isEnabled());
}

TEST_F(PruefenFormTest, HelpOpensFromTheImage)
{
    int helpOpened = 0;
    form.setHelpHandler([&] { ++helpOpened; });
    QToolButton* help = form.findChild<QToolButton*>(u"HilfeImage"_s);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->toolTip(), u"Hilfedatei öffnen"_s);
    help->click();
    EXPECT_EQ(helpOpened, 1);
}

TEST_F(PruefenFormTest, ADoubleClickRunsTheCheckAndItsOutputOnce)
{
    int requests = 0;
    form.output().chooseFile = [this, &requests](const QString&, const QString&) {
        ++requests;
        return folder.path(u"check.txt"_s);
    };
    form.output().print = [&requests](const PrintoutContent&) {
        ++requests;
        return true;
    };
    form.show();
    int changes = 0;
    QObject::connect(
        child<QPlainTextEdit>(u"UeMonatREdit"_s), &QPlainTextEdit::textChanged, [&changes] { ++changes; });
    child<QPushButton>(u"AnzeigenBtn"_s)->click();
    const int changesOfOneRun = changes;
    ASSERT_GT(changesOfOneRun, 0);
    changes = 0;
    DoubleClickDuringWork(child<QPushButton>(u"AnzeigenBtn"_s));
    EXPECT_EQ(changes, changesOfOneRun);
    for (const QString& name : { u"SaveUeBtn"_s, u"DruckenUeBtn"_s, u"PdfSaveBtn"_s }) {
        SCOPED_TRACE(name.toStdString());
        const int before = requests;
        DoubleClickDuringWork(child<QPushButton>(name));
        EXPECT_EQ(requests, before + 1);
    }
    form.close();
}

} // namespace
