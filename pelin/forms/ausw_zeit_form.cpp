#include "pelin/forms/ausw_zeit_form.h"

#include "common/messenger.h"
#include "pelin/forms/picker_grid_widget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TAuswZeitForm::TAuswZeitForm(Messenger& messenger, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      messenger_(messenger),
      grid_(new PickerGridWidget(
          ComeGoPickerLayout(), [this](const PickerCell& cell) { return picker_.look(cell); }, this)),
      zeitraumLabel_(new QLabel(this)),
      dauerLabel_(new QLabel(this)),
      saveBtn_(new QPushButton(u"&Übernehmen"_s, this)),
      cancelBtn_(new QPushButton(u"&Abbrechen"_s, this))
{
    setObjectName(u"TAuswZeitForm"_s);
    setModal(true);
    grid_->setObjectName(u"ZeitAuswahlGrid"_s);
    zeitraumLabel_->setObjectName(u"ZeitraumLabel"_s);
    dauerLabel_->setObjectName(u"DauerLabel"_s);
    saveBtn_->setObjectName(u"SaveBtn"_s);
    cancelBtn_->setObjectName(u"CancelBtn"_s);

    auto* labels = new QHBoxLayout;
    labels->addWidget(zeitraumLabel_);
    labels->addStretch();
    labels->addWidget(dauerLabel_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveBtn_);
    buttons->addWidget(cancelBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(labels);
    layout->addLayout(buttons);

    connect(grid_, &PickerGridWidget::cellClicked, this, &TAuswZeitForm::GridCellClick);
    connect(saveBtn_, &QPushButton::clicked, this, &TAuswZeitForm::SaveBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    showChoice();
}

void TAuswZeitForm::start(const ComeGoTexts& fields, bool freeMinutes)
{
    picker_ = ComeGoPicker(freeMinutes);
    picker_.start(fields);
    showChoice();
    grid_->placeCursor(CellKind::ComeHour, picker_.comeHour());
    grid_->setFocus();
}

void TAuswZeitForm::placeBelow(const QWidget* anchor)
{
    move(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

void TAuswZeitForm::GridCellClick(const PickerCell& cell)
{
    if (!picker_.click(cell))
        return;
    showChoice();
    moveOnFrom(cell.kind);
}

// Come hour, come minute, go hour, go minute, then "Übernehmen": a day's
// times are four Enter presses away.
void TAuswZeitForm::moveOnFrom(CellKind picked)
{
    switch (picked) {
    case CellKind::ComeHour:
        grid_->placeCursor(CellKind::ComeMinute, picker_.comeMinute());
        return;
    case CellKind::ComeMinute:
        grid_->placeCursor(CellKind::GoHour, picker_.goHour());
        return;
    case CellKind::GoHour:
        if (grid_->placeCursor(CellKind::GoMinute, picker_.goMinute()))
            return;
        break;
    default:
        break;
    }
    saveBtn_->setFocus();
}

void TAuswZeitForm::SaveBtnClick()
{
    const std::optional<QString> refusal = picker_.take();
    showChoice();
    if (refusal) {
        messenger_.show(*refusal);
        return;
    }
    accept();
}

void TAuswZeitForm::showChoice()
{
    zeitraumLabel_->setText(picker_.rangeText());
    dauerLabel_->setText(picker_.durationText());
    QPalette palette = dauerLabel_->palette();
    palette.setColor(QPalette::WindowText, picker_.durationIsFault() ? Qt::red : Qt::black);
    dauerLabel_->setPalette(palette);
    grid_->update();
}
