#include "common/ui/program_icons.h"
#include "common/ui/visual_style.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class VisualStyleTest : public ::testing::TestWithParam<VisualStyle> {
protected:
    void TearDown() override { ApplyVisualStyle(VisualStyle::System); }
};

} // namespace

TEST_P(VisualStyleTest, DisabledButtonsLookDisabled)
{
    ApplyVisualStyle(GetParam());
    const QPalette palette = QApplication::palette();
    for (QPalette::ColorRole role : { QPalette::ButtonText, QPalette::WindowText, QPalette::Text })
        EXPECT_NE(palette.color(QPalette::Disabled, role), palette.color(QPalette::Active, role)) << role;

    QPushButton button(u"Starten"_s);
    button.setEnabled(false);
    EXPECT_NE(button.palette().color(QPalette::Disabled, QPalette::ButtonText),
        button.palette().color(QPalette::Active, QPalette::ButtonText));
}

INSTANTIATE_TEST_SUITE_P(
    BothLooks, VisualStyleTest, ::testing::Values(VisualStyle::System, VisualStyle::Grey));

TEST(VisualStyle, SystemLookReturnsToTheDesktopPaletteAfterGrey)
{
    ApplyVisualStyle(VisualStyle::System);
    const QPalette desktop = QApplication::palette();
    ApplyVisualStyle(VisualStyle::Grey);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(192, 192, 192));
    ApplyVisualStyle(VisualStyle::System);
    for (QPalette::ColorRole role : { QPalette::Window, QPalette::Base, QPalette::ButtonText })
        EXPECT_EQ(QApplication::palette().color(role), desktop.color(role)) << role;
}

TEST(ProgramIcons, EveryPictureIsDrawnFromItsOwnFile)
{
    for (const QIcon& icon : { HelpIcon(), InfoIcon(), KoravIcon(), PelinIcon() }) {
        const QImage image = icon.pixmap(32, 32).toImage();
        ASSERT_FALSE(image.isNull());
        EXPECT_NE(image.pixelColor(16, 16).alpha(), 0) << "the picture's middle is painted";
    }
}
