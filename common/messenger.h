#pragma once

#include <QString>

// Answer codes of a question: yes, no, or closed in another way.
enum AnswerCode : int { kAnswerNo = 0, kAnswerYes = 1, kAnswerClosed = 99 };

// The one way the system speaks to its user. The programs show the message
// dialog; tests record the texts and answer from a script.
class Messenger {
public:
    virtual ~Messenger() = default;
    // A plain message; returns the answer code of the dialog.
    virtual int show(const QString& text) = 0;
    // A yes/no question; returns kAnswerYes, kAnswerNo or kAnswerClosed.
    virtual int ask(const QString& text) = 0;
    // The plain system message box, used where the system bypasses its own
    // dialog (for example before any window exists).
    virtual void systemMessage(const QString& text) = 0;
};
