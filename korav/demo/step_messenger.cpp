#include "korav/demo/step_messenger.h"

int StepMessenger::show(const QString& text)
{
    kept_.append(text);
    return kAnswerYes;
}

int StepMessenger::ask(const QString& text)
{
    Q_UNUSED(text);
    return kAnswerYes;
}

void StepMessenger::systemMessage(const QString& text)
{
    kept_.append(text);
}

void StepMessenger::passOn()
{
    for (const QString& text : std::as_const(kept_))
        user_.show(text);
    kept_.clear();
}
