#include "korav/reports/forms/pel_ue_monat_form.h"

#include "common/clock.h"
#include "common/data_file_codec.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_manners.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class PelUeMonatFormTest : public ::testing::Test {
protected:
    PelUeMonatFormTest()
    {
        folder.write(u"zamasta.kvd"_s, "Berg=Anna Berg#4711#geheim#80#\r\n");
        folder.write(u"dprojekte.kvd"_s, "P100=Messebau\r\n");
        folder.write(
            u"auswtg/202403/az2024034711.kvd"_s, "az202403014711=20240301073016150000000000000000\r\n");
        form = std::make_unique<TPelUeMonatForm>(
            viewer, [this](const QString&, const QString&) { return folder.path(u"out.txt"_s); },
            [this] { ++helpOpened; }, QDate(2024, 4, 2));
        form->FormShow();
        form->show();
    }

    template <typename T> T* child(const QString& name) const { return form->findChild<T*>(name); }
    QString body() const { return child<QPlainTextEdit>(u"PelUeMonatREdit"_s)->toPlainText(); }
    QString head() const { return child<QPlainTextEdit>(u"HeadUeMonatREdit"_s)->toPlainText(); }
    QPushButton* saveBtn() const { return child<QPushButton>(u"SaveUeBtn"_s); }

    TempFolder folder;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Korav, messenger, [](int) {} };
    FixedClock clock { QDateTime(QDate(2024, 4, 2), QTime(10, 15)) };
    PelinMonthViewer viewer { folder.path() + u'/', messenger, codec, clock, QDate(2024, 4, 2) };
    int helpOpened = 0;
    std::unique_ptr<TPelUeMonatForm> form;
};

TEST_F(PelUeMonatFormTest, OpensWithCurrentMonthAndYearAndNoEmployee)
{
    EXPECT_EQ(form->windowTitle(), u"PELIN - Monatsübersicht"_s);
    EXPECT_EQ(child<QComboBox>(u"MaLCBox"_s)->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(u"MonatCBox"_s)->currentText(), u"4"_s);
    EXPECT_EQ(child<QComboBox>(u"JahrCBox"_s)->currentText(), u"2024"_s);
    EXPECT_EQ(child<QComboBox>(u"JahrCBox"_s)->itemText(0), u"2022"_s);
    EXPECT_FALSE(saveBtn()->isEnabled());
    form->AnzeigenBtnClick();
    EXPECT_EQ(
        messenger.messages, QStringList { u"Wählen Sie einen Mitarbeiter und einen Zeitraum aus !  "_s });
}

TEST_F(PelUeMonatFormTest, ShowsTheMonthAndEmptiesItOnEveryChange)
{
    child<QComboBox>(u"MaLCBox"_s)->setCurrentIndex(0);
    child<QComboBox>(u"MonatCBox"_s)->setCurrentIndex(2);
    form->AnzeigenBtnClick();
    EXPECT_TRUE(messenger.messages.isEmpty());
    EXPECT_TRUE(head().contains(u" Monat :  3 / 2024   Mitarbeiter(in) : Anna Berg    Stand: "_s));
    EXPECT_TRUE(body().contains(u" Fr,  1.  7:30 - 16:15"_s));
    EXPECT_TRUE(saveBtn()->isEnabled());
    form->SaveUeBtnClick();
    EXPECT_TRUE(folder.exists(u"out.txt"_s));

    child<QComboBox>(u"JahrCBox"_s)->setCurrentIndex(1);
    EXPECT_TRUE(body().isEmpty());
    EXPECT_EQ(head().split(u'\n').at(1), QString());
    EXPECT_FALSE(saveBtn()->isEnabled());
}

// March 2024 begins on a Friday: the first grey line stands before Saturday
// the 2nd, the first underscore line before Tuesday the 5th.
TEST_F(PelUeMonatFormTest, WeekendLinesAreGreyAndKeepTheirText)
{
    child<QComboBox>(u"MaLCBox"_s)->setCurrentIndex(0);
    child<QComboBox>(u"MonatCBox"_s)->setCurrentIndex(2);
    form->AnzeigenBtnClick();
    const QTextDocument* document = child<QPlainTextEdit>(u"PelUeMonatREdit"_s)->document();
    const auto colourOf
        = [](const QTextBlock& block) { return block.begin().fragment().charFormat().foreground().color(); };
    const QString greyText = u" "_s + QString(119, QChar(0x2584));
    int greyLines = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.text() == greyText) {
            ++greyLines;
            EXPECT_EQ(colourOf(block), QColor(128, 128, 128));
        } else if (!block.text().isEmpty()) {
            EXPECT_NE(colourOf(block), QColor(128, 128, 128)) << block.text().toStdString();
        }
    }
    // Before the five Saturdays and the four Mondays of the month.
    EXPECT_EQ(greyLines, 9);
    EXPECT_TRUE(body().contains(greyText));
}

TEST_F(PelUeMonatFormTest, HelpButtonOpensHelp)
{
    form->HilfeImageClick();
    EXPECT_EQ(helpOpened, 1);
}

TEST_F(PelUeMonatFormTest, FitsTheSmallestScreenAndIsReadInTabOrder)
{
    EXPECT_EQ(WindowManners::Faults(*form), QStringList());
}

} // namespace
