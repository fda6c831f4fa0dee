#include "pelin/forms/ausw_std_form.h"

#include "common/messenger.h"
#include "pelin/forms/picker_grid_widget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TAuswStdForm::TAuswStdForm(Messenger& messenger, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      messenger_(messenger),
      grid_(new PickerGridWidget(
          HoursPickerLayout(), [this](const PickerCell& cell) { return picker_.look(cell); }, this)),
      stdLabel_(new QLabel(this)),
      minLabel_(new QLabel(this)),
      cancelBtn_(new QPushButton(u"&Abbrechen"_s, this))
{
    setObjectName(u"TAuswStdForm"_s);
    setModal(true);
    grid_->setObjectName(u"StdAuswahlGrid"_s);
    stdLabel_->setObjectName(u"StdWertLabel"_s);
    minLabel_->setObjectName(u"MinWertLabel"_s);
    cancelBtn_->setObjectName(u"CancelBtn"_s);

    auto* values = new QHBoxLayout;
    values->addWidget(stdLabel_);
    values->addWidget(new QLabel(u":"_s, this));
    values->addWidget(minLabel_);
    values->addStretch();
    values->addWidget(cancelBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(values);

    connect(grid_, &PickerGridWidget::cellClicked, this, &TAuswStdForm::GridCellClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    showChoice();
}

void TAuswStdForm::start(bool freeMinutes)
{
    picker_ = HoursPicker(freeMinutes);
    showChoice();
    grid_->placeCursor(CellKind::Hour, std::nullopt);
    grid_->setFocus();
}

void TAuswStdForm::placeBelow(const QWidget* anchor)
{
    move(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

void TAuswStdForm::GridCellClick(const PickerCell& cell)
{
    const HoursPicker::Outcome outcome = picker_.click(cell);
    showChoice();
    if (outcome == HoursPicker::Outcome::Refused) {
        messenger_.show(HoursPicker::ZeroDurationMessage());
        grid_->placeCursor(CellKind::Hour, std::nullopt);
    } else if (outcome == HoursPicker::Outcome::Taken) {
        accept();
    } else if (outcome == HoursPicker::Outcome::Waiting) {
        const bool hourPicked = cell.kind == CellKind::Hour;
        grid_->placeCursor(hourPicked ? CellKind::Minute : CellKind::Hour, std::nullopt);
    }
}

void TAuswStdForm::showChoice()
{
    stdLabel_->setText(picker_.hourText());
    minLabel_->setText(picker_.minuteText());
    grid_->update();
}
