#include "pelin/core/calendar_cell_style.h"
#include "pelin/core/calendar_navigation.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kOnlyPrevious = u"Es kann maximal der Vormonat bearbeitet werden!"_s;
const QString kNoLater = u"Folgemonate können nicht bearbeitet werden!"_s;

enum class Step { PrevDay, NextDay, PrevMonth, NextMonth };

struct StepCase {
    QDate today;
    QDate shown;
    Step step;
    QDate expected;
    QString message; // empty when the step is taken
};

QDate Apply(Step step, QDate shown, const PelinDates& dates, Messenger& messenger)
{
    switch (step) {
    case Step::PrevDay:
        return CalendarNavigation::PreviousDay(shown, dates, messenger);
    case Step::NextDay:
        return CalendarNavigation::NextDay(shown, dates, messenger);
    case Step::PrevMonth:
        return CalendarNavigation::PreviousMonth(shown, dates, messenger);
    case Step::NextMonth:
        return CalendarNavigation::NextMonth(shown, dates, messenger);
    }
    return shown;
}

} // namespace

TEST(CalendarNavigation, StepsStayWithinTheTwoEditableMonths)
{
    const StepCase cases[] = {
        { QDate(2024, 3, 1), QDate(2024, 3, 1), Step::PrevDay, QDate(2024, 2, 29), {} },
        { QDate(2023, 3, 1), QDate(2023, 3, 1), Step::PrevDay, QDate(2023, 2, 28), {} },
        { QDate(2024, 3, 1), QDate(2024, 2, 1), Step::PrevDay, QDate(2024, 2, 1), kOnlyPrevious },
        { QDate(2024, 3, 10), QDate(2024, 3, 31), Step::NextDay, QDate(2024, 3, 31), kNoLater },
        { QDate(2024, 3, 10), QDate(2024, 2, 29), Step::NextDay, QDate(2024, 3, 1), {} },
        { QDate(2024, 3, 10), QDate(2024, 3, 15), Step::NextDay, QDate(2024, 3, 16), {} },
        { QDate(2025, 1, 15), QDate(2025, 1, 15), Step::PrevMonth, QDate(2024, 12, 1), {} },
        { QDate(2025, 1, 15), QDate(2024, 12, 1), Step::NextMonth, QDate(2025, 1, 1), {} },
        { QDate(2025, 1, 15), QDate(2024, 12, 31), Step::NextDay, QDate(2025, 1, 1), {} },
        { QDate(2025, 1, 15), QDate(2025, 1, 1), Step::PrevDay, QDate(2024, 12, 31), {} },
        { QDate(2025, 1, 15), QDate(2024, 12, 5), Step::PrevMonth, QDate(2024, 12, 5), kOnlyPrevious },
        { QDate(2025, 1, 15), QDate(2025, 1, 5), Step::NextMonth, QDate(2025, 1, 5), kNoLater },
    };
    for (const StepCase& c : cases) {
        ScriptedMessenger messenger;
        const PelinDates dates = PelinDates::FromToday(c.today);
        EXPECT_EQ(Apply(c.step, c.shown, dates, messenger), c.expected) << c.shown.toString().toStdString();
        EXPECT_EQ(messenger.messages, c.message.isEmpty() ? QStringList() : QStringList { c.message })
            << c.shown.toString().toStdString();
    }
}

TEST(DateTexts, FormatsOfTheDateTexts)
{
    const DateTexts texts = DateTexts::Of(QDate(2024, 3, 4));
    EXPECT_EQ(texts.day, u" Montag  04.03.2024"_s);
    EXPECT_EQ(texts.dayShort, u"   4."_s);
    EXPECT_EQ(texts.month, u"März"_s);
    EXPECT_EQ(texts.year, u"2024"_s);
    EXPECT_EQ(DateTexts::Of(QDate(2024, 9, 26)).day, u" Donnerstag  26.09.2024"_s);
    EXPECT_EQ(DateTexts::Of(QDate(2024, 9, 26)).month, u"September"_s);
    EXPECT_EQ(DateTexts::Of(QDate(2024, 9, 26)).dayShort, u"  26."_s);
}

TEST(CalendarCellStyle, ColourRules)
{
    const Rgb black { 0, 0, 0 }, white { 255, 255, 255 }, yellow { 255, 255, 0 }, grey { 128, 128, 128 };
    struct Case {
        CalendarCellFacts facts;
        CalendarCellStyle style;
    };
    const Case cases[] = {
        { {}, { black, std::nullopt, false, false } },
        { { .weekend = true }, { white, std::nullopt, false, false } },
        { { .weekend = true, .holiday = true }, { yellow, std::nullopt, false, false } },
        { { .displayed = true }, { black, Rgb { 235, 235, 235 }, false, false } },
        { { .holiday = true, .displayed = true }, { grey, yellow, false, false } },
        { { .state = kDayFullyAssigned }, { black, Rgb { 181, 230, 29 }, false, false } },
        { { .displayed = true, .state = kDayFullyAssigned }, { black, Rgb { 160, 206, 23 }, false, false } },
        { { .state = kDayOverAssigned }, { black, Rgb { 181, 230, 29 }, true, false } },
        { { .state = kDayOpenTimeLeft }, { black, Rgb { 255, 186, 140 }, false, false } },
        { { .displayed = true, .state = kDayOpenTimeLeft }, { black, Rgb { 255, 168, 111 }, false, false } },
        { { .state = kDayPauseOnly }, { black, Rgb { 255, 221, 140 }, false, false } },
        { { .displayed = true, .state = kDayPauseOnly }, { black, Rgb { 255, 202, 79 }, false, false } },
        { { .today = true }, { black, std::nullopt, false, true } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(StyleOfCalendarCell(c.facts), c.style) << int(c.facts.state) << c.facts.displayed;
}
