#include "pelin/forms/ausw_std_form.h"
#include "pelin/forms/ausw_zeit_form.h"
#include "pelin/forms/picker_grid_widget.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void ClickCell(PickerGridWidget* grid, CellKind kind, int value)
{
    ASSERT_NE(grid, nullptr);
    const PickerCell* cell = grid->layout().find(kind, value);
    ASSERT_NE(cell, nullptr);
    QTest::mouseClick(grid, Qt::LeftButton, {}, cell->rect.center());
}

template <typename Form> class PickerFormTest : public ::testing::Test {
protected:
    void show()
    {
        form.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    QString label(const QString& name) { return form.template findChild<QLabel*>(name)->text(); }
    QPushButton* button(const QString& name) { return form.template findChild<QPushButton*>(name); }

    ScriptedMessenger messenger;
    Form form { messenger };
};

class ComeGoFormTest : public PickerFormTest<TAuswZeitForm> {
protected:
    void open(const ComeGoTexts& fields, bool freeMinutes)
    {
        form.start(fields, freeMinutes);
        show();
    }
    PickerGridWidget* grid() { return form.findChild<PickerGridWidget*>(u"ZeitAuswahlGrid"_s); }
    void pick(int comeHour, int comeMinute, int goHour, int goMinute)
    {
        ClickCell(grid(), CellKind::ComeHour, comeHour);
        ClickCell(grid(), CellKind::ComeMinute, comeMinute);
        ClickCell(grid(), CellKind::GoHour, goHour);
        ClickCell(grid(), CellKind::GoMinute, goMinute);
    }
};

class HoursFormTest : public PickerFormTest<TAuswStdForm> {
protected:
    void open(bool freeMinutes)
    {
        form.start(freeMinutes);
        show();
    }
    PickerGridWidget* grid() { return form.findChild<PickerGridWidget*>(u"StdAuswahlGrid"_s); }
};

const ComeGoTexts kEmptyDay { u""_s, u""_s, u""_s, u""_s };

} // namespace

TEST_F(ComeGoFormTest, PicksComingAndGoingWithTheMouse)
{
    open(kEmptyDay, false);
    EXPECT_EQ(label(u"ZeitraumLabel"_s), u"99:99 - 99:99"_s);
    EXPECT_EQ(label(u"DauerLabel"_s), u"Dauer 99:99"_s);
    pick(7, 30, 16, 15);
    EXPECT_EQ(label(u"ZeitraumLabel"_s), u"07:30 - 16:15"_s);
    EXPECT_EQ(label(u"DauerLabel"_s), u"Dauer  8:45"_s);
    EXPECT_EQ(button(u"SaveBtn"_s)->text(), u"&Übernehmen"_s);
    button(u"SaveBtn"_s)->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    const ComeGoTexts texts = form.times();
    EXPECT_EQ(QStringList({ texts.comeHour, texts.comeMinute, texts.goHour, texts.goMinute }),
        QStringList({ u"07"_s, u"30"_s, u"16"_s, u"15"_s }));
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(ComeGoFormTest, GoingTwentyFourIsStoredAsMidnight)
{
    open(kEmptyDay, true);
    pick(8, 0, 24, 35);
    EXPECT_EQ(label(u"ZeitraumLabel"_s), u"08:00 - 24:00"_s);
    button(u"SaveBtn"_s)->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.times().goHour, u"24"_s);
    EXPECT_EQ(form.times().goMinute, u"00"_s);
}

TEST_F(ComeGoFormTest, GoingBeforeComingIsShownRedAndRefused)
{
    open(kEmptyDay, false);
    pick(16, 0, 8, 0);
    QLabel* dauer = form.findChild<QLabel*>(u"DauerLabel"_s);
    EXPECT_EQ(dauer->text(), u"Dauer = Minus!"_s);
    EXPECT_EQ(dauer->palette().color(QPalette::WindowText), QColor(Qt::red));
    button(u"SaveBtn"_s)->click();
    EXPECT_EQ(messenger.messages, QStringList { u"  Termindauer muss größer Null sein !  "_s });
    EXPECT_TRUE(form.isVisible());

    ClickCell(grid(), CellKind::GoHour, 17);
    EXPECT_EQ(dauer->text(), u"Dauer  1:00"_s);
    EXPECT_EQ(dauer->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(ComeGoFormTest, GreyMinutesDoNotReactWithoutFreeMinutes)
{
    open(kEmptyDay, false);
    pick(8, 5, 16, 20);
    EXPECT_EQ(label(u"ZeitraumLabel"_s), u"99:99 - 99:99"_s);
    button(u"SaveBtn"_s)->click();
    EXPECT_EQ(messenger.messages, QStringList { u" Arbeitszeit ist unvollständig !  "_s });

    QTest::mouseMove(grid(), grid()->layout().find(CellKind::GoMinute, 20)->rect.center());
    EXPECT_EQ(grid()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(grid(), grid()->layout().find(CellKind::GoMinute, 15)->rect.center());
    EXPECT_EQ(grid()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(grid(), grid()->layout().find(CellKind::ComeHour, 23)->rect.center());
    EXPECT_EQ(grid()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ComeGoFormTest, StartsFromTheFieldsAndCancelsWithoutChange)
{
    open({ u"08"_s, u"00"_s, u"16"_s, u"30"_s }, true);
    EXPECT_EQ(label(u"ZeitraumLabel"_s), u"08:00 - 16:30"_s);
    ClickCell(grid(), CellKind::GoHour, 12);
    EXPECT_EQ(button(u"CancelBtn"_s)->text(), u"&Abbrechen"_s);
    button(u"CancelBtn"_s)->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());

    open({ u"08"_s, u"00"_s, u"16"_s, u"30"_s }, true);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(HoursFormTest, ZeroResetsAndFiveMinutesAreTakenWithFreeMinutes)
{
    open(true);
    EXPECT_EQ(label(u"StdWertLabel"_s), u"--"_s);
    EXPECT_EQ(label(u"MinWertLabel"_s), u"--"_s);
    ClickCell(grid(), CellKind::Hour, 0);
    EXPECT_EQ(label(u"StdWertLabel"_s), u"0"_s);
    ClickCell(grid(), CellKind::Minute, 0);
    EXPECT_EQ(messenger.messages, QStringList { u"Dauer muss größer 0 sein"_s });
    EXPECT_EQ(label(u"StdWertLabel"_s), u"--"_s);
    EXPECT_EQ(label(u"MinWertLabel"_s), u"--"_s);
    EXPECT_TRUE(form.isVisible());

    ClickCell(grid(), CellKind::Hour, 0);
    ClickCell(grid(), CellKind::Minute, 5);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.hourText(), u"0"_s);
    EXPECT_EQ(form.minuteText(), u"05"_s);
}

TEST_F(HoursFormTest, GreyMinutesDoNotReactWithoutFreeMinutes)
{
    open(false);
    ClickCell(grid(), CellKind::Hour, 2);
    ClickCell(grid(), CellKind::Minute, 10);
    EXPECT_EQ(label(u"MinWertLabel"_s), u"--"_s);
    EXPECT_TRUE(form.isVisible());
    ClickCell(grid(), CellKind::Minute, 45);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.hourText(), u"2"_s);
    EXPECT_EQ(form.minuteText(), u"45"_s);
}

TEST_F(HoursFormTest, CancelClosesWithoutChange)
{
    open(true);
    ClickCell(grid(), CellKind::Hour, 3);
    button(u"CancelBtn"_s)->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
}
