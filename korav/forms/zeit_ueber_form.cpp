#include "korav/forms/zeit_ueber_form.h"

#include "common/ui/tab_order.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/zeit_soll_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* MakeRowEntry(QWidget* parent, const QString& name)
{
    auto* entry = new QLineEdit(parent);
    entry->setObjectName(name);
    entry->setMaxLength(3);
    return entry;
}

} // namespace

TZeitUeberForm::TZeitUeberForm(TZeitSollForm& targets)
    : QDialog(&targets),
      targets_(targets),
      vonEdit_(MakeRowEntry(this, u"VonEdit"_s)),
      nachEdit_(MakeRowEntry(this, u"NachEdit"_s)),
      eineZeileRBtn_(new QRadioButton(u"  nach Zeile"_s, this)),
      alleZeilenRBtn_(new QRadioButton(u"  nach alle Zeilen"_s, this))
{
    setObjectName(u"ZeitUeberForm"_s);
    setWindowTitle(u"  Zeilen kopieren"_s);
    eineZeileRBtn_->setObjectName(u"EineZeileRBtn"_s);
    alleZeilenRBtn_->setObjectName(u"AlleZeilenRBtn"_s);
    auto* doBtn = MakeButton(this, u"DoBtn"_s, u"&Ausführen"_s);
    auto* cancelBtn = MakeButton(this, u"CancelBtn"_s, u"&Schließen"_s);
    doBtn->setAutoDefault(false);
    cancelBtn->setAutoDefault(false);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(u"Monat - Sollzeiten kopieren"_s, this), 0, 0, 1, 3);
    grid->addWidget(new QLabel(u"von Zeile"_s, this), 1, 0);
    grid->addWidget(vonEdit_, 1, 1);
    grid->addWidget(eineZeileRBtn_, 2, 0);
    grid->addWidget(nachEdit_, 2, 1);
    grid->addWidget(alleZeilenRBtn_, 3, 0);
    grid->addWidget(doBtn, 4, 1);
    grid->addWidget(cancelBtn, 4, 2);
    SetTabOrder({ vonEdit_, eineZeileRBtn_, nachEdit_, alleZeilenRBtn_, doBtn, cancelBtn });
    connect(doBtn, &QPushButton::clicked, this, &TZeitUeberForm::DoBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TZeitUeberForm::FormShow()
{
    vonEdit_->clear();
    nachEdit_->clear();
    eineZeileRBtn_->setChecked(true);
}

void TZeitUeberForm::DoBtnClick()
{
    targets_.copyRow(vonEdit_->text(), nachEdit_->text(), alleZeilenRBtn_->isChecked());
}
