#pragma once

#include "common/messenger.h"

#include <QList>
#include <QStringList>

// Records every text shown to the user and answers questions from a script;
// an unscripted question is answered with "Nein".
class ScriptedMessenger final : public Messenger {
public:
    int show(const QString& text) override;
    int ask(const QString& text) override;
    void systemMessage(const QString& text) override;

    void answerNext(int answer) { answers_.append(answer); }

    QStringList messages; // texts of show() and systemMessage(), in order
    QStringList questions; // texts of ask(), in order
    QStringList all; // every text, in order

private:
    QList<int> answers_;
};
