#include "korav/reports/forms/pruefen_form.h"

#include "common/ui/long_work.h"
#include "common/ui/named_widgets.h"
#include "common/ui/program_icons.h"
#include "korav/reports/core/annual_check.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/forms/report_view_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TPruefenForm::TPruefenForm(
    DataRoot dataRoot, Messenger& messenger, const Clock& clock, QDate startDate, QWidget* parent)
    : QDialog(parent),
      dataRoot_(std::move(dataRoot)),
      messenger_(messenger),
      startDate_(startDate),
      output_(this, messenger, clock, startDate)
{
    setObjectName(u"PruefenForm"_s);
    setWindowTitle(u"  Vorhandene Arbeitszeit-Dateien anzeigen"_s);
    buildControls();
}

void TPruefenForm::buildControls()
{
    maLCBox_ = Named(new QComboBox(this), u"MaLCBox"_s);
    maLCBox_->setMinimumWidth(220);
    jahrCBox_ = Named(new QComboBox(this), u"JahrCBox"_s);
    jahrCBox_->addItems(AnnualCheckYears(startDate_));
    jahrCBox_->setCurrentIndex(2);
    fehlendMonCBox_ = Named(new QCheckBox(u"Nur fehlende Monate"_s, this), u"FehlendMonCBox"_s);
    anzeigenBtn_ = Named(new QPushButton(u"&Anzeigen"_s, this), u"AnzeigenBtn"_s);
    ueMonatREdit_ = Named(new QPlainTextEdit(this), u"UeMonatREdit"_s);
    ueMonatREdit_->setReadOnly(true);
    ueMonatREdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    ueMonatREdit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ueMonatREdit_->setMinimumSize(900, 420);
    saveUeBtn_ = Named(new QPushButton(u"in Textdatei speichern"_s, this), u"SaveUeBtn"_s);
    druckenUeBtn_ = Named(new QPushButton(u"Drucken"_s, this), u"DruckenUeBtn"_s);
    pdfSaveBtn_ = Named(new QPushButton(u"als PDF speichern"_s, this), u"PdfSaveBtn"_s);
    auto* closeBtn = Named(new QPushButton(u"&Schließen"_s, this), u"CloseBtn"_s);
    auto* hilfeImage = Named(new QToolButton(this), u"HilfeImage"_s);
    hilfeImage->setText(u"?"_s);
    hilfeImage->setIcon(HelpIcon());
    hilfeImage->setToolTip(u"Hilfedatei öffnen"_s);

    auto* selectors = new QHBoxLayout;
    selectors->addWidget(new QLabel(u"Mitarbeiter"_s, this));
    selectors->addWidget(maLCBox_);
    selectors->addWidget(new QLabel(u"Jahr"_s, this));
    selectors->addWidget(jahrCBox_);
    selectors->addWidget(fehlendMonCBox_);
    selectors->addWidget(anzeigenBtn_);
    selectors->addStretch();
    selectors->addWidget(hilfeImage);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveUeBtn_);
    buttons->addWidget(druckenUeBtn_);
    buttons->addWidget(pdfSaveBtn_);
    buttons->addStretch();
    buttons->addWidget(closeBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(selectors);
    layout->addWidget(ueMonatREdit_, 1);
    layout->addLayout(buttons);

    connect(maLCBox_, &QComboBox::currentIndexChanged, this, &TPruefenForm::MaLCBoxChange);
    connect(jahrCBox_, &QComboBox::currentIndexChanged, this, &TPruefenForm::MaLCBoxChange);
    connect(fehlendMonCBox_, &QCheckBox::toggled, this, &TPruefenForm::MaLCBoxChange);
    connect(anzeigenBtn_, &QPushButton::clicked, this, &TPruefenForm::AnzeigenBtnClick);
    connect(saveUeBtn_, &QPushButton::clicked, this, &TPruefenForm::SaveUeBtnClick);
    connect(druckenUeBtn_, &QPushButton::clicked, this, &TPruefenForm::DruckenUeBtnClick);
    connect(pdfSaveBtn_, &QPushButton::clicked, this, &TPruefenForm::PdfSaveBtnClick);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(hilfeImage, &QToolButton::clicked, this, &TPruefenForm::HilfeImageClick);
}

void TPruefenForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TPruefenForm::FormShow()
{
    directory_ = LoadEmployeeDirectory(dataRoot_());
    const QSignalBlocker block(maLCBox_);
    maLCBox_->clear();
    maLCBox_->addItems(EmployeeOverviewEntries(directory_));
    maLCBox_->setCurrentIndex(maLCBox_->count() > 0 ? 0 : -1);
    ueMonatREdit_->clear();
    setOutputEnabled(false);
}

// The output buttons go with the text, so that an emptied report is never
// saved or printed.
void TPruefenForm::MaLCBoxChange()
{
    ueMonatREdit_->clear();
    setOutputEnabled(false);
}

void TPruefenForm::setOutputEnabled(bool enabled)
{
    for (QPushButton* button : { saveUeBtn_, druckenUeBtn_, pdfSaveBtn_ })
        button->setEnabled(enabled);
}

ReportSelection TPruefenForm::selection() const
{
    return { ReportForm::Check, PeriodMode::Year, maLCBox_->currentText(), QString(),
        jahrCBox_->currentText() };
}

QStringList TPruefenForm::reportLines() const
{
    return ShownLines(*ueMonatREdit_);
}

void TPruefenForm::AnzeigenBtnClick()
{
    const LongWork running { anzeigenBtn_ };
    ueMonatREdit_->clear();
    const QStringList entries = ComboItems(*maLCBox_);
    const std::optional<QStringList> lines = RunAnnualCheck(dataRoot_(), directory_, startDate_,
        { entries, maLCBox_->currentIndex() < 0 ? QString() : maLCBox_->currentText(),
            jahrCBox_->currentText(), fehlendMonCBox_->isChecked() },
        messenger_);
    if (lines)
        ueMonatREdit_->setPlainText(lines->join(u'\n'));
    ueMonatREdit_->verticalScrollBar()->setValue(0);
    setOutputEnabled(lines.has_value());
}

void TPruefenForm::SaveUeBtnClick()
{
    const LongWork running { saveUeBtn_ };
    SaveReportAsText(output_, selection(), reportLines());
}

void TPruefenForm::DruckenUeBtnClick()
{
    const LongWork running { druckenUeBtn_ };
    PrintReportLines(output_, selection(), reportLines());
}

void TPruefenForm::PdfSaveBtnClick()
{
    const LongWork running { pdfSaveBtn_ };
    SaveReportAsPdf(output_, selection(), reportLines());
}

void TPruefenForm::HilfeImageClick()
{
    if (openHelp_)
        openHelp_();
}
