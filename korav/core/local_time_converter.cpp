#include "korav/core/local_time_converter.h"

#include <limits>

LocalTimeConverter::LocalTimeConverter() : zone_(QTimeZone::systemTimeZone()) { }

QDateTime LocalTimeConverter::toLocal(const QDateTime& time)
{
    if (!time.isValid() || !zone_.isValid())
        return time.toLocalTime();
    const QDateTime utc = time.toUTC();
    const qint64 ms = utc.toMSecsSinceEpoch();
    if (ms < fromMs_ || ms >= untilMs_)
        learnPeriodOf(utc);
    return utc.toOffsetFromUtc(offsetSeconds_);
}

// The offset itself comes from the C library, as toLocalTime() takes it;
// the zone only says how long it holds.
void LocalTimeConverter::learnPeriodOf(const QDateTime& utc)
{
    const QDateTime local = utc.toLocalTime();
    offsetSeconds_ = int(utc.secsTo(QDateTime(local.date(), local.time(), Qt::UTC)));
    const QTimeZone::OffsetData before = zone_.previousTransition(utc.addMSecs(1));
    const QTimeZone::OffsetData after = zone_.nextTransition(utc);
    fromMs_ = before.atUtc.isValid() ? before.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    untilMs_ = after.atUtc.isValid() ? after.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    if (fromMs_ > utc.toMSecsSinceEpoch() || untilMs_ <= utc.toMSecsSinceEpoch())
        untilMs_ = fromMs_ = utc.toMSecsSinceEpoch();
}
