#include "korav/forms/abschluss_form.h"

#include "korav/core/month_closing.h"
#include "korav/forms/form_parts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The years offered: five back from the start year.
constexpr int kYearsBack = 5;

QComboBox* MakeBox(QWidget* parent, const QString& name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    return box;
}

} // namespace

TAbschlussForm::TAbschlussForm(
    const MonthClosing& closing, AdminPasswords::Role role, QDate startDate, QWidget* parent)
    : QDialog(parent),
      closing_(closing),
      role_(role),
      startDate_(startDate),
      abschlussLabel_(new QLabel(this)),
      monatCBox_(MakeBox(this, u"MonatCBox"_s)),
      jahrCBox_(MakeBox(this, u"JahrCBox"_s)),
      saveBtn_(MakeButton(this, u"SaveBtn"_s, u"&Abschließen"_s)),
      cancelBtn_(MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s))
{
    setObjectName(u"AbschlussForm"_s);
    setWindowTitle(u"  Monate abschließen bis"_s);
    abschlussLabel_->setObjectName(u"AbschlussLabel"_s);
    for (int month = 1; month <= 12; ++month)
        monatCBox_->addItem(QString::number(month));
    for (int year = startDate_.year() - kYearsBack; year <= startDate_.year(); ++year)
        jahrCBox_->addItem(QString::number(year));
    auto* grid = new QGridLayout(this);
    grid->addWidget(abschlussLabel_, 0, 0, 1, 4);
    grid->addWidget(new QLabel(u"Monate abschließen bis"_s, this), 1, 0);
    grid->addWidget(monatCBox_, 1, 1);
    grid->addWidget(new QLabel(u"/"_s, this), 1, 2);
    grid->addWidget(jahrCBox_, 1, 3);
    grid->addWidget(new QLabel(u"Tage abgeschlossener Monate können in PELIN und in KORAV nicht mehr\n"
                               "geändert werden. Nur der System-Administrator kann Monate wieder öffnen."_s,
                        this),
        2, 0, 1, 4);
    grid->addWidget(saveBtn_, 3, 2);
    grid->addWidget(cancelBtn_, 3, 3);
    connect(saveBtn_, &QPushButton::clicked, this, &TAbschlussForm::SaveBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
}

void TAbschlussForm::FormShow()
{
    statusText_.clear();
    const ClosedMonths current = closing_.current();
    abschlussLabel_->setText(current.any() ? u" Abgeschlossen sind die Monate bis %1"_s.arg(current.text())
                                           : u" Es sind keine Monate abgeschlossen"_s);
    const QDate proposed = startDate_.addMonths(-1);
    monatCBox_->setCurrentText(QString::number(proposed.month()));
    jahrCBox_->setCurrentText(QString::number(proposed.year()));
    cancelBtn_->setFocus();
}

void TAbschlussForm::SaveBtnClick()
{
    const ClosedMonths target(jahrCBox_->currentText().toInt(), monatCBox_->currentText().toInt());
    if (const std::optional<QString> status = closing_.CloseUpTo(target, role_)) {
        statusText_ = *status;
        accept();
    }
}
