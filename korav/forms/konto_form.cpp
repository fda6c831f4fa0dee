#include "korav/forms/konto_form.h"

#include "common/ui/tab_order.h"
#include "korav/core/korav_help.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/grid_keys.h"
#include "korav/forms/korav_environment.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFirstValueColumn = 2;

QTableWidgetItem* FixedItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

TKontoForm::TKontoForm(KoravEnvironment& environment, QDate startDate, BaseDataSaved saved, QWidget* parent)
    : QDialog(parent),
      editor_(environment.store, startDate, std::move(saved)),
      kontoSGrid_(new QTableWidget(this))
{
    setObjectName(u"KontoForm"_s);
    setWindowTitle(u"  Arbeitszeit- und Urlaubskonten"_s);
    kontoSGrid_->setObjectName(u"KontoSGrid"_s);
    kontoSGrid_->setColumnCount(kFirstValueColumn + AccountSettingsEditor::kColumns);
    kontoSGrid_->setHorizontalHeaderLabels({ QString(), u" Mitarbeiter"_s, u" Kontostand Jahresbeginn"_s,
        u" Urlaubsanspruch (Tage)"_s, u" Resturlaub Vorjahr (Tage)"_s });
    kontoSGrid_->verticalHeader()->hide();
    kontoSGrid_->setColumnWidth(0, 32);
    kontoSGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    new GridKeys(kontoSGrid_);
    auto* hint = new QLabel(
        u" Leere Felder für Kontostand und Resturlaub werden aus dem Vorjahr berechnet."_s, this);
    hint->setObjectName(u"HinweisLabel"_s);
    const QString yearNames[] = { u"VorJahrBtn"_s, u"AktJahrBtn"_s, u"FolJahrBtn"_s };
    auto* years = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        const int year = startDate.year() - 1 + i;
        yearBtns_[std::size_t(i)] = MakeButton(this, yearNames[i], QString::number(year));
        yearBtns_[std::size_t(i)]->setAutoDefault(false);
        connect(yearBtns_[std::size_t(i)], &QPushButton::clicked, this, [this, year] { YearBtnClick(year); });
        years->addWidget(yearBtns_[std::size_t(i)]);
    }
    years->addStretch();
    auto* saveBtn = MakeButton(this, u"SaveBtn"_s, u"&Speichern"_s);
    auto* cancelBtn = MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s);
    saveBtn->setDefault(true);
    cancelBtn->setAutoDefault(false);
    SetTabOrder({ yearBtns_[0], yearBtns_[1], yearBtns_[2], kontoSGrid_, saveBtn, cancelBtn });
    auto* grid = new QGridLayout(this);
    grid->addLayout(years, 0, 0, 1, 2);
    grid->addWidget(MakeHelpImage(this, environment.help, KoravHelp::kAccountTopic), 0, 2);
    grid->addWidget(kontoSGrid_, 1, 0, 1, 3);
    grid->addWidget(hint, 2, 0, 1, 3);
    grid->addWidget(saveBtn, 3, 1);
    grid->addWidget(cancelBtn, 3, 2);
    resize(720, 480);
    connect(kontoSGrid_, &QTableWidget::cellChanged, this, &TKontoForm::cellChanged);
    connect(saveBtn, &QPushButton::clicked, this, &TKontoForm::SaveBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &TKontoForm::CancelBtnClick);
}

void TKontoForm::FormShow(const QStringList& employees)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    editor_.open(employees);
    showRows();
    QApplication::restoreOverrideCursor();
    kontoSGrid_->setCurrentCell(0, kFirstValueColumn);
    kontoSGrid_->setFocus();
}

void TKontoForm::showYearButtons()
{
    for (QPushButton* button : yearBtns_) {
        QFont font = button->font();
        const bool shown = button->text() == QString::number(editor_.year());
        font.setBold(shown);
        font.setPointSize(shown ? 12 : 10);
        button->setFont(font);
    }
}

void TKontoForm::showRows()
{
    filling_ = true;
    const QStringList& names = editor_.names();
    kontoSGrid_->setRowCount(int(names.size()));
    for (int row = 0; row < names.size(); ++row) {
        kontoSGrid_->setItem(row, 0, FixedItem(QString::number(row + 1)));
        kontoSGrid_->setItem(row, 1, FixedItem(u"  "_s + names.at(row)));
        for (int column = 0; column < AccountSettingsEditor::kColumns; ++column) {
            auto* item = new QTableWidgetItem(editor_.row(row)[std::size_t(column)]);
            item->setToolTip(editor_.computed(row)[std::size_t(column)]);
            kontoSGrid_->setItem(row, kFirstValueColumn + column, item);
        }
    }
    filling_ = false;
    showYearButtons();
}

void TKontoForm::cellChanged(int row, int column)
{
    if (filling_ || column < kFirstValueColumn)
        return;
    editor_.edit(row, AccountSettingsEditor::Column(column - kFirstValueColumn),
        kontoSGrid_->item(row, column)->text());
}

void TKontoForm::pointToFault()
{
    if (const auto cell = editor_.faultyCell())
        kontoSGrid_->setCurrentCell(cell->first, kFirstValueColumn + cell->second);
}

void TKontoForm::YearBtnClick(int year)
{
    if (editor_.showYear(year))
        showRows();
    else
        pointToFault();
}

void TKontoForm::SaveBtnClick()
{
    const DialogOutcome outcome = editor_.save();
    pointToFault();
    finish(outcome);
}

void TKontoForm::CancelBtnClick()
{
    finish(editor_.cancel());
}

void TKontoForm::reject()
{
    CancelBtnClick();
}

void TKontoForm::finish(DialogOutcome outcome)
{
    if (outcome == DialogOutcome::Close)
        done(QDialog::Rejected);
}
