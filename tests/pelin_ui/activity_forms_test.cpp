#include "pelin/forms/ausw_projekte_form.h"
#include "pelin/forms/filter_pool_form.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const StringList kActivities(
    { u"20001=Wartung"_s, u"10001=Laborarbeit"_s, u"10002=Büro"_s, u"30001-01=Pause"_s });

QStringList Rows(QTreeWidget* view)
{
    QStringList rows;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        rows.append(view->topLevelItem(i)->text(0));
    return rows;
}

} // namespace

TEST(AuswProjekteForm, SearchSelectAndTakeOver)
{
    TAuswProjekteForm form;
    form.prepare(kActivities);
    auto* view = form.findChild<QTreeWidget*>(u"FilterListView"_s);
    auto* take = form.findChild<QPushButton*>(u"UebernehmenBtn"_s);
    EXPECT_EQ(Rows(view), (QStringList { u"10001"_s, u"10002"_s, u"20001"_s, u"30001-01"_s }));
    EXPECT_FALSE(take->isEnabled());

    QTest::keyClicks(form.findChild<QLineEdit*>(u"SuchEdit"_s), u"ab"_s);
    EXPECT_EQ(Rows(view), QStringList { u"10001"_s });
    view->setCurrentItem(view->topLevelItem(0));
    EXPECT_TRUE(take->isEnabled());
    Q_EMIT view->itemDoubleClicked(view->topLevelItem(0), 0);
    EXPECT_EQ(form.choice().number, u"10001"_s);
    EXPECT_EQ(form.choice().description, u"Laborarbeit"_s);

    form.prepare(kActivities);
    EXPECT_TRUE(form.findChild<QLineEdit*>(u"SuchEdit"_s)->text().isEmpty());
    take->setEnabled(true);
    take->click();
    EXPECT_TRUE(form.choice().number.isEmpty()) << "no selection clears the choice";
}

TEST(FilterPoolForm, AddsTheShownRowsAndSavesOnYes)
{
    ScriptedMessenger messenger;
    TFilterPoolForm form(messenger);
    FilterPoolEditor editor;
    form.prepare(editor, kActivities, 5);
    QTest::keyClicks(form.findChild<QLineEdit*>(u"SuchEdit"_s), u"Labor"_s);
    form.findChild<QPushButton*>(u"MaPoolPlusBtn"_s)->click();
    form.findChild<QPushButton*>(u"DelT1Btn"_s)->click();
    QTest::keyClicks(form.findChild<QLineEdit*>(u"SuchEdit"_s), u"000"_s);
    form.findChild<QPushButton*>(u"MaPoolPlusBtn"_s)->click();
    auto* pool = form.findChild<QListWidget*>(u"FilterMaPoolLBox"_s);
    ASSERT_EQ(pool->count(), 4) << "30001-01 is cut to the master length";
    EXPECT_EQ(pool->item(0)->text(), u"10001"_s);
    EXPECT_EQ(pool->item(3)->text(), u"30001"_s);

    messenger.answerNext(kAnswerYes);
    form.findChild<QPushButton*>(u"CloseBtn"_s)->click();
    EXPECT_EQ(form.closeResult(), FilterPoolEditor::CloseResult::Save);
    EXPECT_EQ(editor.pool().toSettingValue(), u"10001#10002#20001#30001#"_s);
}
