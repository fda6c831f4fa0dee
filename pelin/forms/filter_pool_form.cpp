#include "pelin/forms/filter_pool_form.h"

#include "common/ui/named_widgets.h"
#include "common/ui/tab_order.h"
#include "pelin/forms/activity_list_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFilterPoolForm::TFilterPoolForm(Messenger& messenger, QWidget* parent)
    : QDialog(parent),
      messenger_(messenger),
      filterListView_(new ActivityListView(&FilterRowText, this)),
      suchEdit_(new QLineEdit(this)),
      stammNrLabel_(new QLabel(this)),
      filterMaPoolLBox_(new QListWidget(this))
{
    setObjectName(u"FilterPoolForm"_s);
    setWindowTitle(u"  Tätigkeiten-Filter bearbeiten"_s);
    resize(760, 480);
    suchEdit_->setObjectName(u"SuchEdit"_s);
    suchEdit_->setMaxLength(14);
    stammNrLabel_->setObjectName(u"StammNrLabel"_s);
    filterMaPoolLBox_->setObjectName(u"FilterMaPoolLBox"_s);

    QPushButton* clear = MakeButton(this, u"DelT1Btn"_s, u"X"_s);
    QPushButton* add = MakeButton(this, u"MaPoolPlusBtn"_s, u"Angezeigte Aus&wahl zu Filter addieren"_s);
    QPushButton* deleteRow = MakeButton(this, u"DelMarkZeileBtn"_s, u"&Mark.Zeile löschen"_s);
    QPushButton* deleteAll = MakeButton(this, u"DelAlleZeilenBtn"_s, u"&Filter löschen"_s);
    QPushButton* closeBtn = MakeButton(this, u"CloseBtn"_s, u"&Schließen"_s);
    QPushButton* cancel = MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s);
    connect(suchEdit_, &QLineEdit::textEdited, this, &TFilterPoolForm::SuchEditKeyUp);
    connect(clear, &QPushButton::clicked, this, &TFilterPoolForm::DelT1BtnClick);
    connect(add, &QPushButton::clicked, this, &TFilterPoolForm::MaPoolPlusBtnClick);
    connect(deleteRow, &QPushButton::clicked, this, &TFilterPoolForm::DelMarkZeileBtnClick);
    connect(deleteAll, &QPushButton::clicked, this, &TFilterPoolForm::DelAlleZeilenBtnClick);
    connect(closeBtn, &QPushButton::clicked, this, &TFilterPoolForm::CloseBtnClick);
    connect(cancel, &QPushButton::clicked, this, &TFilterPoolForm::CancelBtnClick);

    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(u"Suche nach"_s, this));
    search->addWidget(suchEdit_);
    search->addWidget(clear);
    search->addStretch();
    search->addWidget(new QLabel(u"Länge Stamm-Nr. :"_s, this));
    search->addWidget(stammNrLabel_);
    auto* lists = new QHBoxLayout;
    lists->addWidget(filterListView_, 3);
    lists->addWidget(filterMaPoolLBox_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : { add, deleteRow, deleteAll })
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(closeBtn);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    SetTabOrder({ suchEdit_, clear, filterListView_, filterMaPoolLBox_, add, deleteRow, deleteAll, closeBtn,
        cancel });
}

void TFilterPoolForm::prepare(FilterPoolEditor& editor, const StringList& activities, int masterLength)
{
    editor_ = &editor;
    masterLength_ = masterLength;
    editor.open(editor.pool());
    closeResult_ = FilterPoolEditor::CloseResult::Unchanged;
    suchEdit_->clear();
    stammNrLabel_->setText(QString::number(masterLength));
    filterListView_->setActivities(activities);
    fillPool();
}

void TFilterPoolForm::fillPool()
{
    filterMaPoolLBox_->clear();
    filterMaPoolLBox_->addItems(editor_->pool().entries());
}

void TFilterPoolForm::SuchEditKeyUp()
{
    filterListView_->applySearch(suchEdit_->text());
}

void TFilterPoolForm::DelT1BtnClick()
{
    suchEdit_->clear();
    filterListView_->applySearch({});
}

void TFilterPoolForm::MaPoolPlusBtnClick()
{
    editor_->addShownRows(filterListView_->shownNumbers(), masterLength_, messenger_);
    fillPool();
}

void TFilterPoolForm::DelMarkZeileBtnClick()
{
    const int row = filterMaPoolLBox_->currentRow();
    const QListWidgetItem* item = filterMaPoolLBox_->currentItem();
    editor_->deleteMarkedRow(item ? row : -1, item ? item->text() : QString(), messenger_);
    fillPool();
}

void TFilterPoolForm::DelAlleZeilenBtnClick()
{
    editor_->deleteAll();
    fillPool();
}

void TFilterPoolForm::CloseBtnClick()
{
    closeResult_ = editor_->close(messenger_);
    accept();
}

void TFilterPoolForm::CancelBtnClick()
{
    closeResult_ = FilterPoolEditor::CloseResult::Unchanged;
    reject();
}
