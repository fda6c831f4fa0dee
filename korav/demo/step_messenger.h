#pragma once

#include "common/messenger.h"

#include <QStringList>

// Stands between KORAV's steps and the user while the demo firm is written:
// the steps' questions (set up a new folder, provide again) are answered
// "Ja", and their messages are kept and passed on only when a step fails,
// so that a run that works stays quiet.
class StepMessenger final : public Messenger {
public:
    explicit StepMessenger(Messenger& user) : user_(user) { }

    int show(const QString& text) override;
    int ask(const QString& text) override;
    void systemMessage(const QString& text) override;

    // Passes the kept messages on and forgets them.
    void passOn();
    void forget() { kept_.clear(); }

private:
    Messenger& user_;
    QStringList kept_;
};
