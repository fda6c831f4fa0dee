#include "korav/core/activity_chooser.h"
#include "korav/core/month_hours_picker.h"
#include "korav/forms/ausw_monat_std_form.h"
#include "korav/forms/ausw_projekte_form.h"
#include "tests/korav_ui/korav_window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

struct KoravKeys : KoravWindow {
    KoravKeys()
    {
        makeDataFolder();
        tmp.write(u"daten/zprojekte.kvd"_s, kBom + "P2=Zwei\r\nP1=Eins\r\n");
        tmp.write(u"daten/zsonstige.kvd"_s,
            kBom + "S1=Pause\r\nS2=Krank\r\nS3=Urlaub\r\nS4=Gleitfrei\r\nS5=Verwaltung\r\n");
        start();
        logIn(u"nuvo"_s);
    }

    // Opens the dialog modally and plays the keys at its focus.
    static int run(QDialog& dialog, std::initializer_list<Qt::Key> keys, const QString& typed = {})
    {
        QTimer::singleShot(0, &dialog, [&dialog, keys, typed] {
            if (!typed.isEmpty())
                QTest::keyClicks(dialog.focusWidget(), typed);
            for (const Qt::Key key : keys)
                QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, key);
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the keys left the dialog open, focus on "
                              << (dialog.focusWidget() ? dialog.focusWidget()->objectName().toStdString()
                                                       : "-");
                dialog.done(99);
            }
        });
        return dialog.exec();
    }
};

} // namespace

TEST_F(KoravKeys, ChooserTakesTheRowReachedByKeys)
{
    TAuswProjekteForm& chooser = form->activityChooser();
    chooser.FormShow(ActivityChooser::kEntryKey);
    EXPECT_EQ(run(chooser, { Qt::Key_Down, Qt::Key_Return }, u"kra"_s), QDialog::Accepted);
    EXPECT_EQ(chooser.chosen().number, u"S2"_s);

    chooser.FormShow(ActivityChooser::kEntryKey);
    EXPECT_EQ(run(chooser, { Qt::Key_Return }, u"zwei"_s), QDialog::Accepted) << "the only match";
    EXPECT_EQ(chooser.chosen().number, u"P2"_s);

    chooser.FormShow(ActivityChooser::kEntryKey);
    EXPECT_EQ(run(chooser, { Qt::Key_Return, Qt::Key_Escape }, u"s"_s), QDialog::Rejected)
        << "Enter among several rows takes none";
    EXPECT_TRUE(chooser.chosen().number.isEmpty());
}

TEST_F(KoravKeys, RowSelectedByKeysEnablesTakingOver)
{
    TAuswProjekteForm& chooser = form->activityChooser();
    chooser.FormShow(ActivityChooser::kEntryKey);
    auto* take = chooser.findChild<QPushButton*>(u"UebernehmenSBtn"_s);
    auto* rows = chooser.findChild<QTreeWidget*>(u"FilterListView"_s);
    QTimer::singleShot(0, &chooser, [&] {
        EXPECT_EQ(chooser.focusWidget()->objectName(), u"SuchEdit"_s);
        QTest::keyClick(chooser.focusWidget(), Qt::Key_Down);
        EXPECT_EQ(chooser.focusWidget(), rows);
        QTest::keyClick(rows, Qt::Key_Down);
        EXPECT_TRUE(take->isEnabled());
        take->click();
    });
    EXPECT_EQ(chooser.exec(), QDialog::Accepted);
    EXPECT_EQ(chooser.chosen().number, rows->topLevelItem(1)->text(0));
}

TEST_F(KoravKeys, HoursPickerWorksWithArrowsAndEnter)
{
    TAuswMonatStdForm& picker = form->hoursPicker();
    picker.start(MonthHoursPicker::kMonthWorkTime, 15);
    // 4 and 2 as hour digits (the frame starts on 0), then 30 minutes.
    EXPECT_EQ(run(picker,
                  { Qt::Key_Down, Qt::Key_Return, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return,
                      Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return }),
        QDialog::Accepted);
    EXPECT_EQ(picker.hourText(), u"42"_s);
    EXPECT_EQ(picker.minuteText(), u"30"_s);

    picker.start(MonthHoursPicker::kMonthWorkTime, 15);
    EXPECT_EQ(run(picker, { Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape }), QDialog::Rejected);
}
