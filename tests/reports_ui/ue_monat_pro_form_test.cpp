#include "korav/reports/forms/ue_monat_pro_form.h"

#include "common/clock.h"
#include "common/data_file_codec.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_manners.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class UeMonatProFormTest : public ::testing::Test {
protected:
    UeMonatProFormTest()
    {
        folder.write(u"dprojekte.kvd"_s, "P1=Planung\r\nS1=Pause\r\n");
        folder.write(u"zamasta.kvd"_s, "Berg=Anna Berg#4711#geheim#80#\r\n");
        StringList rates({ u"2024PrognoseNr=     45,50"_s, u"20244711=     60.00"_s });
        codec.SaveDataFile(folder.path(u"zmasatz.kvd"_s), rates);
        folder.write(u"auswtg/202405/az2024054711.kvd"_s,
            "az202405024711=20240502073016150000000000000000\r\n"
            "pz202405024711=2024050200130P1####2024050200030S1####\r\n");
        ReportOutputContext output(nullptr, messenger, clock, QDate(2024, 5, 6));
        output.chooseFile = [this](const QString&, const QString&) { return folder.path(target); };
        form = std::make_unique<TUeMonatProForm>(
            folder.path() + u'/', codec, output, [this] { return chosen; }, [] {});
    }

    void open(PeriodMode mode)
    {
        form->SetMode(mode);
        form->FormShow();
        form->show();
    }
    template <typename T> T* child(const QString& name) const { return form->findChild<T*>(name); }
    QString text() const { return child<QPlainTextEdit>(u"UeMonatREdit"_s)->toPlainText(); }

    TempFolder folder;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Korav, messenger, [](int) {} };
    FixedClock clock { QDate(2024, 5, 6) };
    std::optional<std::pair<QString, QString>> chosen { std::pair { u"00-Alle"_s, u" Alle Tätigkeiten"_s } };
    QString target = u"out.txt"_s;
    std::unique_ptr<TUeMonatProForm> form;
};

TEST_F(UeMonatProFormTest, ModesSetCaptionAndSelectors)
{
    open(PeriodMode::Quarter);
    EXPECT_EQ(form->windowTitle(), u"  Quartalsübersicht Projekte"_s);
    EXPECT_EQ(child<QComboBox>(u"MonatCBox"_s)->currentText(), u"1-2"_s);
    EXPECT_EQ(child<QComboBox>(u"JahrCBox"_s)->itemText(0), u"2020"_s);
    EXPECT_EQ(child<QComboBox>(u"JahrCBox"_s)->currentText(), u"2024"_s);
    EXPECT_TRUE(child<QCheckBox>(u"PrognoseCBox"_s)->isChecked());
    open(PeriodMode::Year);
    EXPECT_EQ(form->windowTitle(), u"  Jahresübersicht Projekte"_s);
    EXPECT_FALSE(child<QComboBox>(u"MonatCBox"_s)->isVisible());
    open(PeriodMode::Month);
    EXPECT_EQ(child<QComboBox>(u"MonatCBox"_s)->currentText(), u"5"_s);
}

TEST_F(UeMonatProFormTest, RunsTheChosenActivityAndClearsOnEveryChange)
{
    open(PeriodMode::Month);
    form->AnzeigenBtnClick();
    EXPECT_EQ(messenger.messages, QStringList { u"Wählen Sie ein Projekt und einen Zeitraum !  "_s });
    form->ProjektNrEditClick();
    EXPECT_EQ(child<QLineEdit>(u"ProjektNrEdit"_s)->text(), u"00-Alle"_s);
    EXPECT_EQ(child<QLabel>(u"ProjektBeschreibungLabel"_s)->text(), u" Alle Tätigkeiten"_s);
    form->AnzeigenBtnClick();
    EXPECT_TRUE(text().contains(u"Anna Berg                            1:30            68,25 €"_s));
    EXPECT_FALSE(text().contains(u"Pause"_s));
    EXPECT_TRUE(child<QPushButton>(u"SaveUeBtn"_s)->isEnabled());
    form->SaveUeBtnClick();
    EXPECT_TRUE(folder.exists(u"out.txt"_s));
    target = u"out.pdf"_s;
    form->PdfSaveBtnClick();
    EXPECT_TRUE(folder.read(u"out.pdf"_s).startsWith("%PDF"));

    child<QCheckBox>(u"PrognoseCBox"_s)->setChecked(false);
    EXPECT_TRUE(text().isEmpty());
    EXPECT_FALSE(child<QPushButton>(u"ExcelSaveBtn"_s)->isEnabled());
    EXPECT_FALSE(child<QPushButton>(u"PdfSaveBtn"_s)->isEnabled());
    form->AnzeigenBtnClick();
    EXPECT_TRUE(text().contains(u"Anna Berg                            1:30            90,00 €"_s));
}

TEST_F(UeMonatProFormTest, RefusesToRunAfterTheDateChanged)
{
    open(PeriodMode::Month);
    form->ProjektNrEditClick();
    clock.set(QDateTime(QDate(2024, 5, 7), QTime(0, 1)));
    form->AnzeigenBtnClick();
    EXPECT_EQ(messenger.messages, QStringList { u"Zeitfehler: Starten Sie das Programm neu !  "_s });
    EXPECT_TRUE(text().isEmpty());
}

TEST_F(UeMonatProFormTest, YearRunFillsTheExportBuffer)
{
    open(PeriodMode::Year);
    form->ProjektNrEditClick();
    form->AnzeigenBtnClick();
    EXPECT_EQ(form->exportBuffer(),
        (QStringList { u"P1             2024 Anna Berg                            1.50        68.25  45.50"_s,
            u"P1             2024 Jahr 2024 gesamt                     1.50        68.25"_s }));
}

// Both bars rise while their work runs and stand at 0 afterwards; the
// export can be saved once per run.
TEST_F(UeMonatProFormTest, ProgressBarsFollowTheRunAndTheExport)
{
    open(PeriodMode::Quarter);
    form->ProjektNrEditClick();
    QProgressBar* report = child<QProgressBar>(u"ProgressBar2"_s);
    QProgressBar* exported = child<QProgressBar>(u"ProgressBar1"_s);
    QList<std::pair<int, int>> reportSteps;
    QList<std::pair<int, int>> exportSteps;
    QObject::connect(report, &QProgressBar::valueChanged, [&](int v) {
        reportSteps.append({ v, report->maximum() });
    });
    QObject::connect(exported, &QProgressBar::valueChanged, [&](int v) {
        exportSteps.append({ v, exported->maximum() });
    });

    form->AnzeigenBtnClick();
    // "1-2": six months of one employee.
    EXPECT_EQ(reportSteps,
        (QList<std::pair<int, int>> {
            { 1, 6 }, { 2, 6 }, { 3, 6 }, { 4, 6 }, { 5, 6 }, { 6, 6 }, { 0, 6 } }));

    target = u"book.xlsx"_s;
    form->ExcelSaveBtnClick();
    ASSERT_TRUE(folder.exists(u"book.xlsx"_s));
    // Two buffer lines and the 30 finishing steps.
    ASSERT_FALSE(exportSteps.isEmpty());
    EXPECT_EQ(exportSteps.at(exportSteps.size() - 2), std::pair(32, 32));
    EXPECT_EQ(exportSteps.last().first, 0);
    EXPECT_FALSE(child<QPushButton>(u"ExcelSaveBtn"_s)->isEnabled());
    EXPECT_TRUE(child<QPushButton>(u"SaveUeBtn"_s)->isEnabled());
}

TEST_F(UeMonatProFormTest, FitsTheSmallestScreenAndIsReadInTabOrder)
{
    open(PeriodMode::Month);
    EXPECT_EQ(WindowManners::Faults(*form), QStringList());
}

} // namespace
