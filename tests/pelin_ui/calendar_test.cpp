#include "common/clock.h"
#include "common/data_file_codec.h"
#include "pelin/forms/main_form.h"
#include "pelin/forms/month_calendar_widget.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QLabel>
#include <QSettings>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(MonthCalendarWidget, ClickOnADaySelectsItAndEmptyCellsDoNothing)
{
    MonthCalendarWidget widget;
    widget.setMonth(MonthLayout(2024, 3), HolidayCalendar(HolidaySettings {}, 2024));
    widget.resize(widget.sizeHint());
    QList<int> selected;
    QObject::connect(&widget, &MonthCalendarWidget::daySelected, [&](int day) { selected.append(day); });
    // March 2024 starts on a Friday: row 0, column 4.
    QTest::mouseClick(&widget, Qt::LeftButton, {}, widget.cellRect(0, 4).center());
    QTest::mouseClick(&widget, Qt::LeftButton, {}, widget.cellRect(0, 0).center());
    QTest::mouseClick(&widget, Qt::LeftButton, {}, widget.cellRect(4, 6).center());
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(selected, (QList<int> { 1, 31 }));
}

TEST(MonthCalendarWidget, HolidayNameOfTheDisplayedDay)
{
    MonthCalendarWidget widget;
    widget.setMonth(MonthLayout(2024, 3), HolidayCalendar(HolidaySettings {}, 2024));
    widget.setDisplayedDay(29);
    EXPECT_FALSE(widget.holidayNameShown().isEmpty()) << "Good Friday 2024";
    widget.setDisplayedDay(28);
    EXPECT_TRUE(widget.holidayNameShown().isEmpty());
}

TEST(PelinCalendar, SteppingWithoutLogInChangesOnlyCalendarAndTexts)
{
    TempFolder root;
    ScriptedMessenger messenger;
    DataFileCodec codec(CodecProgram::Pelin, messenger, [](int) {});
    FixedClock clock(QDate(2024, 3, 1));
    QSettings settings(root.path(u"s.ini"_s), QSettings::IniFormat);
    TMainForm form(
        { messenger, codec, clock, settings, root.path(), root.path(), root.path(), { u"pelin"_s } },
        VisualStyle::System);
    auto* text = form.findChild<QLabel*>(u"ZeigTagSText"_s);
    EXPECT_EQ(text->text(), u" Freitag  01.03.2024"_s);
    form.findChild<QToolButton*>(u"TagM_SBtn"_s)->click();
    EXPECT_EQ(text->text(), u" Donnerstag  29.02.2024"_s);
    EXPECT_EQ(form.findChild<QLabel*>(u"ZeigMonatSText"_s)->text(), u"Februar"_s);
    form.findChild<QToolButton*>(u"MonatM_SBtn"_s)->click();
    EXPECT_EQ(messenger.messages, QStringList { u"Es kann maximal der Vormonat bearbeitet werden!"_s });
    form.findChild<QToolButton*>(u"MonatP_SBtn"_s)->click();
    EXPECT_EQ(text->text(), u" Freitag  01.03.2024"_s);
}
