#include "korav/forms/ausw_projekte_form.h"

#include "common/ui/chooser_keys.h"
#include "korav/core/activity_chooser.h"
#include "korav/forms/form_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

TAuswProjekteForm::TAuswProjekteForm(const BaseDataStore& store, QWidget* parent)
    : QDialog(parent),
      store_(store),
      suchEdit_(new QLineEdit(this)),
      filterListView_(new QTreeWidget(this)),
      uebernehmenSBtn_(MakeButton(this, u"UebernehmenSBtn"_s, u"&Übernehmen"_s))
{
    setObjectName(u"AuswProjekteForm"_s);
    setWindowTitle(u"  Zugeordnete Zeit"_s);
    suchEdit_->setObjectName(u"SuchEdit"_s);
    suchEdit_->setMaxLength(ActivityChooser::kMaxSearch);
    filterListView_->setObjectName(u"FilterListView"_s);
    filterListView_->setColumnCount(2);
    filterListView_->setHeaderHidden(true);
    filterListView_->setRootIsDecorated(false);
    filterListView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    filterListView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* cancelSBtn = MakeButton(this, u"CancelSBtn"_s, u"&Abbrechen"_s);
    uebernehmenSBtn_->setAutoDefault(false);
    cancelSBtn->setAutoDefault(false);
    uebernehmenSBtn_->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(u"Suche nach"_s, this), 0, 0);
    grid->addWidget(suchEdit_, 0, 1);
    grid->addWidget(filterListView_, 1, 0, 1, 3);
    grid->addWidget(uebernehmenSBtn_, 2, 1);
    grid->addWidget(cancelSBtn, 2, 2);
    resize(560, 420);

    connect(suchEdit_, &QLineEdit::textEdited, this, &TAuswProjekteForm::SuchEditKeyUp);
    connect(filterListView_, &QTreeWidget::itemClicked, this, &TAuswProjekteForm::FilterListViewClick);
    connect(filterListView_, &QTreeWidget::itemDoubleClicked, this, &TAuswProjekteForm::UebernehmenSBtnClick);
    connect(uebernehmenSBtn_, &QPushButton::clicked, this, &TAuswProjekteForm::UebernehmenSBtnClick);
    connect(cancelSBtn, &QPushButton::clicked, this, &TAuswProjekteForm::CancelSBtnClick);
    connect(filterListView_, &QTreeWidget::currentItemChanged, this, &TAuswProjekteForm::FilterListViewClick);
    new ChooserKeys(suchEdit_, filterListView_, [this] { UebernehmenSBtnClick(); });
}

void TAuswProjekteForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    suchEdit_->setFocus();
}

void TAuswProjekteForm::FormShow(int tag, const ActivityListEditor* open)
{
    tag_ = tag;
    setWindowTitle(ActivityChooser::Caption(tag));
    uebernehmenSBtn_->setEnabled(false);
    suchEdit_->clear();
    chosen_ = {};
    list_ = open ? ActivityChooser::BuildList(store_, tag, *open) : ActivityChooser::BuildList(store_, tag);
    showRows();
    setResult(QDialog::Rejected);
}

void TAuswProjekteForm::showRows()
{
    filterListView_->clear();
    for (const QString& line : ActivityChooser::Rows(list_, suchEdit_->text()))
        filterListView_->addTopLevelItem(
            new QTreeWidgetItem(QStringList { StringList::KeyOf(line), StringList::ValueOf(line) }));
    uebernehmenSBtn_->setEnabled(false);
}

void TAuswProjekteForm::SuchEditKeyUp()
{
    showRows();
}

void TAuswProjekteForm::FilterListViewClick()
{
    uebernehmenSBtn_->setEnabled(filterListView_->currentItem() != nullptr);
}

void TAuswProjekteForm::UebernehmenSBtnClick()
{
    chosen_ = {};
    if (const QTreeWidgetItem* row = filterListView_->currentItem())
        chosen_ = { row->text(0), u' ' + row->text(1) };
    done(QDialog::Accepted);
}

void TAuswProjekteForm::CancelSBtnClick()
{
    done(QDialog::Rejected);
}
