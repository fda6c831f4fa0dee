#pragma once

#include <QDateTime>
#include <QTimeZone>

// Turns many file times into local wall-clock times. Each conversion by
// the C library checks the zone file again; here the offset found for one
// time is kept for every time up to the zone's neighbouring transitions,
// so that thousands of files cost one look-up per period of the zone.
class LocalTimeConverter {
public:
    LocalTimeConverter();

    // The same date and time of day as toLocalTime() would give.
    QDateTime toLocal(const QDateTime& time);

private:
    void learnPeriodOf(const QDateTime& utc);

    QTimeZone zone_;
    qint64 fromMs_ = 0;
    qint64 untilMs_ = 0; // empty period until the first conversion
    int offsetSeconds_ = 0;
};
