#include "korav/reports/forms/arb_zeit_gesetz_form.h"

#include "common/ui/long_work.h"
#include "common/ui/named_widgets.h"
#include "common/ui/program_icons.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/forms/report_view_parts.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QStringList kPeriods = { u"Monat"_s, u"Quartal"_s, u"Jahr"_s };

} // namespace

TArbZeitGesetzForm::TArbZeitGesetzForm(DataRoot dataRoot, Holidays holidays, Messenger& messenger,
    const Clock& clock, QDate startDate, QWidget* parent)
    : QDialog(parent),
      dataRoot_(std::move(dataRoot)),
      holidays_(std::move(holidays)),
      messenger_(messenger),
      startDate_(startDate),
      output_(this, messenger, clock, startDate)
{
    setObjectName(u"ArbZeitGesetzForm"_s);
    setWindowTitle(u"  Arbeitszeitgesetz prüfen"_s);
    buildControls();
    ZeitraumCBoxChange();
}

void TArbZeitGesetzForm::buildControls()
{
    maLCBox_ = Named(new QComboBox(this), u"MaLCBox"_s);
    maLCBox_->setMinimumWidth(220);
    zeitraumCBox_ = Named(new QComboBox(this), u"ZeitraumCBox"_s);
    zeitraumCBox_->addItems(kPeriods);
    monatCBox_ = Named(new QComboBox(this), u"MonatCBox"_s);
    jahrCBox_ = Named(new QComboBox(this), u"JahrCBox"_s);
    for (int year = startDate_.year() - 4; year <= startDate_.year(); ++year)
        jahrCBox_->addItem(QString::number(year));
    jahrCBox_->setCurrentIndex(4);
    auto* anzeigenBtn = MakeButton(this, u"AnzeigenBtn"_s, u"Anzeigen"_s);
    ueMonatREdit_ = Named(new QPlainTextEdit(this), u"UeMonatREdit"_s);
    ueMonatREdit_->setReadOnly(true);
    ueMonatREdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    ueMonatREdit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ueMonatREdit_->setMinimumSize(900, 420);
    const std::pair<QString, QString> outputs[] = { { u"SaveUeBtn"_s, u"in Textdatei speichern"_s },
        { u"DruckenUeBtn"_s, u"Drucken"_s }, { u"PdfSaveBtn"_s, u"als PDF speichern"_s },
        { u"ExcelSaveBtn"_s, u"in Exceldatei speichern"_s },
        { u"CsvSaveBtn"_s, u"in CSV-Datei speichern"_s } };
    for (const auto& [name, caption] : outputs)
        outputButtons_.append(MakeButton(this, name, caption));
    auto* closeBtn = MakeButton(this, u"CloseBtn"_s, u"Schließen"_s);
    auto* hilfeImage = Named(new QToolButton(this), u"HilfeImage"_s);
    hilfeImage->setText(u"?"_s);
    hilfeImage->setIcon(HelpIcon());
    hilfeImage->setToolTip(u"Hilfedatei öffnen"_s);

    auto* selectors = new QHBoxLayout;
    selectors->addWidget(new QLabel(u"Mitarbeiter"_s, this));
    selectors->addWidget(maLCBox_);
    selectors->addWidget(new QLabel(u"Zeitraum"_s, this));
    selectors->addWidget(zeitraumCBox_);
    selectors->addWidget(monatCBox_);
    selectors->addWidget(new QLabel(u"Jahr"_s, this));
    selectors->addWidget(jahrCBox_);
    selectors->addWidget(anzeigenBtn);
    selectors->addStretch();
    selectors->addWidget(hilfeImage);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : outputButtons_)
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(closeBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(selectors);
    layout->addWidget(ueMonatREdit_, 1);
    layout->addLayout(buttons);

    connect(zeitraumCBox_, &QComboBox::currentIndexChanged, this, &TArbZeitGesetzForm::ZeitraumCBoxChange);
    for (QComboBox* box : { maLCBox_, monatCBox_, jahrCBox_ })
        connect(box, &QComboBox::currentIndexChanged, this, &TArbZeitGesetzForm::MaLCBoxChange);
    // A click that arrives while the work runs meets the disabled button.
    connect(anzeigenBtn, &QPushButton::clicked, this, [this, anzeigenBtn] {
        const LongWork running { anzeigenBtn };
        AnzeigenBtnClick();
    });
    void (TArbZeitGesetzForm::*handlers[])() = { &TArbZeitGesetzForm::SaveUeBtnClick,
        &TArbZeitGesetzForm::DruckenUeBtnClick, &TArbZeitGesetzForm::PdfSaveBtnClick,
        &TArbZeitGesetzForm::ExcelSaveBtnClick, &TArbZeitGesetzForm::CsvSaveBtnClick };
    for (int i = 0; i < outputButtons_.size(); ++i)
        connect(outputButtons_[i], &QPushButton::clicked, this,
            [this, button = outputButtons_[i], handler = handlers[i]] {
                const LongWork running { button };
                (this->*handler)();
            });
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(hilfeImage, &QToolButton::clicked, this, &TArbZeitGesetzForm::HilfeImageClick);
}

void TArbZeitGesetzForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TArbZeitGesetzForm::FormShow()
{
    directory_ = LoadEmployeeDirectory(dataRoot_());
    const QSignalBlocker block(maLCBox_);
    maLCBox_->clear();
    maLCBox_->addItems(EmployeeOverviewEntries(directory_));
    maLCBox_->setCurrentIndex(maLCBox_->count() > 0 ? 0 : -1);
    MaLCBoxChange();
}

// The month selector offers the months, the quarters as the quarter
// overview does, or nothing for the year.
void TArbZeitGesetzForm::ZeitraumCBoxChange()
{
    const QSignalBlocker block(monatCBox_);
    monatCBox_->clear();
    if (mode() == PeriodMode::Month) {
        for (int m = 1; m <= 12; ++m)
            monatCBox_->addItem(QString::number(m));
        monatCBox_->setCurrentIndex(startDate_.month() - 1);
    } else if (mode() == PeriodMode::Quarter) {
        monatCBox_->addItems(QuarterItems());
        monatCBox_->setCurrentText(InitialQuarter(startDate_.month()));
    }
    monatCBox_->setVisible(mode() != PeriodMode::Year);
    MaLCBoxChange();
}

void TArbZeitGesetzForm::MaLCBoxChange()
{
    report_ = {};
    ueMonatREdit_->clear();
    setOutputEnabled(false);
}

void TArbZeitGesetzForm::setOutputEnabled(bool enabled)
{
    for (QPushButton* button : outputButtons_)
        button->setEnabled(enabled);
}

PeriodMode TArbZeitGesetzForm::mode() const
{
    const PeriodMode modes[] = { PeriodMode::Month, PeriodMode::Quarter, PeriodMode::Year };
    return modes[std::max(0, zeitraumCBox_->currentIndex())];
}

ReportSelection TArbZeitGesetzForm::selection() const
{
    return { ReportForm::Law, mode(), maLCBox_->currentText(),
        mode() == PeriodMode::Year ? QString() : monatCBox_->currentText(), jahrCBox_->currentText() };
}

StringList TArbZeitGesetzForm::projects() const
{
    return KoravMonthFile::LoadLines(dataRoot_() + u"dprojekte.kvd"_s);
}

void TArbZeitGesetzForm::AnzeigenBtnClick()
{
    const ReportSelection chosen = selection();
    const QStringList entries = ComboItems(*maLCBox_);
    const LawReportContext context { dataRoot_(), directory_, projects(), holidays_(), messenger_ };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<LawReport> report
        = RunLawReport(context, { chosen.mode, entries, chosen.subject, chosen.period, chosen.year });
    QApplication::restoreOverrideCursor();
    MaLCBoxChange();
    if (!report)
        return;
    report_ = *report;
    ueMonatREdit_->setPlainText(report_.lines.join(u'\n'));
    ueMonatREdit_->moveCursor(QTextCursor::Start);
    setOutputEnabled(!report_.lines.isEmpty());
}

void TArbZeitGesetzForm::SaveUeBtnClick()
{
    SaveReportAsText(output_, selection(), report_.lines);
}

void TArbZeitGesetzForm::DruckenUeBtnClick()
{
    PrintReportLines(output_, selection(), report_.lines);
}

void TArbZeitGesetzForm::PdfSaveBtnClick()
{
    SaveReportAsPdf(output_, selection(), report_.lines);
}

void TArbZeitGesetzForm::ExcelSaveBtnClick()
{
    SaveReportAsWorkbook(output_, selection(), report_.exportLines, projects());
}

void TArbZeitGesetzForm::CsvSaveBtnClick()
{
    SaveReportAsCsv(output_, selection(), report_.exportLines, projects());
}

void TArbZeitGesetzForm::HilfeImageClick()
{
    if (openHelp_)
        openHelp_();
}
