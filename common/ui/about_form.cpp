#include "common/ui/about_form.h"

#include "common/ui/program_icons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TAboutForm::TAboutForm(const QString& programLine, const QString& versionLine, QWidget* parent)
    : QDialog(parent), image1_(new QLabel(this))
{
    setObjectName(u"AboutForm"_s);
    setWindowTitle(u"  Programm-Info"_s);
    auto* label1 = new QLabel(programLine, this);
    label1->setObjectName(u"Label1"_s);
    QFont big = label1->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    label1->setFont(big);
    auto* versionLabel = new QLabel(versionLine, this);
    versionLabel->setObjectName(u"VersionLabel"_s);
    image1_->setObjectName(u"Image1"_s);
    image1_->setPixmap(InfoIcon().pixmap(48, 48));
    image1_->setCursor(Qt::PointingHandCursor);
    image1_->installEventFilter(this);
    auto* closeBtn = new QPushButton(u"&Schließen"_s, this);
    closeBtn->setObjectName(u"CloseBtn"_s);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(label1);
    text->addWidget(versionLabel);
    auto* top = new QHBoxLayout;
    top->addWidget(image1_);
    top->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(closeBtn, 0, Qt::AlignRight);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == image1_ && event->type() == QEvent::MouseButtonRelease && buildHandler_) {
        buildHandler_();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
