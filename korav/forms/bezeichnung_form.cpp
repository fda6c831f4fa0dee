#include "korav/forms/bezeichnung_form.h"

#include "korav/core/activity_list_editor.h"
#include "korav/forms/form_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* MakeEntry(QWidget* parent, const QString& name)
{
    auto* entry = new QLineEdit(parent);
    entry->setObjectName(name);
    entry->setMaxLength(ActivityListEditor::kMaxDesignation);
    return entry;
}

} // namespace

TBezeichnungForm::TBezeichnungForm(ActivityListEditor& editor, QWidget* parent)
    : QDialog(parent),
      editor_(editor),
      bezeichnung4Edit_(MakeEntry(this, u"Bezeichnung4Edit"_s)),
      bezeichnung5Edit_(MakeEntry(this, u"Bezeichnung5Edit"_s)),
      closeBtn_(MakeButton(this, u"CloseBtn"_s, u"&Schließen"_s))
{
    setObjectName(u"BezeichnungForm"_s);
    setWindowTitle(u"  Bezeichnungen Schnelleintrag in PELIN"_s);
    auto* grid = new QGridLayout(this);
    grid->addWidget(
        new QLabel(u"Die 4. und 5. Bezeichnung des Schnelleintrags in PELIN können geändert werden."_s, this),
        0, 0, 1, 3);
    grid->addWidget(new QLabel(u"Die Bezeichnung 1-3 sind fest vorgegeben."_s, this), 1, 0, 1, 3);
    const QString fixed[] = { u"Krank"_s, u"Pause"_s, u"Urlaub"_s };
    for (int i = 0; i < 3; ++i)
        grid->addWidget(new QLabel(fixed[i], this), 2 + i, 0);
    grid->addWidget(bezeichnung4Edit_, 5, 0);
    grid->addWidget(new QLabel(u"max.12"_s, this), 5, 1);
    grid->addWidget(bezeichnung5Edit_, 6, 0);
    grid->addWidget(new QLabel(u"max.12"_s, this), 6, 1);
    grid->addWidget(closeBtn_, 7, 2);
    connect(closeBtn_, &QPushButton::clicked, this, &TBezeichnungForm::CloseBtnClick);
}

void TBezeichnungForm::FormShow()
{
    editor_.beginDesignations();
    bezeichnung4Edit_->setText(editor_.startDesignation4());
    bezeichnung5Edit_->setText(editor_.startDesignation5());
    closeBtn_->setFocus();
}

void TBezeichnungForm::CloseBtnClick()
{
    QString entry4 = bezeichnung4Edit_->text();
    QString entry5 = bezeichnung5Edit_->text();
    editor_.endDesignations(entry4, entry5);
    bezeichnung4Edit_->setText(entry4);
    bezeichnung5Edit_->setText(entry5);
    done(QDialog::Accepted);
}

void TBezeichnungForm::reject()
{
    CloseBtnClick();
}
