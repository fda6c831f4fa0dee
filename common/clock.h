#pragma once

#include <QDateTime>

// "Today", the start date and "now" all come from here, so that every
// date-dependent rule can be exercised on any date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime now) : now_(std::move(now)) { }
    explicit FixedClock(QDate day) : now_(day.startOfDay()) { }
    QDateTime now() const override { return now_; }
    void set(QDateTime now) { now_ = std::move(now); }

private:
    QDateTime now_;
};
