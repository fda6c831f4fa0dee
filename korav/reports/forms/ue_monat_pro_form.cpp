#include "korav/reports/forms/ue_monat_pro_form.h"

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/messenger.h"
#include "common/ui/long_work.h"
#include "common/ui/named_widgets.h"
#include "common/ui/program_icons.h"
#include "common/ui/progress_display.h"
#include "korav/reports/core/project_overview_start.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A read-only field that reacts to a click like a button.
class ClickableLineEdit : public QLineEdit {
public:
    std::function<void()> clicked;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QLineEdit::mousePressEvent(event);
        if (clicked)
            clicked();
    }
};

} // namespace

TUeMonatProForm::TUeMonatProForm(QString dataRoot, DataFileCodec& codec, ReportOutputContext output,
    ActivityChooser chooseActivity, std::function<void()> openHelp, QWidget* parent)
    : QDialog(parent),
      dataRoot_(std::move(dataRoot)),
      codec_(codec),
      output_(std::move(output)),
      chooseActivity_(std::move(chooseActivity)),
      openHelp_(std::move(openHelp))
{
    setObjectName(u"UeMonatProForm"_s);
    output_.parent = this;
    buildControls();
}

void TUeMonatProForm::buildControls()
{
    auto* projektNrEdit = Named(new ClickableLineEdit, u"ProjektNrEdit"_s);
    projektNrEdit->setReadOnly(true);
    projektNrEdit->clicked = [this] { ProjektNrEditClick(); };
    projektNrEdit_ = projektNrEdit;
    auto* lupeImage = Named(new QToolButton, u"LupeImage"_s);
    lupeImage->setText(u"…"_s);
    projektBeschreibungLabel_ = Named(new QLabel, u"ProjektBeschreibungLabel"_s);
    label2_ = Named(new QLabel(u"Monat"_s), u"Label2"_s);
    monatCBox_ = Named(new QComboBox, u"MonatCBox"_s);
    jahrCBox_ = Named(new QComboBox, u"JahrCBox"_s);
    prognoseCBox_ = Named(new QCheckBox(u"Prognose-Stundensatz verwenden"_s), u"PrognoseCBox"_s);
    anzeigenBtn_ = Named(new QPushButton(u"&Anzeigen"_s), u"AnzeigenBtn"_s);
    ueMonatREdit_ = Named(new QPlainTextEdit, u"UeMonatREdit"_s);
    ueMonatREdit_->setReadOnly(true);
    ueMonatREdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    ueMonatREdit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    saveUeBtn_ = Named(new QPushButton(u"in Textdatei speichern"_s), u"SaveUeBtn"_s);
    druckenUeBtn_ = Named(new QPushButton(u"Drucken"_s), u"DruckenUeBtn"_s);
    pdfSaveBtn_ = Named(new QPushButton(u"als PDF speichern"_s), u"PdfSaveBtn"_s);
    excelSaveBtn_ = Named(new QPushButton(u"in Exceldatei speichern"_s), u"ExcelSaveBtn"_s);
    csvSaveBtn_ = Named(new QPushButton(u"in CSV-Datei speichern"_s), u"CsvSaveBtn"_s);
    auto* closeBtn = Named(new QPushButton(u"&Schließen"_s), u"CloseBtn"_s);
    auto* hilfeImage = Named(new QToolButton, u"HilfeImage"_s);
    hilfeImage->setText(u"?"_s);
    hilfeImage->setIcon(HelpIcon());
    hilfeImage->setToolTip(u"Hilfedatei öffnen"_s);
    progressBar2_ = Named(new QProgressBar, u"ProgressBar2"_s);
    progressBar1_ = Named(new QProgressBar, u"ProgressBar1"_s);
    for (QProgressBar* bar : { progressBar2_, progressBar1_ }) {
        bar->setTextVisible(false);
        ShowProgressIdle(bar);
    }

    auto* choice = new QGridLayout;
    choice->addWidget(projektNrEdit_, 0, 0);
    choice->addWidget(lupeImage, 0, 1);
    choice->addWidget(projektBeschreibungLabel_, 0, 2, 1, 3);
    choice->addWidget(label2_, 1, 0);
    choice->addWidget(monatCBox_, 1, 1);
    choice->addWidget(jahrCBox_, 1, 2);
    choice->addWidget(prognoseCBox_, 1, 3);
    choice->addWidget(anzeigenBtn_, 1, 4);
    choice->setColumnStretch(5, 1);
    choice->addWidget(hilfeImage, 1, 6);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveUeBtn_);
    buttons->addWidget(druckenUeBtn_);
    buttons->addWidget(pdfSaveBtn_);
    buttons->addWidget(excelSaveBtn_);
    buttons->addWidget(csvSaveBtn_);
    auto* bars = new QVBoxLayout;
    bars->addWidget(progressBar2_);
    bars->addWidget(progressBar1_);
    buttons->addLayout(bars, 1);
    buttons->addWidget(closeBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(ueMonatREdit_, 1);
    layout->addLayout(buttons);
    resize(1000, 700);

    connect(lupeImage, &QToolButton::clicked, this, &TUeMonatProForm::ProjektNrEditClick);
    connect(projektNrEdit_, &QLineEdit::textChanged, this, &TUeMonatProForm::ProjektNrEditChange);
    connect(monatCBox_, &QComboBox::currentIndexChanged, this, &TUeMonatProForm::ProjektNrEditChange);
    connect(jahrCBox_, &QComboBox::currentIndexChanged, this, &TUeMonatProForm::ProjektNrEditChange);
    connect(prognoseCBox_, &QCheckBox::toggled, this, &TUeMonatProForm::ProjektNrEditChange);
    connect(anzeigenBtn_, &QPushButton::clicked, this, &TUeMonatProForm::AnzeigenBtnClick);
    connect(saveUeBtn_, &QPushButton::clicked, this, &TUeMonatProForm::SaveUeBtnClick);
    connect(druckenUeBtn_, &QPushButton::clicked, this, &TUeMonatProForm::DruckenUeBtnClick);
    connect(pdfSaveBtn_, &QPushButton::clicked, this, &TUeMonatProForm::PdfSaveBtnClick);
    connect(excelSaveBtn_, &QPushButton::clicked, this, &TUeMonatProForm::ExcelSaveBtnClick);
    connect(csvSaveBtn_, &QPushButton::clicked, this, &TUeMonatProForm::CsvSaveBtnClick);
    connect(hilfeImage, &QToolButton::clicked, this, &TUeMonatProForm::HilfeImageClick);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::close);
}

void TUeMonatProForm::SetMode(PeriodMode mode)
{
    mode_ = mode;
    const QDate start = output_.startDate;
    const QSignalBlocker blockMonths(monatCBox_);
    const QSignalBlocker blockYears(jahrCBox_);
    if (mode == PeriodMode::Month) {
        setWindowTitle(u"  Monatsübersicht Projekte"_s);
        label2_->setText(u"Monat"_s);
        monatCBox_->clear();
        for (int month = 1; month <= 12; ++month)
            monatCBox_->addItem(QString::number(month));
        monatCBox_->setCurrentIndex(start.month() - 1);
    } else if (mode == PeriodMode::Quarter) {
        setWindowTitle(u"  Quartalsübersicht Projekte"_s);
        label2_->setText(u"Quartal"_s);
        monatCBox_->clear();
        monatCBox_->addItems({ u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"1-2"_s, u"1-3"_s, u"1-4"_s });
        monatCBox_->setCurrentIndex(start.month() <= 3 ? 0 : 4 + (start.month() - 4) / 3);
    } else {
        setWindowTitle(u"  Jahresübersicht Projekte"_s);
    }
    label2_->setVisible(mode != PeriodMode::Year);
    monatCBox_->setVisible(mode != PeriodMode::Year);
    jahrCBox_->clear();
    for (int year = start.year() - 4; year <= start.year(); ++year)
        jahrCBox_->addItem(QString::number(year));
    jahrCBox_->setCurrentIndex(jahrCBox_->count() - 1);
    prognoseCBox_->setChecked(true);
}

void TUeMonatProForm::FormShow()
{
    StringList rates;
    codec_.LoadDataFile(dataRoot_ + u"zmasatz.kvd"_s, rates);
    data_ = ProjectOverviewData::Load(dataRoot_, rates);
    const QSignalBlocker block(projektNrEdit_);
    projektNrEdit_->clear();
    projektBeschreibungLabel_->clear();
    ProjektNrEditChange();
}

void TUeMonatProForm::ProjektNrEditClick()
{
    if (!chooseActivity_)
        return;
    const std::optional<std::pair<QString, QString>> chosen = chooseActivity_();
    if (!chosen)
        return;
    projektBeschreibungLabel_->setText(chosen->second);
    projektNrEdit_->setText(chosen->first);
}

void TUeMonatProForm::ProjektNrEditChange()
{
    overview_ = {};
    ueMonatREdit_->clear();
    setOutputEnabled(false);
}

void TUeMonatProForm::setOutputEnabled(bool enabled)
{
    saveUeBtn_->setEnabled(enabled);
    druckenUeBtn_->setEnabled(enabled);
    pdfSaveBtn_->setEnabled(enabled);
    excelSaveBtn_->setEnabled(enabled);
    csvSaveBtn_->setEnabled(enabled);
}

void TUeMonatProForm::AnzeigenBtnClick()
{
    const LongWork running { anzeigenBtn_ };
    const bool periodChosen
        = jahrCBox_->currentIndex() >= 0 && (mode_ == PeriodMode::Year || monatCBox_->currentIndex() >= 0);
    const ProjectOverviewStart start = CheckProjectOverviewStart(
        !projektNrEdit_->text().isEmpty(), periodChosen, output_.clock, output_.startDate, output_.messenger);
    if (start == ProjectOverviewStart::DateChanged)
        return;
    overview_ = {};
    ueMonatREdit_->clear();
    if (start == ProjectOverviewStart::Incomplete) {
        setOutputEnabled(false);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ProjectOverviewInput in;
    in.mode = mode_;
    in.periodText = mode_ == PeriodMode::Year ? QString() : monatCBox_->currentText();
    in.year = jahrCBox_->currentText().toInt();
    in.activityKey = projektNrEdit_->text();
    in.activityLabel = projektBeschreibungLabel_->text();
    in.forecastRate = prognoseCBox_->isChecked();
    in.bookings = [this](const QString& number, int year, int month) {
        return CollectedBookings(dataRoot_, number, year, month);
    };
    in.progress = BarProgress(*progressBar2_);
    overview_ = BuildProjectOverview(data_, in);
    ShowProgressIdle(progressBar2_);
    ueMonatREdit_->setPlainText(overview_.lines.join(u'\n'));
    ueMonatREdit_->moveCursor(QTextCursor::Start);
    QApplication::restoreOverrideCursor();
    setOutputEnabled(!overview_.lines.isEmpty());
}

ReportSelection TUeMonatProForm::selection() const
{
    return { ReportForm::Project, mode_, projektNrEdit_->text(),
        mode_ == PeriodMode::Year ? QString() : monatCBox_->currentText(), jahrCBox_->currentText() };
}

void TUeMonatProForm::SaveUeBtnClick()
{
    const LongWork running { saveUeBtn_ };
    SaveReportAsText(output_, selection(), overview_.lines);
}

void TUeMonatProForm::DruckenUeBtnClick()
{
    const LongWork running { druckenUeBtn_ };
    PrintReportLines(output_, selection(), overview_.lines);
}

void TUeMonatProForm::PdfSaveBtnClick()
{
    const LongWork running { pdfSaveBtn_ };
    SaveReportAsPdf(output_, selection(), overview_.lines);
}

void TUeMonatProForm::ExcelSaveBtnClick()
{
    if (AsLongWork(excelSaveBtn_, [this] {
            return SaveReportAsWorkbook(
                output_, selection(), overview_.exportLines, data_.projects, progressBar1_);
        }))
        excelSaveBtn_->setEnabled(false);
}

void TUeMonatProForm::CsvSaveBtnClick()
{
    SaveReportAsCsv(output_, selection(), overview_.exportLines, data_.projects);
}

void TUeMonatProForm::HilfeImageClick()
{
    if (openHelp_)
        openHelp_();
}
