#include "korav/forms/verb_daten_form.h"
#include "tests/korav_ui/korav_window_fixture.h"

#include <QKeySequence>
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

TEST_F(KeyboardAndSize, EscapeClosesTheHelpWindow)
{
    KoravHelpWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

// The smallest size of each window fits a 1280x800 screen.
TEST_F(KeyboardAndSize, WindowsFitASmallScreen)
{
    const QSize screen(1280, 800);
    for (QWidget* window :
        { static_cast<QWidget*>(form.get()), static_cast<QWidget*>(&form->verbDatenForm()) }) {
        const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize());
        EXPECT_LE(smallest.width(), screen.width()) << window->objectName().toStdString();
        EXPECT_LE(smallest.height(), screen.height()) << window->objectName().toStdString();
    }
}
