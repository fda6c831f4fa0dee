#include "korav/reports/forms/ue_monat_ma_form.h"

#include "common/clock.h"
#include "common/messenger.h"
#include "common/ui/long_work.h"
#include "common/ui/named_widgets.h"
#include "common/ui/program_icons.h"
#include "common/ui/progress_display.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/forms/report_view_parts.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TUeMonatMaForm::TUeMonatMaForm(
    DataRoot dataRoot, Messenger& messenger, const Clock& clock, QDate startDate, QWidget* parent)
    : QDialog(parent),
      dataRoot_(std::move(dataRoot)),
      messenger_(messenger),
      clock_(clock),
      startDate_(startDate),
      codec_(CodecProgram::Korav, messenger),
      output_(this, messenger, clock, startDate)
{
    setObjectName(u"UeMonatMaForm"_s);
    buildControls();
}

void TUeMonatMaForm::buildControls()
{
    maLCBox_ = Named(new QComboBox(this), u"MaLCBox"_s);
    maLCBox_->setMinimumWidth(220);
    label2_ = Named(new QLabel(u"Monat"_s, this), u"Label2"_s);
    monatCBox_ = Named(new QComboBox(this), u"MonatCBox"_s);
    jahrCBox_ = Named(new QComboBox(this), u"JahrCBox"_s);
    anzeigenBtn_ = MakeButton(this, u"AnzeigenBtn"_s, u"Anzeigen"_s);
    ueMonatREdit_ = Named(new QPlainTextEdit(this), u"UeMonatREdit"_s);
    ueMonatREdit_->setReadOnly(true);
    ueMonatREdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    ueMonatREdit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ueMonatREdit_->setMinimumSize(900, 420);
    saveUeBtn_ = MakeButton(this, u"SaveUeBtn"_s, u"in Textdatei speichern"_s);
    druckenUeBtn_ = MakeButton(this, u"DruckenUeBtn"_s, u"Drucken"_s);
    pdfSaveBtn_ = MakeButton(this, u"PdfSaveBtn"_s, u"als PDF speichern"_s);
    excelSaveBtn_ = MakeButton(this, u"ExcelSaveBtn"_s, u"in Exceldatei speichern"_s);
    csvSaveBtn_ = MakeButton(this, u"CsvSaveBtn"_s, u"in CSV-Datei speichern"_s);
    closeBtn_ = MakeButton(this, u"CloseBtn"_s, u"Schließen"_s);
    progressBar2_ = Named(new QProgressBar(this), u"ProgressBar2"_s);
    progressBar2_->setTextVisible(false);
    progressBar1_ = Named(new QProgressBar(this), u"ProgressBar1"_s);
    progressBar1_->setTextVisible(false);
    ShowProgressIdle(progressBar1_);
    ShowProgressIdle(progressBar2_);
    auto* hilfeImage = Named(new QToolButton(this), u"HilfeImage"_s);
    hilfeImage->setText(u"?"_s);
    hilfeImage->setIcon(HelpIcon());
    hilfeImage->setToolTip(u"Hilfedatei öffnen"_s);

    auto* selectors = new QHBoxLayout;
    selectors->addWidget(new QLabel(u"Mitarbeiter"_s, this));
    selectors->addWidget(maLCBox_);
    selectors->addWidget(label2_);
    selectors->addWidget(monatCBox_);
    selectors->addWidget(new QLabel(u"Jahr"_s, this));
    selectors->addWidget(jahrCBox_);
    selectors->addWidget(anzeigenBtn_);
    selectors->addStretch();
    selectors->addWidget(hilfeImage);
    auto* bars = new QVBoxLayout;
    bars->addWidget(progressBar2_);
    bars->addWidget(progressBar1_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : { saveUeBtn_, druckenUeBtn_, pdfSaveBtn_, excelSaveBtn_, csvSaveBtn_ })
        buttons->addWidget(button);
    buttons->addLayout(bars, 1);
    buttons->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(selectors);
    layout->addWidget(ueMonatREdit_, 1);
    layout->addLayout(buttons);

    for (QComboBox* box : { maLCBox_, monatCBox_, jahrCBox_ })
        connect(box, &QComboBox::currentIndexChanged, this, &TUeMonatMaForm::MaLCBoxChange);
    connect(anzeigenBtn_, &QPushButton::clicked, this, &TUeMonatMaForm::AnzeigenBtnClick);
    connect(saveUeBtn_, &QPushButton::clicked, this, &TUeMonatMaForm::SaveUeBtnClick);
    connect(druckenUeBtn_, &QPushButton::clicked, this, &TUeMonatMaForm::DruckenUeBtnClick);
    connect(pdfSaveBtn_, &QPushButton::clicked, this, &TUeMonatMaForm::PdfSaveBtnClick);
    connect(excelSaveBtn_, &QPushButton::clicked, this, &TUeMonatMaForm::ExcelSaveBtnClick);
    connect(csvSaveBtn_, &QPushButton::clicked, this, &TUeMonatMaForm::CsvSaveBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &TUeMonatMaForm::CloseBtnClick);
    connect(hilfeImage, &QToolButton::clicked, this, &TUeMonatMaForm::HilfeImageClick);
}

void TUeMonatMaForm::Prepare(PeriodMode mode)
{
    mode_ = mode;
    const QSignalBlocker blockMonth(monatCBox_);
    const QSignalBlocker blockYear(jahrCBox_);
    if (mode == PeriodMode::Month) {
        setWindowTitle(u"  Monatsübersicht Mitarbeiter"_s);
        label2_->setText(u"Monat"_s);
        monatCBox_->clear();
        for (int m = 1; m <= 12; ++m)
            monatCBox_->addItem(QString::number(m));
        monatCBox_->setCurrentIndex(startDate_.month() - 1);
    } else if (mode == PeriodMode::Quarter) {
        setWindowTitle(u"  Quartalsübersicht Mitarbeiter"_s);
        label2_->setText(u"Quartal"_s);
        monatCBox_->clear();
        monatCBox_->addItems(QuarterItems());
        monatCBox_->setCurrentText(InitialQuarter(startDate_.month()));
    } else {
        setWindowTitle(u"  Jahresübersicht Mitarbeiter"_s);
    }
    label2_->setVisible(mode != PeriodMode::Year);
    monatCBox_->setVisible(mode != PeriodMode::Year);
    jahrCBox_->clear();
    for (int year = startDate_.year() - 4; year <= startDate_.year(); ++year)
        jahrCBox_->addItem(QString::number(year));
    jahrCBox_->setCurrentIndex(4);
}

void TUeMonatMaForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TUeMonatMaForm::FormShow()
{
    directory_ = LoadEmployeeDirectory(dataRoot_());
    const QSignalBlocker block(maLCBox_);
    maLCBox_->clear();
    maLCBox_->addItems(EmployeeOverviewEntries(directory_));
    maLCBox_->setCurrentIndex(-1);
    ueMonatREdit_->clear();
    setOutputEnabled(false);
}

void TUeMonatMaForm::MaLCBoxChange()
{
    ueMonatREdit_->clear();
    setOutputEnabled(false);
}

void TUeMonatMaForm::setOutputEnabled(bool enabled)
{
    for (QPushButton* button : { saveUeBtn_, druckenUeBtn_, pdfSaveBtn_, excelSaveBtn_, csvSaveBtn_ })
        button->setEnabled(enabled);
}

ReportSelection TUeMonatMaForm::selection() const
{
    const bool year = mode_ == PeriodMode::Year;
    return { ReportForm::Employee, mode_, maLCBox_->currentText(),
        year ? QString() : monatCBox_->currentText(), jahrCBox_->currentText() };
}

QStringList TUeMonatMaForm::reportLines() const
{
    return ShownLines(*ueMonatREdit_);
}

void TUeMonatMaForm::AnzeigenBtnClick()
{
    const LongWork running { anzeigenBtn_ };
    const ReportSelection chosen = selection();
    const QStringList entries = ComboItems(*maLCBox_);
    const EmployeeOverviewRequest request { mode_, entries,
        maLCBox_->currentIndex() < 0 ? QString() : chosen.subject,
        monatCBox_->currentIndex() < 0 ? QString() : chosen.period, chosen.year };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const EmployeeOverviewReport report = RunEmployeeOverview(
        { dataRoot_(), directory_, clock_, startDate_, codec_, messenger_, BarProgress(*progressBar2_) },
        request);
    ShowProgressIdle(progressBar2_);
    QApplication::restoreOverrideCursor();
    if (report.outcome == EmployeeOverviewReport::Outcome::DateChanged)
        return;
    exportBuffer_ = report.exportLines;
    if (report.outcome == EmployeeOverviewReport::Outcome::Built)
        ueMonatREdit_->setPlainText(report.lines.join(u'\n'));
    ueMonatREdit_->verticalScrollBar()->setValue(0);
    setOutputEnabled(!ueMonatREdit_->toPlainText().isEmpty());
}

void TUeMonatMaForm::SaveUeBtnClick()
{
    const LongWork running { saveUeBtn_ };
    SaveReportAsText(output_, selection(), reportLines());
}

void TUeMonatMaForm::DruckenUeBtnClick()
{
    const LongWork running { druckenUeBtn_ };
    PrintReportLines(output_, selection(), reportLines());
}

void TUeMonatMaForm::PdfSaveBtnClick()
{
    const LongWork running { pdfSaveBtn_ };
    SaveReportAsPdf(output_, selection(), reportLines());
}

void TUeMonatMaForm::ExcelSaveBtnClick()
{
    if (AsLongWork(excelSaveBtn_, [this] {
            return SaveReportAsWorkbook(output_, selection(), exportBuffer_,
                KoravMonthFile::LoadLines(dataRoot_() + u"dprojekte.kvd"_s), progressBar1_);
        }))
        excelSaveBtn_->setEnabled(false);
}

void TUeMonatMaForm::CsvSaveBtnClick()
{
    SaveReportAsCsv(
        output_, selection(), exportBuffer_, KoravMonthFile::LoadLines(dataRoot_() + u"dprojekte.kvd"_s));
}

void TUeMonatMaForm::CloseBtnClick()
{
    accept();
}

void TUeMonatMaForm::HilfeImageClick()
{
    if (openHelp_)
        openHelp_();
}
