#include "korav/reports/forms/konto_ue_form.h"

#include "common/clock.h"

#include "tests/reports_ui/queued_click.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Anna has no targets: the months of 2020 before August count with nothing
// owed, so her balance is what she worked in February.
class KontoUeFormTest : public ::testing::Test {
protected:
    KontoUeFormTest()
    {
        folder.write(u"zamasta.kvd"_s, "Berg=Anna Berg#4711#x#100#\r\n");
        folder.write(u"auswtg/202002/az2020024711.kvd"_s, "az202002034711=2020020308001630\r\n");
        form.output().chooseFile = [this](const QString&, const QString& proposed) {
            proposals.append(proposed);
            return folder.path(u"konto.txt"_s);
        };
    }

    template <typename W> W* child(const QString& name) { return form.findChild<W*>(name); }

    TempFolder folder;
    ScriptedMessenger messenger;
    FixedClock clock { QDateTime(QDate(2020, 8, 14), QTime(9, 0)) };
    TKontoUeForm form { [this]() -> QString { return folder.path() + u'/'; }, messenger, clock,
        QDate(2020, 8, 14), {} };
    QStringList proposals;
};

} // namespace

TEST_F(KontoUeFormTest, RunShowsTheAccountAndSavesItAsText)
{
    form.show();
    auto* employees = child<QComboBox>(u"MaLCBox"_s);
    EXPECT_EQ(employees->itemText(1), u"Anna Berg"_s);
    EXPECT_EQ(child<QComboBox>(u"JahrCBox"_s)->currentText(), u"2020"_s);
    EXPECT_FALSE(child<QPushButton>(u"SaveUeBtn"_s)->isEnabled());
    employees->setCurrentIndex(1);
    form.AnzeigenBtnClick();
    const QStringList lines = form.reportLines();
    EXPECT_TRUE(lines.contains(
        QString(20, u' ') + u" : 02/2020         8:30       0:00       8:30       8:30        0  (D)"_s))
        << lines.join(u'\n').toStdString();
    EXPECT_TRUE(child<QPushButton>(u"ExcelSaveBtn"_s)->isEnabled());

    child<QPushButton>(u"SaveUeBtn"_s)->click();
    EXPECT_EQ(proposals, QStringList { u"arbeitszeitkonto_ma_Anna_Berg_2020_14082020_09h00.txt"_s });
    QFile saved(folder.path(u"konto.txt"_s));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        QString::fromUtf8(saved.readAll()).contains(u" Arbeitszeitkonto Mitarbeiter Anna Berg   2020"_s));

    child<QComboBox>(u"JahrCBox"_s)->setCurrentIndex(0);
    EXPECT_TRUE(form.reportLines().isEmpty());
    EXPECT_FALSE(child<QPushButton>(u"SaveUeBtn"_s)->isEnabled());
    form.close();
}

// The second half of a double click meets the disabled button: one run,
// one file each.
TEST_F(KontoUeFormTest, ASecondClickDuringTheWorkDoesNothing)
{
    form.show();
    child<QComboBox>(u"MaLCBox"_s)->setCurrentIndex(1);
    int changes = 0;
    QObject::connect(
        child<QPlainTextEdit>(u"KontoREdit"_s), &QPlainTextEdit::textChanged, [&changes] { ++changes; });
    child<QPushButton>(u"AnzeigenBtn"_s)->click();
    const int changesOfOneRun = changes;
    ASSERT_GT(changesOfOneRun, 0);
    changes = 0;
    DoubleClickDuringWork(child<QPushButton>(u"AnzeigenBtn"_s));
    EXPECT_EQ(changes, changesOfOneRun);
    for (const QString& name : { u"SaveUeBtn"_s, u"PdfSaveBtn"_s, u"ExcelSaveBtn"_s, u"CsvSaveBtn"_s }) {
        SCOPED_TRACE(name.toStdString());
        const qsizetype before = proposals.size();
        DoubleClickDuringWork(child<QPushButton>(name));
        EXPECT_EQ(proposals.size(), before + 1);
    }
    form.close();
}
