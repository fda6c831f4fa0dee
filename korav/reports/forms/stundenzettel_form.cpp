#include "korav/reports/forms/stundenzettel_form.h"

#include "common/ui/long_work.h"
#include "common/ui/named_widgets.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/forms/timesheet_output.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The years offered, as in the month completion: two back from the start year.
constexpr int kYearsBack = 2;

QComboBox* MakeBox(QWidget* parent, const QString& name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    return box;
}

} // namespace

TStundenzettelForm::TStundenzettelForm(
    TimesheetSource source, ReportOutputContext& output, FolderChooser chooseFolder, QWidget* parent)
    : QDialog(parent),
      source_(std::move(source)),
      output_(output),
      chooseFolder_(std::move(chooseFolder)),
      maLCBox_(MakeBox(this, u"MaLCBox"_s)),
      monatCBox_(MakeBox(this, u"MonatCBox"_s)),
      jahrCBox_(MakeBox(this, u"JahrCBox"_s)),
      druckenBtn_(MakeButton(this, u"DruckenBtn"_s, u"Drucken"_s)),
      pdfSaveBtn_(MakeButton(this, u"PdfSaveBtn"_s, u"als PDF speichern"_s)),
      closeBtn_(MakeButton(this, u"CloseBtn"_s, u"Schließen"_s))
{
    setObjectName(u"StundenzettelForm"_s);
    setWindowTitle(u"  Stundenzettel zum Unterschreiben"_s);
    for (int m = 1; m <= 12; ++m)
        monatCBox_->addItem(QString::number(m));
    const int startYear = output_.startDate.year();
    for (int y = startYear - kYearsBack; y <= startYear; ++y)
        jahrCBox_->addItem(QString::number(y));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(u"Mitarbeiter"_s, this), 0, 0);
    grid->addWidget(new QLabel(u"Monat"_s, this), 0, 1);
    grid->addWidget(new QLabel(u"Jahr"_s, this), 0, 2);
    grid->addWidget(maLCBox_, 1, 0);
    grid->addWidget(monatCBox_, 1, 1);
    grid->addWidget(jahrCBox_, 1, 2);
    grid->addWidget(druckenBtn_, 2, 0);
    grid->addWidget(pdfSaveBtn_, 2, 1);
    grid->addWidget(closeBtn_, 2, 2);
    connect(druckenBtn_, &QPushButton::clicked, this, &TStundenzettelForm::DruckenBtnClick);
    connect(pdfSaveBtn_, &QPushButton::clicked, this, &TStundenzettelForm::PdfSaveBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);
}

void TStundenzettelForm::FormShow()
{
    maLCBox_->clear();
    maLCBox_->addItems(EmployeeOverviewEntries(source_.directory));
    // The month just ended is the one whose sheets are signed.
    const QDate previous = output_.startDate.addMonths(-1);
    monatCBox_->setCurrentText(QString::number(previous.month()));
    jahrCBox_->setCurrentText(QString::number(previous.year()));
    closeBtn_->setFocus();
}

bool TStundenzettelForm::allChosen() const
{
    return maLCBox_->currentText() == kAllEmployees;
}

int TStundenzettelForm::year() const
{
    return jahrCBox_->currentText().toInt();
}

int TStundenzettelForm::month() const
{
    return monatCBox_->currentText().toInt();
}

void TStundenzettelForm::DruckenBtnClick()
{
    const LongWork running { druckenBtn_ };
    if (maLCBox_->currentText().isEmpty())
        return;
    if (!allChosen()) {
        if (const std::optional<Timesheet> sheet
            = TimesheetToSign(output_.messenger, source_, maLCBox_->currentText(), year(), month()))
            PrintTimesheet(output_, *sheet);
        return;
    }
    for (const QString& name : source_.directory.names) {
        const std::optional<Timesheet> sheet = ReadTimesheet(source_, name, year(), month());
        if (sheet && sheet->hasData() && !PrintTimesheet(output_, *sheet))
            return;
    }
}

void TStundenzettelForm::PdfSaveBtnClick()
{
    const LongWork running { pdfSaveBtn_ };
    if (maLCBox_->currentText().isEmpty())
        return;
    if (!allChosen()) {
        if (const std::optional<Timesheet> sheet
            = TimesheetToSign(output_.messenger, source_, maLCBox_->currentText(), year(), month()))
            SaveTimesheetAsPdf(output_, *sheet);
        return;
    }
    const QString folder = chooseFolder_(u"Ordner für die Stundenzettel"_s);
    if (!folder.isEmpty())
        SaveTimesheetsToFolder(output_, source_, year(), month(), folder);
}
