#include "pelin/forms/tutorial_form.h"

#include "pelin/forms/help_pages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

TTutorialForm::TTutorialForm(QWidget* parent)
    : QDialog(parent), scrollArea_(new QScrollArea(this)), page_(new QLabel)
{
    setObjectName(u"TutorialForm"_s);
    setWindowTitle(u"  Hilfe"_s);
    resize(640, 520);
    page_->setObjectName(u"HilfeSeite"_s);
    page_->setWordWrap(true);
    page_->setTextFormat(Qt::RichText);
    page_->setMargin(12);
    scrollArea_->setObjectName(u"ScrollBox1"_s);
    scrollArea_->setWidget(page_);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->viewport()->installEventFilter(this);

    auto* general = new QPushButton(u"&Allgemeines"_s, this);
    general->setObjectName(u"AllgemeinBtn"_s);
    auto* operation = new QPushButton(u"&Bedienung"_s, this);
    operation->setObjectName(u"BedienungBtn"_s);
    auto* closeBtn = new QPushButton(u"&Schließen"_s, this);
    closeBtn->setObjectName(u"CloseBtn"_s);
    connect(general, &QPushButton::clicked, this, &TTutorialForm::AllgemeinBtnClick);
    connect(operation, &QPushButton::clicked, this, &TTutorialForm::BedienungBtnClick);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(general);
    buttons->addWidget(operation);
    buttons->addStretch();
    buttons->addWidget(closeBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollArea_, 1);
    layout->addLayout(buttons);
}

void TTutorialForm::FormShow()
{
    page_->setText(HelpPageOperation());
    if (!shownBefore_) {
        shownBefore_ = true;
        scrollArea_->verticalScrollBar()->setValue(0);
    }
}

void TTutorialForm::showModal()
{
    FormShow();
    exec();
}

void TTutorialForm::AllgemeinBtnClick()
{
    page_->setText(HelpPageGeneral());
    scrollArea_->setFocus();
}

void TTutorialForm::BedienungBtnClick()
{
    page_->setText(HelpPageOperation());
    scrollArea_->setFocus();
}

bool TTutorialForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scrollArea_->viewport() && event->type() == QEvent::Wheel) {
        QScrollBar* bar = scrollArea_->verticalScrollBar();
        bar->setValue(bar->value() - static_cast<QWheelEvent*>(event)->angleDelta().y() / 8);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
