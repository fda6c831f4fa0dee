#include "korav/forms/std_satz_form.h"

#include "korav/core/korav_help.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/grid_keys.h"
#include "korav/forms/korav_environment.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kRateColumn = 2;

QTableWidgetItem* FixedItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

TStdSatzForm::TStdSatzForm(KoravEnvironment& environment, int year, QWidget* parent)
    : QDialog(parent),
      editor_(environment.store, year),
      pageControl1_(new QTabWidget(this)),
      msTabSheet_(new QWidget(pageControl1_)),
      stdSatzSGrid_(new QTableWidget(msTabSheet_))
{
    setObjectName(u"StdSatzForm"_s);
    setWindowTitle(u"  Stundensätze "_s + QString::number(year));
    pageControl1_->setObjectName(u"PageControl1"_s);
    msTabSheet_->setObjectName(u"MS_TabSheet"_s);
    pageControl1_->addTab(msTabSheet_, u"Stundensätze"_s);
    stdSatzSGrid_->setObjectName(u"StdSatzSGrid"_s);
    stdSatzSGrid_->setColumnCount(3);
    stdSatzSGrid_->setHorizontalHeaderLabels({ QString(), u" Mitarbeiter"_s, u" EUR"_s });
    stdSatzSGrid_->verticalHeader()->hide();
    new GridKeys(stdSatzSGrid_);
    stdSatzSGrid_->setColumnWidth(0, 32);
    (new QVBoxLayout(msTabSheet_))->addWidget(stdSatzSGrid_);
    auto* saveBtn = MakeButton(this, u"SaveBtn"_s, u"&Speichern"_s);
    auto* cancelBtn = MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s);
    saveBtn->setAutoDefault(false);
    saveBtn->setDefault(true);
    cancelBtn->setAutoDefault(false);
    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeHelpImage(this, environment.help, KoravHelp::kBaseDataTopic), 0, 2);
    grid->addWidget(pageControl1_, 1, 0, 1, 3);
    grid->addWidget(saveBtn, 2, 1);
    grid->addWidget(cancelBtn, 2, 2);
    resize(420, 480);
    connect(stdSatzSGrid_, &QTableWidget::cellChanged, this, &TStdSatzForm::cellChanged);
    connect(saveBtn, &QPushButton::clicked, this, &TStdSatzForm::SaveBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &TStdSatzForm::CancelBtnClick);
}

void TStdSatzForm::FormShow(const QStringList& employees)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    editor_.open(employees);
    showRows();
    QApplication::restoreOverrideCursor();
    stdSatzSGrid_->setCurrentCell(0, kRateColumn);
    stdSatzSGrid_->setFocus();
}

void TStdSatzForm::showRows()
{
    filling_ = true;
    const QStringList& rows = editor_.rows();
    stdSatzSGrid_->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        stdSatzSGrid_->setItem(row, 0, FixedItem(QString::number(row + 1)));
        stdSatzSGrid_->setItem(row, 1, FixedItem(u"  "_s + rows.at(row)));
        stdSatzSGrid_->setItem(row, kRateColumn, new QTableWidgetItem(editor_.rate(row)));
    }
    filling_ = false;
}

void TStdSatzForm::cellChanged(int row, int column)
{
    if (!filling_ && column == kRateColumn)
        editor_.editRate(row, stdSatzSGrid_->item(row, column)->text());
}

void TStdSatzForm::SaveBtnClick()
{
    const DialogOutcome outcome = editor_.save();
    showRows();
    if (const std::optional<int> row = editor_.faultyRow()) {
        pageControl1_->setCurrentWidget(msTabSheet_);
        stdSatzSGrid_->setCurrentCell(*row, kRateColumn);
    }
    finish(outcome);
}

void TStdSatzForm::CancelBtnClick()
{
    finish(editor_.cancel());
}

void TStdSatzForm::reject()
{
    CancelBtnClick();
}

void TStdSatzForm::finish(DialogOutcome outcome)
{
    if (outcome == DialogOutcome::Close)
        done(QDialog::Rejected);
}
