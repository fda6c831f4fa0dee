#include "common/ui/dialog_messenger.h"
#include "common/ui/message_layout.h"
#include "common/ui/zeige_botschaft_form.h"
#include "tests/support/enter_key_answers.h"
#include "tests/support/qt_printers.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Every character 10 pixels wide: makes the widths easy to state.
int TenPerChar(const QString& line)
{
    return int(line.size()) * 10;
}

} // namespace

TEST(MessageLayout, ShortLineGetsTheMinimumLabel)
{
    const MessageLayout layout = LayOutMessage(u"Fertig"_s, 10, 96, TenPerChar);
    EXPECT_EQ(layout.labelWidth, 108);
    EXPECT_EQ(layout.lines, 2);
    EXPECT_EQ(layout.labelHeight, 13 * 4);
}

TEST(MessageLayout, ThreeLinesCountFourAndGiveA78PixelLabel)
{
    const MessageLayout layout = LayOutMessage(u"eins\nzwei\ndrei"_s, 10, 96, TenPerChar);
    EXPECT_EQ(layout.lines, 4);
    EXPECT_EQ(layout.labelHeight, 78);
}

TEST(MessageLayout, WidthFollowsTheWidestLineUpTo900)
{
    EXPECT_EQ(LayOutMessage(QString(50, u'x'), 10, 96, TenPerChar).labelWidth, 500 + 16 + 8);
    const MessageLayout wide = LayOutMessage(QString(95, u'x') + u"\nkurz"_s, 10, 96, TenPerChar);
    EXPECT_EQ(wide.labelWidth, 908);
    EXPECT_EQ(wide.lines, 4) << "a line wider than 900 pixels counts twice";
}

TEST(MessageLayout, LongMessageIsCutAndLongLinesMeasuredShort)
{
    QString measured;
    const MessageLayout layout = LayOutMessage(QString(700, u'a'), 10, 96, [&](const QString& line) {
        measured = line;
        return 10;
    });
    EXPECT_EQ(layout.text.size(), 599);
    EXPECT_EQ(measured.size(), 300);
}

struct MessageDialog : ::testing::Test {
    TZeigeBotschaftForm form { u"PELIN"_s };
    QPushButton* ja() { return form.findChild<QPushButton*>(u"JaBtn"_s); }
    QPushButton* nein() { return form.findChild<QPushButton*>(u"NeinBtn"_s); }

    // Runs the modal dialog and lets `act` work on it once it is open.
    int run(const QString& text, TZeigeBotschaftForm::Mode mode, std::function<void()> act)
    {
        QTimer::singleShot(0, &form, std::move(act));
        return form.execute(text, mode);
    }
};

TEST_F(MessageDialog, PlainMessageShowsOneCentredOk)
{
    form.prepare(u"Fertig"_s, TZeigeBotschaftForm::kMessage);
    EXPECT_TRUE(ja()->isHidden());
    EXPECT_EQ(nein()->text(), u"OK"_s);
    EXPECT_EQ(nein()->x() + nein()->width() / 2, form.width() / 2);
    EXPECT_EQ(form.windowTitle(), u"PELIN"_s);
    EXPECT_EQ(form.findChild<QLabel*>(u"Label1"_s)->width(), 108);
}

TEST_F(MessageDialog, QuestionPlacesJaLeftAndNeinRightOfCentre)
{
    form.prepare(u"Änderungen speichern ?"_s, TZeigeBotschaftForm::kQuestion);
    EXPECT_FALSE(ja()->isHidden());
    EXPECT_EQ(nein()->text(), u"Nein"_s);
    EXPECT_EQ(ja()->geometry().right() + 1, form.width() / 2 - 4);
    EXPECT_EQ(nein()->geometry().left(), form.width() / 2 + 4);
    EXPECT_EQ(ja()->y(), nein()->y());
}

TEST_F(MessageDialog, AnswerCodes)
{
    EXPECT_EQ(run(u"Frage"_s, TZeigeBotschaftForm::kQuestion, [this] { ja()->click(); }), 1);
    EXPECT_EQ(run(u"Frage"_s, TZeigeBotschaftForm::kQuestion, [this] { nein()->click(); }), 0);
    EXPECT_EQ(run(u"Meldung"_s, TZeigeBotschaftForm::kMessage, [this] { nein()->click(); }), 0);
    EXPECT_EQ(run(u"Frage"_s, TZeigeBotschaftForm::kQuestion, [this] { form.close(); }), 99);
    EXPECT_EQ(
        run(u"Frage"_s, TZeigeBotschaftForm::kQuestion, [this] { QTest::keyClick(&form, Qt::Key_Escape); }),
        99);
}

TEST(MessageDialogKeys, EnterGivesEachQuestionItsDefaultWhateverCameBefore)
{
    DialogMessenger messenger(u"PELIN"_s);
    EnterKeyAnswers user;
    EXPECT_EQ(messenger.show(u"Gespeichert"_s), kAnswerNo);
    EXPECT_EQ(messenger.ask(u"Änderungen speichern ?"_s), kAnswerYes);
    EXPECT_EQ(messenger.ask(u"Noch einmal ?"_s), kAnswerYes);
    EXPECT_EQ(messenger.show(u"Fertig"_s), kAnswerNo);
    EXPECT_EQ(messenger.ask(u"Änderungen speichern ?"_s), kAnswerYes);
    EXPECT_EQ(user.texts.size(), 5);
}

TEST(MessageDialogKeys, EnterAnswersNeinWhereThatIsTheSafeChoice)
{
    DialogMessenger messenger(u"PELIN"_s);
    EnterKeyAnswers user;
    EXPECT_EQ(messenger.ask(u"Änderungen speichern ?"_s), kAnswerYes);
    EXPECT_EQ(AskDefaultNo(messenger, u"Tag mit allen Tätigkeiten löschen?"_s), kAnswerNo);
    EXPECT_EQ(messenger.ask(u"Änderungen speichern ?"_s), kAnswerYes)
        << "the next question starts on Ja again";
    EXPECT_EQ(user.texts.size(), 3);
}

TEST_F(MessageDialog, QuestionAfterNeinStartsOnJaAgain)
{
    EXPECT_EQ(run(u"Frage"_s, TZeigeBotschaftForm::kQuestion,
                  [this] {
                      nein()->setFocus();
                      nein()->click();
                  }),
        0);
    form.prepare(u"Frage"_s, TZeigeBotschaftForm::kQuestion);
    EXPECT_EQ(form.focusWidget(), ja());
    form.prepare(u"Meldung"_s, TZeigeBotschaftForm::kMessage);
    EXPECT_EQ(form.focusWidget(), nein());
}
