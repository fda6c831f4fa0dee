#include "pelin/forms/ausw_projekte_form.h"

#include "common/ui/chooser_keys.h"
#include "common/ui/tab_order.h"
#include "pelin/core/filter_pool.h"
#include "pelin/forms/activity_list_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TAuswProjekteForm::TAuswProjekteForm(QWidget* parent)
    : QDialog(parent),
      filterListView_(new ActivityListView(&ChooserRowText, this)),
      suchEdit_(new QLineEdit(this)),
      uebernehmenBtn_(new QPushButton(u"&in Tag übernehmen "_s, this))
{
    setObjectName(u"AuswProjekteForm"_s);
    setWindowTitle(u"  Tätigkeit auswählen"_s);
    resize(640, 460);
    suchEdit_->setObjectName(u"SuchEdit"_s);
    suchEdit_->setMaxLength(14);
    uebernehmenBtn_->setObjectName(u"UebernehmenBtn"_s);
    auto* cancel = new QPushButton(u"&Abbrechen"_s, this);
    cancel->setObjectName(u"CancelBtn"_s);

    connect(suchEdit_, &QLineEdit::textEdited, this, &TAuswProjekteForm::SuchEditKeyUp);
    connect(filterListView_, &QTreeWidget::itemSelectionChanged, this, &TAuswProjekteForm::selectionChanged);
    connect(filterListView_, &QTreeWidget::itemDoubleClicked, this, &TAuswProjekteForm::UebernehmenBtnClick);
    connect(uebernehmenBtn_, &QPushButton::clicked, this, &TAuswProjekteForm::UebernehmenBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    new ChooserKeys(suchEdit_, filterListView_, [this] { UebernehmenBtnClick(); });

    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(u"Suche nach"_s, this));
    search->addWidget(suchEdit_);
    search->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(uebernehmenBtn_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(filterListView_, 1);
    layout->addLayout(buttons);
    SetTabOrder({ suchEdit_, filterListView_, uebernehmenBtn_, cancel });
}

void TAuswProjekteForm::prepare(const StringList& activities)
{
    choice_ = {};
    suchEdit_->clear();
    filterListView_->setActivities(activities);
    uebernehmenBtn_->setEnabled(false);
}

void TAuswProjekteForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    suchEdit_->setFocus();
}

void TAuswProjekteForm::SuchEditKeyUp()
{
    filterListView_->applySearch(suchEdit_->text());
    selectionChanged();
}

void TAuswProjekteForm::selectionChanged()
{
    uebernehmenBtn_->setEnabled(
        filterListView_->currentItem() && !filterListView_->selectedItems().isEmpty());
}

void TAuswProjekteForm::UebernehmenBtnClick()
{
    const QList<QTreeWidgetItem*> selected = filterListView_->selectedItems();
    const QTreeWidgetItem* item = selected.isEmpty() ? nullptr : selected.first();
    choice_ = { filterListView_->number(item), filterListView_->description(item) };
    accept();
}
