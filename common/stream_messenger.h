#pragma once

#include "common/messenger.h"

#include <cstdio>

// A messenger for programs without a window: every message becomes one line
// on a stream (line breaks and runs of blanks folded), questions are answered
// "Ja" only when the user said so in advance.
class StreamMessenger final : public Messenger {
public:
    explicit StreamMessenger(FILE* stream, bool answerYes = false)
        : stream_(stream), answerYes_(answerYes) { }

    int show(const QString& text) override;
    int ask(const QString& text) override;
    void systemMessage(const QString& text) override;

    int messageCount() const { return count_; }
    static QString OneLine(const QString& text);

private:
    void write(const QString& text);

    FILE* stream_;
    bool answerYes_;
    int count_ = 0;
};
