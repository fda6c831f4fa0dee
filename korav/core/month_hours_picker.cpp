#include "korav/core/month_hours_picker.h"

#include "common/messenger.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxDigits = 3;
constexpr int kMaxDailyMinutes = 24 * 60;

} // namespace

void MonthHoursPicker::start(int tag, int precision)
{
    tag_ = tag;
    precision_ = precision == 15 ? 15 : 5;
    typed_.clear();
    hours_.reset();
    minutes_.reset();
    highlightedDigit_.reset();
}

bool MonthHoursPicker::minuteReacts(int minute) const
{
    return minute >= 0 && minute < 60 && minute % precision_ == 0;
}

MonthHoursPicker::Outcome MonthHoursPicker::clickDigit(int digit)
{
    if (digit < 0 || digit > 9)
        return Outcome::Waiting;
    highlightedDigit_ = digit;
    if (typed_.size() < kMaxDigits) {
        typed_ += QChar(u'0' + digit);
        hours_ = typed_.toInt();
    }
    return settle();
}

MonthHoursPicker::Outcome MonthHoursPicker::clickMinute(int minute)
{
    if (!minuteReacts(minute))
        return Outcome::Waiting;
    minutes_ = minute;
    return settle();
}

void MonthHoursPicker::clearHours()
{
    typed_.clear();
    hours_.reset();
    highlightedDigit_.reset();
}

QString MonthHoursPicker::hourText() const
{
    return hours_ ? QString::number(*hours_) : QString();
}

QString MonthHoursPicker::minuteText() const
{
    return minutes_ ? u"%1"_s.arg(*minutes_, 2, 10, QChar(u'0')) : QString();
}

MonthHoursPicker::Outcome MonthHoursPicker::settle()
{
    if (!hours_ || !minutes_)
        return Outcome::Waiting;
    if (*hours_ == 0 && *minutes_ == 0) {
        if (tag_ == kEntryDuration)
            return refuse(u"Projektzeit muss größer 0 sein  "_s);
        return Outcome::Closed;
    }
    if (tag_ == kDailyTarget && *hours_ * 60 + *minutes_ > kMaxDailyMinutes)
        return refuse(u"Die maximale tägliche Arbeitszeit beträgt 24 Stunden !"_s);
    return Outcome::Taken;
}

MonthHoursPicker::Outcome MonthHoursPicker::refuse(const QString& message)
{
    messenger_.show(message);
    typed_.clear();
    hours_.reset();
    minutes_.reset();
    return Outcome::Refused;
}
