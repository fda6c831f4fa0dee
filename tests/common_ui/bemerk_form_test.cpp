#include "common/ui/bemerk_form.h"
#include "tests/support/qt_printers.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(BemerkForm, TakesTheRemarkOrLeavesItUnchanged)
{
    TBemerkForm form;
    EXPECT_EQ(form.windowTitle(), u"  Eingabe der Bemerkung"_s);
    EXPECT_EQ(form.edit()->maxLength(), 60);

    QTimer::singleShot(0, &form, [&] {
        EXPECT_EQ(form.edit()->text(), u"alt"_s);
        // Typing adds to the remark instead of writing in front of it.
        QTest::keyClicks(form.edit(), u" und neu"_s);
        form.findChild<QPushButton*>(u"UebernehmenSBtn"_s)->click();
    });
    EXPECT_EQ(form.editRemark(u"alt"_s, {}), u"alt und neu"_s);

    QTimer::singleShot(0, &form, [&] {
        form.edit()->setText(u"verworfen"_s);
        form.findChild<QPushButton*>(u"CancelSBtn"_s)->click();
    });
    EXPECT_FALSE(form.editRemark(u"alt"_s, {}));
}
