#pragma once

#include <QString>

#include <optional>

class Messenger;

// The hours picker of KORAV: up to three typed hour digits and one minute
// cell. The tag names the caller, which decides what a complete pick means.
class MonthHoursPicker {
public:
    enum Tag : int { kMonthWorkTime = 100, kEntryDuration = 200, kDailyTarget = 300 };
    enum class Outcome {
        Waiting, // hours or minutes still to be picked
        Taken, // the result is final; the picker closes
        Closed, // closes without a result
        Refused, // message shown, picks reset; the picker stays open
    };

    explicit MonthHoursPicker(Messenger& messenger) : messenger_(messenger) { }

    // precision: 5 or 15 minutes.
    void start(int tag, int precision);
    int tag() const { return tag_; }
    int precision() const { return precision_; }

    bool minuteReacts(int minute) const;
    Outcome clickDigit(int digit);
    Outcome clickMinute(int minute);
    // "X": forget the typed hours.
    void clearHours();

    // The digits typed so far, as shown in StundenLabel.
    const QString& typedDigits() const { return typed_; }
    std::optional<int> highlightedDigit() const { return highlightedDigit_; }
    std::optional<int> minutes() const { return minutes_; }
    // Decimal without leading zeros.
    QString hourText() const;
    // Two digits.
    QString minuteText() const;

private:
    Outcome settle();
    Outcome refuse(const QString& message);

    Messenger& messenger_;
    int tag_ = kMonthWorkTime;
    int precision_ = 5;
    QString typed_;
    std::optional<int> hours_;
    std::optional<int> minutes_;
    std::optional<int> highlightedDigit_;
};
