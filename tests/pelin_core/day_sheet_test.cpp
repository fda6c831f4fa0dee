#include "common/clock.h"
#include "pelin/core/day_sheet.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct DaySheetFixture : ::testing::Test {
    ScriptedMessenger messenger;
    FixedClock clock { QDate(2023, 3, 7) };
    PelinDates dates = PelinDates::FromToday(QDate(2023, 3, 7));
    LoginState state;
    DaySheet sheet { state, dates, clock, messenger };

    DaySheetFixture()
    {
        state.loggedIn = true;
        state.personnelNumber = u"4711"_s;
        state.activityList = StringList(
            { u"P100=Messebau"_s, u"P200=Planung"_s, u"900=Pause"_s, u"910=Krank"_s, u"911=Krank"_s });
        state.currentMonth = MonthList(2023, 3, u"4711"_s);
        state.previousMonth = MonthList(2023, 2, u"4711"_s);
        dates.displayedDay = QDate(2023, 3, 6);
        sheet.LoadDisplayedDay();
    }

    void enter(const QString& number, const QString& hours, const QString& minutes)
    {
        sheet.ActivityChosen(number, {});
        sheet.HoursPicked(hours, minutes);
        sheet.EinfgEintragBtnClick();
    }
};

} // namespace

TEST_F(DaySheetFixture, KrankOnAnEmptyDayFillsTheDailyTarget)
{
    sheet.QuickEntry(u"Krank"_s);
    EXPECT_EQ(QStringList({ sheet.fields().comeHour, sheet.fields().comeMinute, sheet.fields().goHour,
                  sheet.fields().goMinute }),
        (QStringList { u"08"_s, u"00"_s, u"16"_s, u"00"_s }));
    ASSERT_EQ(sheet.rows().size(), 1);
    EXPECT_EQ(sheet.rows()[0].number, u"910"_s) << "the first matching description in file order";
    EXPECT_EQ(sheet.rows()[0].duration, u"  8:00"_s);
    EXPECT_EQ(sheet.values().dayTexts.open, u"--- "_s);
    EXPECT_EQ(sheet.values().dayColours.background, kOpenGreen);
    EXPECT_EQ(state.currentMonth.lines().lines(),
        (QStringList { u"az202303064711=2023030708001600----------------"_s,
            u"pz202303064711=2023030700800910####"_s }));
    EXPECT_TRUE(messenger.all.isEmpty());
    EXPECT_TRUE(state.changes.data());
}

TEST_F(DaySheetFixture, AbsenceFillsThePartTimeEmployeesOwnDailyTarget)
{
    // The daily part of the employee's target record: 4:15 of a 50 % employee.
    state.dailyTarget = 4 * 60 + 15;
    sheet.QuickEntry(u"Krank"_s);
    EXPECT_EQ(QStringList({ sheet.fields().comeHour, sheet.fields().comeMinute, sheet.fields().goHour,
                  sheet.fields().goMinute }),
        (QStringList { u"08"_s, u"00"_s, u"12"_s, u"15"_s }));
    ASSERT_EQ(sheet.rows().size(), 1);
    EXPECT_EQ(sheet.rows()[0].duration, u"  4:15"_s);
    EXPECT_EQ(state.currentMonth.lines().lines().last(), u"pz202303064711=2023030700415910####"_s);
}

TEST_F(DaySheetFixture, ChangingWithoutSelectionAsksToMarkAnEntry)
{
    sheet.ChgEintragBtnClick();
    EXPECT_EQ(messenger.messages, QStringList { u"Markieren Sie eine Tätigkeit in der Tagesliste"_s });
}

TEST_F(DaySheetFixture, PauseFillsTheOpenTime)
{
    sheet.TimesPicked(u"08"_s, u"00"_s, u"16"_s, u"00"_s);
    enter(u"P100"_s, u"7"_s, u"30"_s);
    sheet.QuickEntry(u"Pause"_s);
    ASSERT_EQ(sheet.rows().size(), 2);
    EXPECT_EQ(sheet.rows()[1].number, u"900"_s);
    EXPECT_EQ(sheet.rows()[1].duration, u"  0:30"_s);
    EXPECT_EQ(sheet.values().dayTexts.working, u"  7:30 "_s);
    EXPECT_EQ(sheet.values().dayTexts.open, u"--- "_s);
}

TEST_F(DaySheetFixture, QuickEntryWithoutMatchingDescriptionChangesNothing)
{
    sheet.QuickEntry(u"Gleitfrei"_s);
    EXPECT_EQ(
        messenger.messages, QStringList { u"'Gleitfrei' ist in der Tätigkeiten-Liste nicht enthalten"_s });
    EXPECT_TRUE(sheet.fields().comeHour.isEmpty());
    EXPECT_TRUE(state.currentMonth.lines().isEmpty());
    EXPECT_FALSE(state.changes.data());
}

TEST_F(DaySheetFixture, EntryChecks)
{
    sheet.TimesPicked(u"07"_s, u"00"_s, u"20"_s, u"00"_s);
    const std::pair<std::pair<QString, QString>, QString> refusals[] = {
        { { u""_s, u"30"_s }, u"Es fehlt die Zeitangabe für das Projekt!"_s },
        { { u"-1"_s, u"00"_s }, u"Die Projekt-Stunden dürfen nicht negativ sein!"_s },
        { { u"1a"_s, u"00"_s }, u"Die Projekt-Stunden sind nicht numerisch!"_s },
        { { u"0"_s, u"00"_s }, u"Die Projekt-Stunden müssen größer als 0 sein!"_s },
    };
    for (const auto& [fields, message] : refusals) {
        messenger.messages.clear();
        enter(u"P100"_s, fields.first, fields.second);
        EXPECT_EQ(messenger.messages, QStringList { message });
        EXPECT_TRUE(sheet.entries().isEmpty());
    }
    messenger.messages.clear();
    enter(u"P100"_s, u"1"_s, u"00"_s);
    enter(u"P100"_s, u"2"_s, u"00"_s);
    EXPECT_EQ(messenger.messages, QStringList { u"Projekt ist bereits in Tabelle vorhanden!"_s });
    EXPECT_EQ(sheet.selectedRow(), 0);
}

TEST_F(DaySheetFixture, TwentyEntriesFitTheTwentyFirstIsRefused)
{
    sheet.TimesPicked(u"00"_s, u"00"_s, u"23"_s, u"00"_s);
    for (int i = 0; i < 21; ++i)
        enter(u"A%1"_s.arg(i), u"0"_s, u"05"_s);
    EXPECT_EQ(sheet.entries().size(), 20);
    EXPECT_EQ(messenger.messages, QStringList { u"Es können maximal 20 Projekte pro Tag erfasst werden!"_s });
}

TEST_F(DaySheetFixture, ChangingAnOldEntryReentersItWithTodaysDate)
{
    state.currentMonth = MonthList(2023, 3, u"4711"_s);
    state.currentMonth.pasteDay(6, u"2023030607301615----------------Messe"_s, u"2023030600400P100####"_s);
    sheet.LoadDisplayedDay();
    EXPECT_EQ(sheet.fields().remark, u"Messe"_s);
    sheet.Select(0);
    sheet.ChgEintragBtnClick();
    EXPECT_EQ(sheet.fields().projectNumber, u"P100"_s);
    EXPECT_EQ(sheet.fields().hoursField, u"4"_s);
    EXPECT_EQ(sheet.fields().minutesField, u"00"_s);
    EXPECT_EQ(sheet.fields().projectDescription, u"Messebau"_s);
    EXPECT_TRUE(sheet.entries().isEmpty());
    sheet.EinfgEintragBtnClick();
    ASSERT_EQ(sheet.entries().size(), 1);
    EXPECT_EQ(sheet.entries()[0].date, u"20230307"_s);
}

TEST_F(DaySheetFixture, DiscardQuestionOnlyNoStops)
{
    sheet.TimesPicked(u"08"_s, u"00"_s, u"16"_s, u"00"_s);
    enter(u"P100"_s, u"1"_s, u"00"_s);
    sheet.ActivityChosen(u"P200"_s, u"Planung"_s);
    sheet.Select(0);
    messenger.answerNext(kAnswerNo);
    sheet.ChgEintragBtnClick();
    EXPECT_EQ(messenger.questions, QStringList { u"Ausgewählte Tätigkeit P200 verwerfen?"_s });
    EXPECT_EQ(sheet.entries().size(), 1);
    messenger.answerNext(kAnswerClosed);
    sheet.ChgEintragBtnClick();
    EXPECT_EQ(sheet.fields().projectNumber, u"P200"_s) << "a closed dialog keeps the entry fields";
    EXPECT_EQ(sheet.entries().size(), 1);
    messenger.answerNext(kAnswerYes);
    sheet.ChgEintragBtnClick();
    EXPECT_EQ(sheet.fields().projectNumber, u"P100"_s);
}

namespace {

// A day of two entries made on earlier days, P100 being changed.
struct ChangingAnEntry : DaySheetFixture {
    const QString dayValue = u"2023030107301615----------------"_s;
    const QString activityValue = u"2023030100400P100####2023030200300P200####"_s;

    ChangingAnEntry()
    {
        state.currentMonth.pasteDay(6, dayValue, activityValue);
        sheet.LoadDisplayedDay();
        sheet.Select(0);
        sheet.ChgEintragBtnClick();
    }

    void showDay(int day)
    {
        dates.displayedDay = QDate(2023, 3, day);
        sheet.LoadDisplayedDay();
    }
};

} // namespace

TEST_F(ChangingAnEntry, TheEntryLeavesTheListButNotTheMonth)
{
    EXPECT_EQ(sheet.fields().projectNumber, u"P100"_s);
    ASSERT_EQ(sheet.entries().size(), 1);
    EXPECT_EQ(sheet.entries()[0].activity, u"P200"_s);
    EXPECT_EQ(sheet.values().day.open(), 5 * 60 + 45) << "the day counts without the entry being changed";
    EXPECT_EQ(state.currentMonth.activityValue(6), activityValue);
    EXPECT_TRUE(sheet.entryBeingChanged());
}

TEST_F(ChangingAnEntry, LeavingTheDayKeepsTheEntryWithItsDateAndPlace)
{
    showDay(7);
    EXPECT_EQ(state.currentMonth.activityValue(6), activityValue);
    showDay(6);
    ASSERT_EQ(sheet.entries().size(), 2);
    EXPECT_EQ(sheet.entries()[0].activity, u"P100"_s);
    EXPECT_EQ(sheet.entries()[0].date, u"20230301"_s);
    EXPECT_FALSE(sheet.entryBeingChanged());
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(ChangingAnEntry, EnteringItAgainReplacesIt)
{
    sheet.HoursPicked(u"5"_s, sheet.fields().minutesField);
    sheet.EinfgEintragBtnClick();
    showDay(7);
    EXPECT_EQ(state.currentMonth.activityValue(6), u"2023030200300P200####2023030700500P100####"_s);

    showDay(6);
    sheet.Select(1);
    sheet.ChgEintragBtnClick();
    sheet.ActivityChosen(u"P300"_s, u"Neu"_s);
    sheet.HoursPicked(u"1"_s, u"00"_s);
    sheet.EinfgEintragBtnClick();
    EXPECT_EQ(state.currentMonth.activityValue(6), u"2023030200300P200####2023030700100P300####"_s)
        << "entered under another number, the changed entry is replaced";
}

TEST_F(ChangingAnEntry, ChangingAnotherEntryDiscardsOnlyOnYes)
{
    const struct {
        int answer;
        QString kept;
    } cases[] = {
        { kAnswerNo, u"2023030100400P100####2023030200300P200####"_s },
        { kAnswerClosed, u"2023030100400P100####2023030200300P200####"_s },
        { kAnswerYes, u"2023030200300P200####"_s },
    };
    for (const auto& c : cases) {
        state.currentMonth = MonthList(2023, 3, u"4711"_s);
        state.currentMonth.pasteDay(6, dayValue, activityValue);
        showDay(6);
        sheet.Select(0);
        sheet.ChgEintragBtnClick();
        sheet.ActivityChosen({}, {});
        sheet.Select(0);
        messenger.questions.clear();
        messenger.answerNext(c.answer);
        sheet.ChgEintragBtnClick();
        EXPECT_EQ(messenger.questions, QStringList { u"Ausgewählte Tätigkeit P100 verwerfen?"_s })
            << "an entry being changed is asked for even when its number was cleared";
        showDay(7);
        EXPECT_EQ(state.currentMonth.activityValue(6), c.kept) << c.answer;
    }
}

TEST_F(ChangingAnEntry, QuickEntryPutsTheEntryBackFirst)
{
    sheet.QuickEntry(u"Pause"_s);
    ASSERT_EQ(sheet.rows().size(), 3);
    EXPECT_EQ(sheet.rows()[0].number, u"P100"_s);
    EXPECT_EQ(sheet.rows()[2].number, u"900"_s);
    EXPECT_EQ(sheet.rows()[2].duration, u"  1:45"_s);
}

TEST_F(DaySheetFixture, CopyAndPaste)
{
    sheet.TimesPicked(u"07"_s, u"30"_s, u"16"_s, u"15"_s);
    enter(u"P100"_s, u"4"_s, u"00"_s);
    sheet.CopyTagBtnClick();
    EXPECT_EQ(sheet.pasteHint(), u"Inhalt Zwischenablage: 06.03.2023 "_s);

    sheet.EinfgBtnClick();
    EXPECT_EQ(messenger.messages, QStringList { u"Am 06.03. sind bereits Arbeitszeiten eingetragen"_s });

    clock.set(QDate(2023, 3, 9).startOfDay());
    dates.displayedDay = QDate(2023, 3, 8);
    sheet.LoadDisplayedDay();
    sheet.EinfgBtnClick();
    EXPECT_EQ(state.currentMonth.dayValue(8), state.currentMonth.dayValue(6))
        << "the copied write date stays";
    EXPECT_EQ(state.currentMonth.activityValue(8), u"2023030700400P100####"_s);
    EXPECT_EQ(sheet.fields().comeHour, u"07"_s);

    dates.displayedDay = QDate(2023, 2, 10);
    sheet.LoadDisplayedDay();
    messenger.messages.clear();
    sheet.CopyTagBtnClick();
    EXPECT_EQ(messenger.messages, QStringList { u"Für den 10.02.2023 sind keine Arbeitszeiten vorhanden"_s });
}

TEST_F(DaySheetFixture, RemarkNeedsComeAndGoFirst)
{
    EXPECT_FALSE(sheet.RemarkMayBeEdited());
    EXPECT_EQ(messenger.messages,
        QStringList { u"Zeiten für Kommen und Gehen fehlen\n\nAuswahlfenster wird geöffnet"_s });
    sheet.TimesPicked(u"08"_s, u"00"_s, u"09"_s, u"00"_s);
    EXPECT_TRUE(sheet.RemarkMayBeEdited());
    sheet.RemarkTaken(QString(70, u'r'));
    EXPECT_EQ(state.currentMonth.dayValue(6), u"2023030708000900----------------"_s + QString(60, u'r'));
}

TEST_F(DaySheetFixture, ChoosingNeedsAttendanceAndResetClearsTheDay)
{
    EXPECT_FALSE(sheet.AttendancePresent());
    EXPECT_EQ(messenger.messages, QStringList { u"Es ist keine Anwesenheit eingetragen (Kommen|Gehen)"_s });
    sheet.TimesPicked(u"08"_s, u"00"_s, u"09"_s, u"00"_s);
    EXPECT_TRUE(sheet.AttendancePresent());
    sheet.ResetTagBtnClick();
    EXPECT_TRUE(state.currentMonth.lines().isEmpty());
    EXPECT_TRUE(sheet.fields().comeHour.isEmpty());
    messenger.messages.clear();
    sheet.ResetTagBtnClick();
    EXPECT_EQ(messenger.messages, QStringList { u"Es sind keine Tagesdaten vorhanden"_s });
}

// Each of the two months shows its own target: the previous month's day
// must not take the current month's.
TEST_F(DaySheetFixture, MonthValuesTakeTheTargetOfTheDisplayedMonth)
{
    state.personalTargetCurrentMonth = 8064;
    state.personalTargetPreviousMonth = 7200;
    struct Case {
        QDate day;
        int target;
        QString text;
    };
    for (const Case& c :
        { Case { QDate(2023, 2, 27), 7200, u"120:00 "_s }, Case { QDate(2023, 3, 6), 8064, u"134:24 "_s } }) {
        dates.displayedDay = c.day;
        sheet.LoadDisplayedDay();
        EXPECT_EQ(sheet.values().month.target, c.target) << c.day.toString().toStdString();
        EXPECT_EQ(sheet.values().monthTexts.target, c.text) << c.day.toString().toStdString();
    }
}

// Entries stored for a day without coming and going count in the month and
// mark the day as not finished.
TEST_F(DaySheetFixture, EntriesOfADayWithoutDayRecordCountAndShowItIncomplete)
{
    TempFolder folder;
    folder.write(u"az2023024711.kvd"_s, "pz202302034711=2023020300130P100####2023020300030900####\r\n");
    ASSERT_EQ(state.previousMonth.load(folder.path()), MonthList::LoadResult::Loaded);
    dates.displayedDay = QDate(2023, 2, 6);
    sheet.LoadDisplayedDay();
    EXPECT_EQ(sheet.values().month.assigned, 90);
    EXPECT_EQ(sheet.values().month.pause, 30);
    EXPECT_EQ(sheet.values().month.dayStates.at(3), kDayOpenTimeLeft);
}

// Coming and going entered later on such a day keep the entries stored for it.
TEST_F(DaySheetFixture, EnteringTimesOnADayWithoutDayRecordKeepsItsEntries)
{
    TempFolder folder;
    folder.write(u"az2023034711.kvd"_s, "pz202303064711=2023030600130P100####\r\n");
    ASSERT_EQ(state.currentMonth.load(folder.path()), MonthList::LoadResult::Loaded);
    sheet.LoadDisplayedDay();
    ASSERT_EQ(sheet.rows().size(), 1);
    sheet.TimesPicked(u"08"_s, u"00"_s, u"10"_s, u"00"_s);
    sheet.StoreDisplayedDay();
    EXPECT_EQ(state.currentMonth.activityValue(6), u"2023030600130P100####"_s);
    EXPECT_EQ(state.currentMonth.dayValue(6).left(16), u"2023030708001000"_s);
}

namespace {

// February is closed; the displayed day is 6 February with one entry, and
// the clipboard holds a day of March.
struct ClosedDayFixture : DaySheetFixture {
    const QString closedRefusal = u"Der Monat 02/2023 ist abgeschlossen !\n\nSeine Tage können angesehen, "
                                  "aber nicht mehr geändert werden."_s;

    ClosedDayFixture()
    {
        sheet.TimesPicked(u"08"_s, u"00"_s, u"12"_s, u"00"_s);
        sheet.CopyTagBtnClick();
        state.previousMonth.pasteDay(6, u"2023020108001600----------------alt"_s, u"2023020100800P100####"_s);
        state.closedMonths = ClosedMonths(2023, 2);
        dates.displayedDay = QDate(2023, 2, 6);
        sheet.LoadDisplayedDay();
        state.changes = {};
        messenger.all.clear();
        messenger.messages.clear();
    }
};

} // namespace

TEST_F(ClosedDayFixture, EveryChangeOfADayInAClosedMonthIsRefusedWhileItStaysVisible)
{
    using Action = std::function<void(DaySheet&)>;
    const std::pair<const char*, Action> actions[] = {
        { "times", [](DaySheet& s) { s.TimesPicked(u"07"_s, u"00"_s, u"15"_s, u"00"_s); } },
        { "remark", [](DaySheet& s) { s.RemarkTaken(u"neu"_s); } },
        { "enter",
            [](DaySheet& s) {
                s.ActivityChosen(u"P200"_s, {});
                s.HoursPicked(u"1"_s, u"00"_s);
                s.EinfgEintragBtnClick();
            } },
        { "change",
            [](DaySheet& s) {
                s.Select(0);
                s.ChgEintragBtnClick();
            } },
        { "remove",
            [](DaySheet& s) {
                s.Select(0);
                s.DelEintragBtnClick();
            } },
        { "quick entry", [](DaySheet& s) { s.QuickEntry(u"Pause"_s); } },
        { "paste", [](DaySheet& s) { s.EinfgBtnClick(); } },
        { "delete day", [](DaySheet& s) { s.ResetTagBtnClick(); } },
    };
    const StringList before = state.previousMonth.lines();
    for (const auto& [name, action] : actions) {
        messenger.messages.clear();
        messenger.answerNext(kAnswerYes);
        action(sheet);
        EXPECT_EQ(messenger.messages, QStringList { closedRefusal }) << name;
        EXPECT_EQ(state.previousMonth.lines(), before) << name;
        EXPECT_EQ(sheet.rows().size(), 1) << name;
        EXPECT_EQ(sheet.fields().remark, u"alt"_s) << name;
        EXPECT_FALSE(state.changes.any()) << name;
        sheet.LoadDisplayedDay();
    }
    EXPECT_FALSE(sheet.DayMayBeChanged());
}

TEST_F(ClosedDayFixture, CopyingFromAClosedDayAndChangingAnOpenMonthStillWork)
{
    sheet.CopyTagBtnClick();
    EXPECT_TRUE(messenger.messages.isEmpty());
    dates.displayedDay = QDate(2023, 3, 7);
    sheet.LoadDisplayedDay();
    EXPECT_TRUE(sheet.DayMayBeChanged());
    sheet.EinfgBtnClick();
    EXPECT_EQ(state.currentMonth.dayValue(7), u"2023020108001600----------------alt"_s);
    EXPECT_TRUE(messenger.messages.isEmpty());
}
