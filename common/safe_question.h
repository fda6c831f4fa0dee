#pragma once

#include "common/messenger.h"

// A messenger that can start a question on "Nein", for questions whose
// "Ja" destroys data.
class SafeQuestions {
public:
    virtual ~SafeQuestions() = default;
    virtual int askDefaultNo(const QString& text) = 0;
};

// Asks on "Nein" where the messenger can; other messengers (scripts, the
// command line) ask as usual.
inline int AskDefaultNo(Messenger& messenger, const QString& text)
{
    if (auto* safe = dynamic_cast<SafeQuestions*>(&messenger))
        return safe->askDefaultNo(text);
    return messenger.ask(text);
}
