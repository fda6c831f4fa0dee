#include "tests/support/scripted_messenger.h"

int ScriptedMessenger::show(const QString& text)
{
    messages.append(text);
    all.append(text);
    return kAnswerNo;
}

int ScriptedMessenger::ask(const QString& text)
{
    questions.append(text);
    all.append(text);
    return answers_.isEmpty() ? kAnswerNo : answers_.takeFirst();
}

void ScriptedMessenger::systemMessage(const QString& text)
{
    messages.append(text);
    all.append(text);
}
