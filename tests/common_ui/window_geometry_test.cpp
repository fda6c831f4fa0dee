#include "common/ui/window_geometry.h"
#include "tests/support/temp_folder.h"

#include <QSettings>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(WindowGeometry, SizeAndPlaceComeBackInTheNextRun)
{
    TempFolder folder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path({}));
    QWidget before;
    before.setObjectName(u"MainForm"_s);
    before.setGeometry(120, 90, 700, 500);
    SaveWindowGeometry(&before, u"PRUEF"_s);

    QWidget after;
    after.setObjectName(u"MainForm"_s);
    after.resize(300, 200);
    RestoreWindowGeometry(&after, u"PRUEF"_s);
    EXPECT_EQ(after.size(), QSize(700, 500));
    EXPECT_EQ(after.pos(), before.pos());

    QWidget other;
    other.setObjectName(u"AndereForm"_s);
    other.resize(300, 200);
    RestoreWindowGeometry(&other, u"PRUEF"_s);
    EXPECT_EQ(other.size(), QSize(300, 200)) << "a window without a stored place keeps its own";
}
