#include "common/ui/long_work.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A window with a field and a button that starts long work.
struct LongWorkWindow : ::testing::Test {
    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
    QPushButton* start = new QPushButton(u"Starten"_s, &window);
    QLineEdit* next = new QLineEdit(&window);

    LongWorkWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(start);
        layout->addWidget(next);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

} // namespace

// Disabling the pressed button moves the focus away; a keyboard user must
// find it back on the button afterwards.
TEST_F(LongWorkWindow, TheFocusReturnsToTheButtonUnlessTheWorkMovedIt)
{
    start->setFocus();
    {
        const LongWork running { start };
        EXPECT_FALSE(start->isEnabled());
        EXPECT_NE(QApplication::focusWidget(), start);
    }
    EXPECT_TRUE(start->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), start);

    {
        const LongWork running { start };
        ASSERT_EQ(QApplication::focusWidget(), next);
        field->setFocus();
    }
    EXPECT_EQ(QApplication::focusWidget(), field) << "the work put the focus into the field";
}
