#include "korav/reports/forms/monat_komplett_form.h"

#include "common/clock.h"
#include "common/data_file_codec.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_manners.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QColor Background(const QLabel* label)
{
    return label->palette().color(QPalette::Window);
}

class MonatKomplettFormTest : public ::testing::Test {
protected:
    MonatKomplettFormTest()
    {
        folder.write(u"zamasta.kvd"_s, "Berg=Anna Berg#4711#geheim#80#\r\n");
        folder.write(u"dprojekte.kvd"_s, "P100=Messebau\r\nS1=Pause\r\n");
        QString msz = u"msz4711=10800"_s + u"12202316000"_s;
        for (int month = 1; month <= 12; ++month)
            msz += QString::number(100 + month).mid(1) + u"202416800"_s;
        StringList dama({ msz });
        codec.SaveDataFile(folder.path(u"dama.kvd"_s), dama);

        MonatKomplettPickers pickers;
        pickers.pickHours = [this](int tag, int precision, QWidget* field) {
            tags.append(tag);
            precisions.append(precision);
            fields.append(field->objectName());
            return hours.isEmpty() ? std::nullopt : std::optional(hours.takeFirst());
        };
        pickers.chooseActivity = [this](int tag) {
            tags.append(tag);
            return chooserAnswer;
        };
        pickers.editRemark = [](const QString&, QPoint) { return std::optional(u"Messe"_s); };
        pickers.chooseFile = [this](const QString&, const QString&) { return folder.path(u"out.txt"_s); };
        form = std::make_unique<TMonatKomplettForm>(completion, pickers, QDate(2024, 4, 2));
        form->FormShow();
        form->show();
    }

    template <typename T> T* child(const QString& name) const { return form->findChild<T*>(name); }
    QLabel* label(const QString& name) const { return child<QLabel>(name); }

    void showMarch()
    {
        child<QComboBox>(u"MaLCBox"_s)->setCurrentIndex(0);
        child<QComboBox>(u"MonatCBox"_s)->setCurrentIndex(2);
        form->AnzeigenBtnClick();
    }

    TempFolder folder;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Korav, messenger, [](int) {} };
    FixedClock clock { QDateTime(QDate(2024, 4, 2), QTime(10, 15)) };
    MonthCompletion completion { folder.path() + u'/', false, messenger, codec, clock, QDate(2024, 4, 2) };
    QList<std::pair<QString, QString>> hours;
    QList<int> tags;
    QList<int> precisions;
    QStringList fields;
    // The chooser's own list describes P100 otherwise than dprojekte.kvd.
    ActivityChoice chooserAnswer { StringList({ u"P100=Messestand"_s, u"S2=Krank"_s }),
        std::pair { u"P100"_s, u" Messestand"_s } };
    std::unique_ptr<TMonatKomplettForm> form;
};

TEST_F(MonatKomplettFormTest, OpensWithNothingShown)
{
    EXPECT_EQ(form->windowTitle(), u"  Monatswerte ersatzweise erfassen"_s);
    EXPECT_EQ(child<QComboBox>(u"MaLCBox"_s)->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(u"MonatCBox"_s)->currentText(), u"4"_s);
    EXPECT_EQ(child<QComboBox>(u"JahrCBox"_s)->count(), 3);
    EXPECT_EQ(child<QComboBox>(u"JahrCBox"_s)->currentText(), u"2024"_s);
    for (const QString& name : { u"EinfgEintragSBtn"_s, u"ChgEintragSBtn"_s, u"DelEintragSBtn"_s })
        EXPECT_FALSE(child<QPushButton>(name)->isEnabled());
    EXPECT_FALSE(label(u"OffenLabelFarbe"_s)->isVisible());

    form->MonArbZeitStdEditClick();
    EXPECT_EQ(
        messenger.messages, QStringList { u"Wählen Sie einen Mitarbeiter und einen Zeitraum aus !  "_s });
    EXPECT_TRUE(tags.isEmpty());
}

TEST_F(MonatKomplettFormTest, EnteringAMonthShowsTotalsAndColours)
{
    showMarch();
    EXPECT_EQ(messenger.messages, QStringList { u"Eine KORAV-Monatsdatei wird neu angelegt."_s });
    EXPECT_EQ(label(u"Label11"_s)->text(), u" Anna Berg   03 / 2024"_s);
    EXPECT_EQ(label(u"SollZeitLabel"_s)->text(), u"134:24 "_s);
    EXPECT_EQ(label(u"SollZeitLabel"_s)->toolTip(), u" 80.00% von 168:00 "_s);
    EXPECT_EQ(label(u"MonArbLabel"_s)->text(), u"--- "_s);
    EXPECT_EQ(label(u"OffenLabel"_s)->text(), u"--- "_s);

    hours = { { u"160"_s, u"00"_s }, { u"161"_s, u"00"_s } };
    form->MonArbZeitStdEditClick();
    EXPECT_EQ(label(u"MonArbLabel"_s)->text(), u"160:00 "_s);
    EXPECT_EQ(label(u"DiffZeitLabel"_s)->text(), u"  25:36 "_s);
    EXPECT_EQ(label(u"OffenLabel"_s)->text(), u"160:00 "_s);
    EXPECT_EQ(Background(label(u"OffenLabel"_s)), QColor(255, 186, 140));

    form->ProjektNrEditClick();
    form->MonProjZeitStdEditClick();
    EXPECT_EQ(tags, (QList<int> { 100, 222, 200 }));
    EXPECT_EQ(precisions, (QList<int> { 5, 5 }));
    EXPECT_EQ(fields, (QStringList { u"MonArbZeitStdEdit"_s, u"MonProjZeitStdEdit"_s }));
    EXPECT_EQ(label(u"ProjektBeschreibungLabel"_s)->text(), u" Messestand"_s);
    EXPECT_TRUE(child<QPushButton>(u"EinfgEintragSBtn"_s)->isEnabled());
    form->EinfgEintragSBtnClick();

    const QTreeWidget* rows = child<QTreeWidget>(u"AnzeigeListView"_s);
    ASSERT_EQ(rows->topLevelItemCount(), 1);
    EXPECT_EQ(rows->topLevelItem(0)->text(0), u"P100"_s);
    EXPECT_EQ(rows->topLevelItem(0)->text(1), u"161:00"_s);
    EXPECT_EQ(rows->topLevelItem(0)->text(2), u"Messestand"_s);
    EXPECT_EQ(label(u"OffenLabel"_s)->text(), u"- 1:00 "_s);
    EXPECT_EQ(Background(label(u"OffenLabel"_s)), QColor(181, 230, 29));
    EXPECT_TRUE(label(u"OffenLabelFarbe"_s)->isVisible());
    EXPECT_TRUE(child<QLineEdit>(u"ProjektNrEdit"_s)->text().isEmpty());
    EXPECT_FALSE(child<QPushButton>(u"EinfgEintragSBtn"_s)->isEnabled());
}

TEST_F(MonatKomplettFormTest, CloseBoxAsksLikeTheCloseButton)
{
    showMarch();
    hours = { { u"8"_s, u"00"_s } };
    form->MonArbZeitStdEditClick();
    messenger.answerNext(kAnswerYes);
    form->close();
    EXPECT_EQ(messenger.questions, QStringList { u"Änderungen speichern ?  "_s });
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(folder.read(u"auswtg/202403/az2024034711mon.kvd"_s),
        QByteArray("\xEF\xBB\xBF"
                   "az2024034711=20240402  800----------------\r\n"));
}

TEST_F(MonatKomplettFormTest, NoToDiscardingTheEntryLineKeepsTheDialogOpen)
{
    showMarch();
    hours = { { u"8"_s, u"00"_s }, { u"1"_s, u"00"_s } };
    form->MonArbZeitStdEditClick();
    form->ProjektNrEditClick();
    form->MonProjZeitStdEditClick();
    messenger.answerNext(kAnswerYes);
    messenger.answerNext(kAnswerNo);
    form->CloseBtnClick();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(folder.exists(u"auswtg/202403/az2024034711mon.kvd"_s));
}

TEST_F(MonatKomplettFormTest, ChangingAnEntryTakesItBackIntoTheEntryLine)
{
    showMarch();
    hours = { { u"8"_s, u"00"_s }, { u"2"_s, u"30"_s } };
    form->MonArbZeitStdEditClick();
    form->ProjektNrEditClick();
    form->MonProjZeitStdEditClick();
    form->EinfgEintragSBtnClick();
    QTreeWidget* rows = child<QTreeWidget>(u"AnzeigeListView"_s);
    rows->setCurrentItem(rows->topLevelItem(0));
    EXPECT_TRUE(child<QPushButton>(u"ChgEintragSBtn"_s)->isEnabled());
    form->ChgEintragSBtnClick();
    EXPECT_EQ(rows->topLevelItemCount(), 0);
    EXPECT_EQ(child<QLineEdit>(u"ProjektNrEdit"_s)->text(), u"P100"_s);
    EXPECT_EQ(child<QLineEdit>(u"MonProjZeitStdEdit"_s)->text(), u"2"_s);
    EXPECT_EQ(child<QLineEdit>(u"MonProjZeitMinEdit"_s)->text(), u"30"_s);
    EXPECT_EQ(label(u"ProjektBeschreibungLabel"_s)->text(), u" Messestand"_s);
    EXPECT_TRUE(child<QPushButton>(u"EinfgEintragSBtn"_s)->isEnabled());
    EXPECT_EQ(label(u"ZugeordnetLabel"_s)->text(), u"--- "_s);
}

// A loaded month is unmodified; giving the entry line a duration counts as a
// change, so that leaving offers to save.
TEST_F(MonatKomplettFormTest, DurationOfTheEntryLineIsAChange)
{
    folder.write(u"auswtg/202403/az2024034711mon.kvd"_s, "az2024034711=20240301  800----------------\r\n");
    showMarch();
    EXPECT_TRUE(messenger.messages.isEmpty());
    form->ProjektNrEditClick();
    EXPECT_FALSE(completion.isModified());
    hours = { { u"2"_s, u"30"_s } };
    form->MonProjZeitStdEditClick();
    EXPECT_TRUE(completion.isModified());
    messenger.answerNext(kAnswerNo);
    form->CloseBtnClick();
    EXPECT_EQ(messenger.questions, QStringList { u"Änderungen speichern ?  "_s });
}

// Taking a row without a selection empties the entry fields; a cancelled
// chooser leaves them, and its list serves the descriptions either way.
TEST_F(MonatKomplettFormTest, ChooserWithoutRowEmptiesTheKeyAndCancelKeepsIt)
{
    folder.write(u"zmszsatz.kvd"_s, "2024=08000\r\n");
    form->FormShow();
    showMarch();
    hours = { { u"8"_s, u"00"_s } };
    form->MonArbZeitStdEditClick();
    EXPECT_EQ(precisions, QList<int> { 15 });
    form->ProjektNrEditClick();
    EXPECT_EQ(child<QLineEdit>(u"ProjektNrEdit"_s)->text(), u"P100"_s);

    chooserAnswer = { StringList({ u"P100=Nur Messe"_s }), std::nullopt };
    form->ProjektNrEditClick();
    EXPECT_EQ(child<QLineEdit>(u"ProjektNrEdit"_s)->text(), u"P100"_s);
    EXPECT_EQ(completion.descriptions().value(u"P100"_s), u"Nur Messe"_s);

    chooserAnswer = { StringList(), std::pair { QString(), QString() } };
    form->ProjektNrEditClick();
    EXPECT_TRUE(child<QLineEdit>(u"ProjektNrEdit"_s)->text().isEmpty());
    EXPECT_TRUE(label(u"ProjektBeschreibungLabel"_s)->text().isEmpty());
}

TEST_F(MonatKomplettFormTest, FitsTheSmallestScreenAndIsReadInTabOrder)
{
    showMarch();
    EXPECT_EQ(WindowManners::Faults(*form), QStringList());
}

} // namespace
