#pragma once

#include "common/messenger.h"

// Passes every text on and counts the plain messages, so that a command can
// tell whether an operation that reports its faults only as messages (a
// copy that failed while the rest went on) had any.
class CountingMessenger final : public Messenger {
public:
    explicit CountingMessenger(Messenger& target) : target_(target) { }

    int show(const QString& text) override
    {
        ++shown_;
        return target_.show(text);
    }
    int ask(const QString& text) override { return target_.ask(text); }
    void systemMessage(const QString& text) override
    {
        ++shown_;
        target_.systemMessage(text);
    }

    int shown() const { return shown_; }

private:
    Messenger& target_;
    int shown_ = 0;
};
