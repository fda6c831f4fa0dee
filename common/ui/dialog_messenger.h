#pragma once

#include "common/messenger.h"
#include "common/safe_question.h"

class QWidget;
class TZeigeBotschaftForm;

// The programs' messenger: every message and question goes through the
// program's own message dialog; system messages use the system box.
class DialogMessenger final : public Messenger, public SafeQuestions {
public:
    DialogMessenger(QString title, QWidget* parent = nullptr);
    ~DialogMessenger() override;

    int show(const QString& text) override;
    int ask(const QString& text) override;
    int askDefaultNo(const QString& text) override;
    void systemMessage(const QString& text) override;

    TZeigeBotschaftForm& form() { return *form_; }

private:
    QString title_;
    TZeigeBotschaftForm* form_;
};
