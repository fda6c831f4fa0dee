#include "common/ui/zeige_botschaft_form.h"

#include "common/messenger.h"
#include "common/ui/message_layout.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {
constexpr int kMargin = 12;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kPointSize = 10;
} // namespace

TZeigeBotschaftForm::TZeigeBotschaftForm(const QString& title, QWidget* parent)
    : QDialog(parent),
      label1_(new QLabel(this)),
      jaBtn_(new QPushButton(u"Ja"_s, this)),
      neinBtn_(new QPushButton(u"Nein"_s, this))
{
    setObjectName(u"ZeigeBotschaftForm"_s);
    setWindowTitle(title);
    label1_->setObjectName(u"Label1"_s);
    label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1_->setWordWrap(true);
    QFont font = label1_->font();
    font.setPointSize(kPointSize);
    label1_->setFont(font);
    jaBtn_->setObjectName(u"JaBtn"_s);
    neinBtn_->setObjectName(u"NeinBtn"_s);
    connect(jaBtn_, &QPushButton::clicked, this, &TZeigeBotschaftForm::JaBtnClick);
    connect(neinBtn_, &QPushButton::clicked, this, &TZeigeBotschaftForm::NeinBtnClick);
}

void TZeigeBotschaftForm::prepare(const QString& text, Mode mode)
{
    const QFontMetrics metrics(label1_->font());
    const MessageLayout layout = LayOutMessage(text, kPointSize, label1_->logicalDpiY(),
        [&metrics](const QString& line) { return metrics.horizontalAdvance(line); });
    label1_->setText(layout.text);
    label1_->setGeometry(kMargin, kMargin, layout.labelWidth, layout.labelHeight);

    const int clientWidth = layout.labelWidth + 2 * kMargin;
    const int buttonTop = kMargin + layout.labelHeight + (48 - kButtonHeight) / 2;
    const int centre = clientWidth / 2;
    if (mode == kMessage) {
        jaBtn_->hide();
        neinBtn_->setText(u"OK"_s);
        neinBtn_->setGeometry(centre - kButtonWidth / 2, buttonTop, kButtonWidth, kButtonHeight);
        neinBtn_->setDefault(true);
        neinBtn_->setFocus();
    } else {
        jaBtn_->show();
        neinBtn_->setText(u"Nein"_s);
        jaBtn_->setGeometry(centre - 4 - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
        neinBtn_->setGeometry(centre + 4, buttonTop, kButtonWidth, kButtonHeight);
        // The dialog is shared: without the focus set here, the focus left on
        // "OK" by the message before would decide what Enter answers.
        QPushButton* safe = mode == kQuestionDefaultNo ? neinBtn_ : jaBtn_;
        safe->setDefault(true);
        safe->setFocus();
    }
    setFixedSize(clientWidth, kMargin + layout.labelHeight + 48);
    answer_ = kAnswerClosed;
}

int TZeigeBotschaftForm::execute(const QString& text, Mode mode)
{
    prepare(text, mode);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
    return answer_;
}

void TZeigeBotschaftForm::JaBtnClick()
{
    answer_ = kAnswerYes;
    accept();
}

void TZeigeBotschaftForm::NeinBtnClick()
{
    answer_ = kAnswerNo;
    accept();
}
