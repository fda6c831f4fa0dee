#include "common/ui/dialog_messenger.h"

#include "common/ui/zeige_botschaft_form.h"

#include <QMessageBox>

DialogMessenger::DialogMessenger(QString title, QWidget* parent)
    : title_(std::move(title)), form_(new TZeigeBotschaftForm(title_, parent))
{
}

DialogMessenger::~DialogMessenger()
{
    if (!form_->parent())
        delete form_;
}

int DialogMessenger::show(const QString& text)
{
    return form_->execute(text, TZeigeBotschaftForm::kMessage);
}

int DialogMessenger::ask(const QString& text)
{
    return form_->execute(text, TZeigeBotschaftForm::kQuestion);
}

int DialogMessenger::askDefaultNo(const QString& text)
{
    return form_->execute(text, TZeigeBotschaftForm::kQuestionDefaultNo);
}

void DialogMessenger::systemMessage(const QString& text)
{
    QMessageBox::information(nullptr, title_, text);
}
