#include "common/ui/bemerk_form.h"
#include "korav/forms/ausw_monat_std_form.h"
#include "korav/forms/ausw_projekte_form.h"
#include "korav/reports/forms/monat_komplett_form.h"
#include "tests/korav_ui/korav_window_fixture.h"
#include "tests/support/byte_order_mark.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// The month completion opened from the main window, with KORAV's own hours
// picker and activity chooser played through their cells and rows.
struct MonthCompletionWindow : KoravWindow {
    MonthCompletionWindow()
    {
        makeDataFolder();
        tmp.write(u"daten/zamasta.kvd"_s, "Berg=Anna Berg#4711#geheim#100#\r\n");
        tmp.write(u"daten/dprojekte.kvd"_s, "P100=Messebau\r\nS1=Pause\r\n");
        tmp.write(u"daten/zprojekte.kvd"_s, kBom + "P100=Messestand\r\n");
        tmp.write(u"daten/zsonstige.kvd"_s, kBom + "S1=Pause\r\nS2=Krank\r\n");
        // Its first value begins with "0": the pickers offer 15 minutes.
        tmp.write(u"daten/zmszsatz.kvd"_s, "2024=08000\r\n");
        start();
        logIn(u"nuvo"_s);
        onModal = [this](QDialog& dialog) { play(dialog); };
    }

    void play(QDialog& dialog)
    {
        if (auto* picker = dynamic_cast<TAuswMonatStdForm*>(&dialog)) {
            pickerCalls.append({ picker->tag(), picker->picker().precision() });
            const auto [hours, minutes] = pickedTimes.takeFirst();
            for (const QChar digit : hours)
                picker->DigitClick(digit.digitValue());
            picker->MinuteClick(minutes);
        } else if (auto* chooser = dynamic_cast<TAuswProjekteForm*>(&dialog)) {
            chooserTags.append(chooser->tag());
            chooserCaption = chooser->windowTitle();
            auto* rows = chooser->findChild<QTreeWidget*>(u"FilterListView"_s);
            for (int i = 0; i < rows->topLevelItemCount(); ++i)
                chooserKeys.append(rows->topLevelItem(i)->text(0));
            rows->setCurrentItem(rows->topLevelItem(0));
            chooser->UebernehmenSBtnClick();
        } else if (auto* remark = dynamic_cast<TBemerkForm*>(&dialog)) {
            remark->edit()->setText(u"Messe"_s);
            remark->accept();
        } else if (auto* form = dynamic_cast<TMonatKomplettForm*>(&dialog)) {
            formOpened(*form);
        }
    }

    template <typename T> static T* in(QWidget& dialog, const QString& name)
    {
        return dialog.findChild<T*>(name);
    }

    QList<std::pair<QString, int>> pickedTimes;
    QList<std::pair<int, int>> pickerCalls; // tag, precision
    QList<int> chooserTags;
    QString chooserCaption;
    QStringList chooserKeys;
    std::function<void(TMonatKomplettForm&)> formOpened = [](TMonatKomplettForm&) {};
};

} // namespace

TEST_F(MonthCompletionWindow, ButtonAndMenuOpenTheMonthCompletion)
{
    QStringList names;
    formOpened = [&](TMonatKomplettForm& form) {
        names = QStringList { in<QComboBox>(form, u"MaLCBox"_s)->itemText(0) };
    };
    button(u"MonatKomplettBtn")->click();
    action(u"MenuMonatKomplett")->trigger();
    EXPECT_EQ(modals, (QStringList { u"MonatKomplettForm"_s, u"MonatKomplettForm"_s }));
    EXPECT_EQ(names, QStringList { u"Anna Berg"_s });
}

TEST_F(MonthCompletionWindow, EntryLineIsFilledThroughThePickerAndTheChooser)
{
    pickedTimes = { { u"160"_s, 0 }, { u"12"_s, 45 } };
    formOpened = [&](TMonatKomplettForm& form) {
        in<QComboBox>(form, u"MaLCBox"_s)->setCurrentIndex(0);
        form.AnzeigenBtnClick();
        form.MonArbZeitStdEditClick();
        EXPECT_EQ(in<QLineEdit>(form, u"MonArbZeitStdEdit"_s)->text(), u"160"_s);
        EXPECT_EQ(in<QLineEdit>(form, u"MonArbZeitMinEdit"_s)->text(), u"00"_s);
        form.ProjektNrEditClick();
        EXPECT_EQ(in<QLineEdit>(form, u"ProjektNrEdit"_s)->text(), u"P100"_s);
        EXPECT_EQ(in<QLabel>(form, u"ProjektBeschreibungLabel"_s)->text(), u" Messestand"_s);
        form.MonProjZeitStdEditClick();
        EXPECT_EQ(in<QLineEdit>(form, u"MonProjZeitStdEdit"_s)->text(), u"12"_s);
        EXPECT_EQ(in<QLineEdit>(form, u"MonProjZeitMinEdit"_s)->text(), u"45"_s);
        form.EinfgEintragSBtnClick();
        form.BemerkungLabel1Click();
        const QTreeWidget* rows = in<QTreeWidget>(form, u"AnzeigeListView"_s);
        ASSERT_EQ(rows->topLevelItemCount(), 1);
        EXPECT_EQ(rows->topLevelItem(0)->text(2), u"Messestand"_s);
        messenger.answerNext(kAnswerYes);
        form.CloseBtnClick();
    };
    button(u"MonatKomplettBtn")->click();

    EXPECT_EQ(pickerCalls, (QList<std::pair<int, int>> { { 100, 15 }, { 200, 15 } }));
    EXPECT_EQ(chooserTags, QList<int> { 222 });
    EXPECT_EQ(chooserCaption, u"  Projekte und Sonstige Tätigkeiten"_s);
    // The first activity described "Pause" is not offered.
    EXPECT_EQ(chooserKeys, (QStringList { u"P100"_s, u"S2"_s }));
    EXPECT_EQ(tmp.read(u"daten/auswtg/202403/az2024034711mon.kvd"_s),
        kBom + "az2024034711=20240301160" + "00----------------Messe\r\n"
            + "pz2024034711=2024030101245P100####\r\n");
}
