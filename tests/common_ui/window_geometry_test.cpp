#include "common/ui/window_geometry.h"
#include "tests/support/temp_folder.h"

#include <QSettings>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(WindowGeometry, WindowReopensWhereItWasClosed)
{
    TempFolder folder;
    QSettings settings(folder.path(u"s.ini"_s), QSettings::IniFormat);
    QWidget fresh;
    RestoreWindowGeometry(fresh, settings);
    EXPECT_TRUE(settings.allKeys().isEmpty()) << "nothing stored, nothing written";

    QWidget closed;
    closed.setGeometry(120, 80, 640, 480);
    closed.show();
    SaveWindowGeometry(closed, settings);
    closed.close();

    QWidget reopened;
    RestoreWindowGeometry(reopened, settings);
    reopened.show();
    EXPECT_EQ(reopened.size(), QSize(640, 480));
    EXPECT_EQ(reopened.pos(), closed.pos());
}
