#include "common/clock.h"
#include "common/data_file_codec.h"
#include "pelin/core/login_session.h"
#include "pelin/forms/day_sheet_panel.h"
#include "pelin/forms/main_form.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_manners.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The keys go where the user's focus is: the focus widget of the window.
void Press(QWidget* window, Qt::Key key)
{
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus ? focus : window, key);
}

void PressAll(QWidget* window, std::initializer_list<Qt::Key> keys)
{
    for (const Qt::Key key : keys)
        Press(window, key);
}

// Plays keys in the dialog that the next step opens.
void InNextDialog(std::function<void(QWidget*)> keys)
{
    QTimer::singleShot(0, [keys = std::move(keys)] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        keys(dialog);
    });
}

// A LAN set-up with the base data, logged in on a Monday.
struct KeyboardDay : ::testing::Test {
    TempFolder root;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Pelin, messenger, [](int) {} };
    FixedClock clock { QDateTime(QDate(2023, 3, 7), QTime(17, 0)) };
    QSettings settings { root.path(u"s.ini"_s), QSettings::IniFormat };
    std::unique_ptr<TMainForm> form;

    void SetUp() override { start(u"Erika Muster"_s); }

    void start(const QString& name)
    {
        QDir().mkpath(root.path(u"prog"_s));
        QDir().mkpath(root.path(u"zeit"_s));
        QDir().mkpath(root.path(u"docs"_s));
        scramble(u"prog/pelin.cfg"_s,
            { u"dbversion=161020"_s, u"LAN_aktiv=1"_s, u"progordner="_s + root.path(u"prog"_s),
                u"zeitordner="_s + root.path(u"zeit"_s) });
        scramble(u"zeit/dama.kvd"_s, { u"Geheim=4711#"_s + name + u"#100#"_s, u"msz4711=10800"_s });
        root.write(u"zeit/dprojekte.kvd"_s, "\xEF\xBB\xBFP100=Projekt\r\n900=Pause\r\n910=Krank\r\n");
        PelinEnvironment env { messenger, codec, clock, settings, root.path(u"prog"_s), root.path(u"docs"_s),
            root.path(u"docs"_s), { u"pelin"_s } };
        form = std::make_unique<TMainForm>(env, VisualStyle::System);
        // Shown, as keys need a window; the first showing starts the program.
        form->show();
        QCoreApplication::processEvents();
    }

    void scramble(const QString& name, const QStringList& lines)
    {
        StringList list(lines);
        DataFileCodec korav(CodecProgram::Korav, messenger, [](int) {});
        ASSERT_TRUE(korav.SaveDataFile(root.path(name), list));
    }

    template <typename T> T* child(const QString& name) { return form->findChild<T*>(name); }
    QString text(const QString& field) { return child<QLineEdit>(field)->text(); }

    void logIn()
    {
        child<QLineEdit>(u"AnmeldeNameEdit"_s)->setText(u"Geheim"_s);
        form->LoginBtnClick();
        ASSERT_TRUE(form->loginSession()->state().loggedIn) << messenger.messages.join(u'|').toStdString();
        form->ShowDate(QDate(2023, 3, 6));
    }

    // Logged in on a day with times and one entry on "P100".
    void logInWithOneEntry()
    {
        logIn();
        DaySheet& sheet = form->daySheet()->sheet();
        sheet.TimesPicked(u"07"_s, u"30"_s, u"16"_s, u"15"_s);
        sheet.ActivityChosen(u"P100"_s, u"Projekt"_s);
        sheet.HoursPicked(u"4"_s, u"00"_s);
        sheet.EinfgEintragBtnClick();
        form->daySheet()->LoadDisplayedDay();
    }

    QStringList listedNumbers()
    {
        QStringList numbers;
        auto* list = child<QTreeWidget>(u"AnzeigeListView"_s);
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            numbers.append(list->topLevelItem(i)->text(0));
        return numbers;
    }
};

} // namespace

TEST_F(KeyboardDay, WholeDayIsEnteredWithKeysOnly)
{
    logIn();
    child<QLineEdit>(u"ZKomStdEdit"_s)->setFocus();

    // Come 8:00, go 16:30: the frame starts on 6 o'clock, every Enter moves
    // on to the next group, the last one to "Übernehmen".
    InNextDialog([](QWidget* picker) {
        EXPECT_EQ(picker->objectName(), u"TAuswZeitForm"_s);
        PressAll(picker,
            { Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Return, Qt::Key_Right, Qt::Key_Down,
                Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Right, Qt::Key_Right,
                Qt::Key_Return });
        EXPECT_EQ(picker->focusWidget()->objectName(), u"SaveBtn"_s);
        Press(picker, Qt::Key_Return);
    });
    Press(form.get(), Qt::Key_Return);
    EXPECT_EQ(QStringList({ text(u"ZKomStdEdit"_s), text(u"ZKomMinEdit"_s), text(u"ZGehStdEdit"_s),
                  text(u"ZGehMinEdit"_s) }),
        QStringList({ u"08"_s, u"00"_s, u"16"_s, u"30"_s }));
    EXPECT_EQ(form->focusWidget()->objectName(), u"ProjektNrEdit"_s);

    // The pause: searched, Down into the list, Enter takes the row found.
    InNextDialog([](QWidget* chooser) {
        EXPECT_EQ(chooser->focusWidget()->objectName(), u"SuchEdit"_s);
        QTest::keyClicks(chooser->focusWidget(), u"pause"_s);
        PressAll(chooser, { Qt::Key_Down, Qt::Key_Return });
    });
    Press(form.get(), Qt::Key_Space);
    EXPECT_EQ(text(u"ProjektNrEdit"_s), u"900"_s);
    EXPECT_EQ(form->focusWidget()->objectName(), u"TagProjZeitStdEdit"_s);
    // 0:30 in the hours picker, then Return enters the complete line.
    InNextDialog([](QWidget* picker) {
        EXPECT_EQ(picker->objectName(), u"TAuswStdForm"_s);
        PressAll(picker, { Qt::Key_Return, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return });
    });
    Press(form.get(), Qt::Key_Return);
    EXPECT_EQ(text(u"TagProjZeitStdEdit"_s) + u':' + text(u"TagProjZeitMinEdit"_s), u"0:30"_s);
    Press(form.get(), Qt::Key_Return);
    EXPECT_EQ(listedNumbers(), QStringList { u"900"_s });

    // The project: the only match of the search is taken by Enter; 7:00.
    InNextDialog([](QWidget* chooser) {
        QTest::keyClicks(chooser->focusWidget(), u"P1"_s);
        Press(chooser, Qt::Key_Return);
    });
    Press(form.get(), Qt::Key_Return);
    EXPECT_EQ(text(u"ProjektNrEdit"_s), u"P100"_s);
    InNextDialog([](QWidget* picker) {
        PressAll(picker,
            { Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return, Qt::Key_Return });
    });
    Press(form.get(), Qt::Key_Space);
    Press(form.get(), Qt::Key_Return);
    EXPECT_EQ(listedNumbers(), QStringList({ u"900"_s, u"P100"_s }));
    EXPECT_EQ(child<QLabel>(u"ArbZeitLabel"_s)->text(), u"  8:00 "_s);
    EXPECT_EQ(child<QLabel>(u"OffenLabel"_s)->text(), u"  1:00 "_s);
    EXPECT_TRUE(messenger.messages.isEmpty()) << messenger.messages.join(u'|').toStdString();
}

TEST_F(KeyboardDay, EscapeLeavesThePickedTimesAsTheyWere)
{
    logIn();
    child<QLineEdit>(u"ZKomStdEdit"_s)->setFocus();
    InNextDialog([](QWidget* picker) {
        PressAll(picker, { Qt::Key_Return, Qt::Key_Return, Qt::Key_Escape });
    });
    Press(form.get(), Qt::Key_Space);
    EXPECT_EQ(text(u"ZKomStdEdit"_s), QString());
    EXPECT_FALSE(QApplication::activeModalWidget());
}

TEST_F(KeyboardDay, CalendarStepsDaysWeeksAndMonths)
{
    auto* calendar = form->findChild<QWidget*>(u"MonatKalender"_s);
    calendar->setFocus();
    auto shown = [this] { return child<QLabel>(u"ZeigTagSText"_s)->text().right(10); };
    const QList<std::pair<Qt::Key, QString>> steps = { { Qt::Key_Right, u"08.03.2023"_s },
        { Qt::Key_Down, u"15.03.2023"_s }, { Qt::Key_Left, u"14.03.2023"_s }, { Qt::Key_Up, u"07.03.2023"_s },
        { Qt::Key_Up, u"28.02.2023"_s }, { Qt::Key_PageDown, u"01.03.2023"_s },
        { Qt::Key_PageUp, u"01.02.2023"_s } };
    for (const auto& [key, day] : steps) {
        QTest::keyClick(calendar, key);
        EXPECT_EQ(shown(), day) << QTest::toString(key);
    }
    EXPECT_TRUE(messenger.messages.isEmpty());
    QTest::keyClick(calendar, Qt::Key_Up);
    EXPECT_EQ(shown(), u"01.02.2023"_s);
    EXPECT_EQ(messenger.messages, QStringList { u"Es kann maximal der Vormonat bearbeitet werden!"_s });
}

TEST_F(KeyboardDay, FailedLogInClearsAndFocusesThePassword)
{
    auto* password = child<QLineEdit>(u"AnmeldeNameEdit"_s);
    QFile::remove(root.path(u"zeit/dama.kvd"_s));
    password->setText(u"Geheim"_s);
    form->LoginBtnClick();
    EXPECT_EQ(messenger.messages.last(), u"Mitarbeiter-Datei konnte nicht heruntergeladen werden!"_s);
    EXPECT_EQ(password->text(), QString()) << "a second try must not add to the first";
    EXPECT_EQ(form->focusWidget(), password);
}

TEST_F(KeyboardDay, LongNameIsShortenedWithTheFullNameAsTip)
{
    const int width = form->minimumSizeHint().width();
    form.reset();
    const QString name = u"Annegret Wilhelmine Sonnenberg"_s;
    start(name);
    logIn();
    auto* label = child<QLabel>(u"MitarbeiterLabel"_s);
    EXPECT_EQ(label->toolTip(), name);
    EXPECT_TRUE(label->text().endsWith(u"…"_s)) << label->text().toStdString();
    EXPECT_LE(form->minimumSizeHint().width(), width);
}

TEST_F(KeyboardDay, ResettingADayWithEntriesAsksFirst)
{
    logInWithOneEntry();
    auto* reset = child<QPushButton>(u"ResetTagBtn"_s);

    reset->click();
    EXPECT_EQ(messenger.questions, QStringList { u"Tag mit allen Tätigkeiten löschen?"_s });
    EXPECT_EQ(listedNumbers(), QStringList { u"P100"_s }) << "unanswered means no";
    EXPECT_EQ(text(u"ZKomStdEdit"_s), u"07"_s);

    messenger.answerNext(kAnswerYes);
    reset->click();
    EXPECT_TRUE(listedNumbers().isEmpty());
    EXPECT_EQ(text(u"ZKomStdEdit"_s), QString());

    messenger.questions.clear();
    form->daySheet()->sheet().TimesPicked(u"07"_s, u"30"_s, u"16"_s, u"15"_s);
    reset->click();
    EXPECT_TRUE(messenger.questions.isEmpty()) << "times alone go without a question";
}

TEST_F(KeyboardDay, QuickEntryRowIsListedAtOnce)
{
    logInWithOneEntry();
    auto* list = child<QTreeWidget>(u"AnzeigeListView"_s);
    QTest::qWait(0);

    child<QPushButton>(u"KrankBtn"_s)->click();
    ASSERT_EQ(listedNumbers(), QStringList({ u"P100"_s, u"910"_s }));
    QTest::qWait(0);
    const QRect row = list->visualItemRect(list->topLevelItem(1));
    EXPECT_TRUE(row.isValid());
    EXPECT_TRUE(list->viewport()->rect().contains(row)) << "the new row is in view";
}

namespace {

QList<QWidget*> PelinWindows(TMainForm& form)
{
    QList<QWidget*> windows { &form };
    for (QDialog* dialog : form.findChildren<QDialog*>())
        if (dialog->isWindow())
            windows.append(dialog);
    return windows;
}

} // namespace

// At scale 2 a 1920x1080 screen leaves 960x540 logical pixels.
TEST_F(KeyboardDay, EveryWindowFitsTheSmallestScreen)
{
    EXPECT_TRUE(WindowManners::FitsSmallestScreen(*form))
        << "before the log-in: " << WindowManners::SmallestSize(*form).width() << "x"
        << WindowManners::SmallestSize(*form).height();
    logIn();
    // The day sheet appears at the log-in and is shown once the events ran.
    QCoreApplication::processEvents();
    for (QWidget* window : PelinWindows(*form))
        EXPECT_TRUE(WindowManners::FitsSmallestScreen(*window))
            << window->objectName().toStdString() << " needs at least "
            << WindowManners::SmallestSize(*window).width() << "x"
            << WindowManners::SmallestSize(*window).height();
}

TEST_F(KeyboardDay, TabFollowsTheReadingOrderAndReturnTakesTheInput)
{
    logIn();
    QCoreApplication::processEvents();
    for (QWidget* window : PelinWindows(*form)) {
        window->show();
        QStringList faults = WindowManners::FocusOrderFaults(*window);
        if (auto* dialog = qobject_cast<QDialog*>(window))
            faults += WindowManners::DefaultButtonFaults(*dialog);
        if (window != form.get())
            window->hide();
        EXPECT_TRUE(faults.isEmpty())
            << window->objectName().toStdString() << ": " << faults.join(u"; "_s).toStdString();
    }
}
