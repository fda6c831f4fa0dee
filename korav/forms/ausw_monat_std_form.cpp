#include "korav/forms/ausw_monat_std_form.h"

#include "korav/forms/form_parts.h"
#include "korav/forms/hours_cells_widget.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

TAuswMonatStdForm::TAuswMonatStdForm(Messenger& messenger, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      picker_(messenger),
      cells_(new HoursCellsWidget(picker_, this)),
      stundenLabel_(new QLabel(this))
{
    setObjectName(u"AuswMonatStdForm"_s);
    stundenLabel_->setObjectName(u"StundenLabel"_s);
    auto* delBtn = new QToolButton(this);
    delBtn->setObjectName(u"DelT1SBtn"_s);
    delBtn->setText(u"X"_s);
    delBtn->setToolTip(u"Termin löschen"_s);
    auto* cancelBtn = MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s);
    cancelBtn->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(cells_, 0, 0, 1, 3);
    grid->addWidget(stundenLabel_, 1, 0);
    grid->addWidget(delBtn, 1, 1);
    grid->addWidget(cancelBtn, 1, 2);

    connect(cells_, &HoursCellsWidget::digitClicked, this, &TAuswMonatStdForm::DigitClick);
    connect(cells_, &HoursCellsWidget::minuteClicked, this, &TAuswMonatStdForm::MinuteClick);
    connect(delBtn, &QToolButton::clicked, this, &TAuswMonatStdForm::DelT1SBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TAuswMonatStdForm::start(int tag, int precision)
{
    picker_.start(tag, precision);
    setResult(QDialog::Rejected);
    refresh();
    cells_->placeCursorOnDigit(0);
    cells_->setFocus();
}

void TAuswMonatStdForm::placeBelow(const QWidget* anchor)
{
    move(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

void TAuswMonatStdForm::DigitClick(int digit)
{
    finish(picker_.clickDigit(digit));
}

void TAuswMonatStdForm::MinuteClick(int minute)
{
    finish(picker_.clickMinute(minute));
}

void TAuswMonatStdForm::DelT1SBtnClick()
{
    picker_.clearHours();
    refresh();
}

void TAuswMonatStdForm::finish(MonthHoursPicker::Outcome outcome)
{
    refresh();
    if (outcome == MonthHoursPicker::Outcome::Taken)
        done(QDialog::Accepted);
    else if (outcome == MonthHoursPicker::Outcome::Closed)
        done(QDialog::Rejected);
}

void TAuswMonatStdForm::refresh()
{
    stundenLabel_->setText(picker_.typedDigits());
    cells_->update();
}
