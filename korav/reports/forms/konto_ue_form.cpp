#include "korav/reports/forms/konto_ue_form.h"

#include "common/clock.h"
#include "common/messenger.h"
#include "common/ui/long_work.h"
#include "common/ui/named_widgets.h"
#include "common/ui/program_icons.h"
#include "common/ui/progress_display.h"
#include "korav/reports/core/account_report.h"
#include "korav/reports/core/employee_overview.h"
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

TKontoUeForm::TKontoUeForm(DataRoot dataRoot, Messenger& messenger, const Clock& clock, QDate startDate,
    std::function<void()> openHelp, QWidget* parent)
    : QDialog(parent),
      dataRoot_(std::move(dataRoot)),
      messenger_(messenger),
      clock_(clock),
      startDate_(startDate),
      codec_(CodecProgram::Korav, messenger),
      output_(this, messenger, clock, startDate),
      openHelp_(std::move(openHelp))
{
    setObjectName(u"KontoUeForm"_s);
    setWindowTitle(u"  Arbeitszeitkonto Mitarbeiter"_s);
    buildControls();
}

void TKontoUeForm::buildControls()
{
    maLCBox_ = Named(new QComboBox(this), u"MaLCBox"_s);
    maLCBox_->setMinimumWidth(220);
    jahrCBox_ = Named(new QComboBox(this), u"JahrCBox"_s);
    for (int year = startDate_.year() - 4; year <= startDate_.year(); ++year)
        jahrCBox_->addItem(QString::number(year));
    jahrCBox_->setCurrentIndex(4);
    anzeigenBtn_ = MakeButton(this, u"AnzeigenBtn"_s, u"Anzeigen"_s);
    kontoREdit_ = Named(new QPlainTextEdit(this), u"KontoREdit"_s);
    kontoREdit_->setReadOnly(true);
    kontoREdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    kontoREdit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    kontoREdit_->setMinimumSize(900, 420);
    saveUeBtn_ = MakeButton(this, u"SaveUeBtn"_s, u"in Textdatei speichern"_s);
    druckenUeBtn_ = MakeButton(this, u"DruckenUeBtn"_s, u"Drucken"_s);
    pdfSaveBtn_ = MakeButton(this, u"PdfSaveBtn"_s, u"als PDF speichern"_s);
    excelSaveBtn_ = MakeButton(this, u"ExcelSaveBtn"_s, u"in Exceldatei speichern"_s);
    csvSaveBtn_ = MakeButton(this, u"CsvSaveBtn"_s, u"in CSV-Datei speichern"_s);
    auto* closeBtn = MakeButton(this, u"CloseBtn"_s, u"Schließen"_s);
    progressBar2_ = Named(new QProgressBar(this), u"ProgressBar2"_s);
    progressBar2_->setTextVisible(false);
    progressBar1_ = Named(new QProgressBar(this), u"ProgressBar1"_s);
    progressBar1_->setTextVisible(false);
    ShowProgressIdle(progressBar1_);
    ShowProgressIdle(progressBar2_);
    auto* hilfeImage = Named(new QToolButton(this), u"HilfeImage"_s);
    hilfeImage->setIcon(HelpIcon());
    hilfeImage->setToolTip(u"Hilfedatei öffnen"_s);

    auto* selectors = new QHBoxLayout;
    selectors->addWidget(new QLabel(u"Mitarbeiter"_s, this));
    selectors->addWidget(maLCBox_);
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
    buttons->addWidget(closeBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(selectors);
    layout->addWidget(kontoREdit_, 1);
    layout->addLayout(buttons);

    for (QComboBox* box : { maLCBox_, jahrCBox_ })
        connect(box, &QComboBox::currentIndexChanged, this, &TKontoUeForm::MaLCBoxChange);
    connect(anzeigenBtn_, &QPushButton::clicked, this, &TKontoUeForm::AnzeigenBtnClick);
    connect(saveUeBtn_, &QPushButton::clicked, this, &TKontoUeForm::SaveUeBtnClick);
    connect(druckenUeBtn_, &QPushButton::clicked, this, &TKontoUeForm::DruckenUeBtnClick);
    connect(pdfSaveBtn_, &QPushButton::clicked, this, &TKontoUeForm::PdfSaveBtnClick);
    connect(excelSaveBtn_, &QPushButton::clicked, this, &TKontoUeForm::ExcelSaveBtnClick);
    connect(csvSaveBtn_, &QPushButton::clicked, this, &TKontoUeForm::CsvSaveBtnClick);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(hilfeImage, &QToolButton::clicked, this, [this] {
        if (openHelp_)
            openHelp_();
    });
}

void TKontoUeForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TKontoUeForm::FormShow()
{
    const QSignalBlocker block(maLCBox_);
    maLCBox_->clear();
    maLCBox_->addItems(EmployeeOverviewEntries(LoadEmployeeDirectory(dataRoot_())));
    maLCBox_->setCurrentIndex(-1);
    kontoREdit_->clear();
    setOutputEnabled(false);
}

void TKontoUeForm::MaLCBoxChange()
{
    kontoREdit_->clear();
    setOutputEnabled(false);
}

void TKontoUeForm::setOutputEnabled(bool enabled)
{
    for (QPushButton* button : { saveUeBtn_, druckenUeBtn_, pdfSaveBtn_, excelSaveBtn_, csvSaveBtn_ })
        button->setEnabled(enabled);
}

ReportSelection TKontoUeForm::selection() const
{
    return { ReportForm::Account, PeriodMode::Year, maLCBox_->currentText(), QString(),
        jahrCBox_->currentText() };
}

QStringList TKontoUeForm::reportLines() const
{
    return ShownLines(*kontoREdit_);
}

void TKontoUeForm::AnzeigenBtnClick()
{
    const LongWork running { anzeigenBtn_ };
    const QStringList entries = ComboItems(*maLCBox_);
    const AccountReportRequest request { entries,
        maLCBox_->currentIndex() < 0 ? QString() : maLCBox_->currentText(), jahrCBox_->currentText() };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const AccountReport report = RunAccountReport(
        { dataRoot_(), clock_, startDate_, codec_, messenger_, BarProgress(*progressBar2_) }, request);
    ShowProgressIdle(progressBar2_);
    QApplication::restoreOverrideCursor();
    if (report.outcome == AccountReport::Outcome::DateChanged)
        return;
    exportBuffer_ = report.exportLines;
    if (report.outcome == AccountReport::Outcome::Built)
        kontoREdit_->setPlainText(report.lines.join(u'\n'));
    kontoREdit_->verticalScrollBar()->setValue(0);
    setOutputEnabled(!kontoREdit_->toPlainText().isEmpty());
}

void TKontoUeForm::SaveUeBtnClick()
{
    const LongWork running { saveUeBtn_ };
    SaveReportAsText(output_, selection(), reportLines());
}

void TKontoUeForm::DruckenUeBtnClick()
{
    const LongWork running { druckenUeBtn_ };
    PrintReportLines(output_, selection(), reportLines());
}

void TKontoUeForm::PdfSaveBtnClick()
{
    const LongWork running { pdfSaveBtn_ };
    SaveReportAsPdf(output_, selection(), reportLines());
}

void TKontoUeForm::ExcelSaveBtnClick()
{
    if (AsLongWork(excelSaveBtn_,
            [this] { return SaveReportAsWorkbook(output_, selection(), exportBuffer_, {}, progressBar1_); }))
        excelSaveBtn_->setEnabled(false);
}

void TKontoUeForm::CsvSaveBtnClick()
{
    const LongWork running { csvSaveBtn_ };
    SaveReportAsCsv(output_, selection(), exportBuffer_, {});
}
