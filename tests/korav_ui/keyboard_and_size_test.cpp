#include "korav/forms/verb_daten_form.h"
#include "tests/korav_ui/korav_window_fixture.h"
#include "tests/support/window_manners.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct KeyboardAndSize : KoravWindow {
    void SetUp() override
    {
        makeDataFolder();
        start();
    }
};

} // namespace

TEST_F(KeyboardAndSize, EveryMenuOpensWithItsOwnAltLetter)
{
    QSet<QString> letters;
    for (QAction* menu : form->menuBar()->actions()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(menu->text());
        ASSERT_FALSE(mnemonic.isEmpty()) << menu->text().toStdString();
        EXPECT_FALSE(letters.contains(mnemonic.toString())) << menu->text().toStdString();
        letters.insert(mnemonic.toString());
    }
    EXPECT_EQ(letters.size(), 6);
}

// The entries share their captions with the buttons, which carry no Alt
// letter, and two of them change caption after the log-in.
TEST_F(KeyboardAndSize, EveryMenuEntryHasAnAltLetterOfItsOwn)
{
    const auto check = [this] {
        for (QMenu* menu : form->menuBar()->findChildren<QMenu*>()) {
            QSet<QString> letters;
            for (QAction* entry : menu->actions()) {
                if (entry->isSeparator())
                    continue;
                const QString mnemonic = QKeySequence::mnemonic(entry->text()).toString();
                EXPECT_FALSE(mnemonic.isEmpty()) << entry->text().toStdString();
                EXPECT_FALSE(letters.contains(mnemonic)) << entry->text().toStdString();
                letters.insert(mnemonic);
            }
        }
    };
    check();
    tmp.write(u"daten/zprojekte.kvd"_s, kBom + "P1=Eins\r\n");
    logIn(u"nuvo"_s);
    ASSERT_EQ(menuCaption(u"MenuPelinErstellen"), u"PELIN-Basisdaten erstellen ! "_s);
    check();
    EXPECT_EQ(button(u"PelinErstellenBtn")->text(), u"PELIN-Basisdaten erstellen ! "_s);
}

TEST_F(KeyboardAndSize, EscapeClosesTheHelpWindow)
{
    KoravHelpWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

namespace {

// The main window and every window it opens, made at start.
QList<QWidget*> KoravWindows(TMainForm& form)
{
    QList<QWidget*> windows { &form };
    for (QDialog* dialog : form.findChildren<QDialog*>())
        if (dialog->isWindow())
            windows.append(dialog);
    return windows;
}

} // namespace

// At scale 2 a 1920x1080 screen leaves 960x540 logical pixels.
TEST_F(KeyboardAndSize, EveryWindowFitsTheSmallestScreen)
{
    KoravHelpWindow help;
    QList<QWidget*> windows = KoravWindows(*form);
    windows.append(&help);
    for (QWidget* window : windows)
        EXPECT_TRUE(WindowManners::FitsSmallestScreen(*window))
            << window->objectName().toStdString() << " needs at least "
            << WindowManners::SmallestSize(*window).width() << "x"
            << WindowManners::SmallestSize(*window).height();
}

TEST_F(KeyboardAndSize, TabFollowsTheReadingOrderAndReturnTakesTheInput)
{
    logIn(u"nuvo"_s);
    for (QWidget* window : KoravWindows(*form)) {
        window->show();
        QStringList faults = WindowManners::FocusOrderFaults(*window);
        if (auto* dialog = qobject_cast<QDialog*>(window))
            faults += WindowManners::DefaultButtonFaults(*dialog);
        window->hide();
        EXPECT_TRUE(faults.isEmpty())
            << window->objectName().toStdString() << ": " << faults.join(u"; "_s).toStdString();
    }
}
