#pragma once

#include "common/string_list.h"

#include <QDate>
#include <QString>

#include <array>

enum class HolidayCountry { Germany, Austria, Switzerland, None };

// The regional holidays of Germany that the administration switches on.
enum class GermanSwitch {
    Epiphany = 0,
    CorpusChristi = 1,
    Assumption = 2,
    ReformationDay = 3,
    AllSaints = 4,
    DayOfRepentance = 5,
};

struct HolidaySettings {
    HolidayCountry country = HolidayCountry::Germany;
    std::array<bool, 6> germanSwitches {};

    // From the configuration keys "landcode" and "feiertag".
    static HolidaySettings FromConfig(const StringList& config);
    // "landcode": 1 Austria, 2 Switzerland, 99 none, anything else Germany.
    static HolidayCountry CountryFromLandcode(int landcode);
    // "feiertag": one character per switch, "1" is on; missing characters are off.
    static std::array<bool, 6> SwitchesFromText(QStringView text);

    bool isOn(GermanSwitch which) const { return germanSwitches.at(static_cast<int>(which)); }
    bool operator==(const HolidaySettings&) const = default;
};

// "D", "Ö", "S" or "-", as shown beside the calendar.
QString CountryLetter(HolidayCountry country);

// The holiday dates of one year that move: Easter and the days derived from
// it, and the Day of Repentance and Prayer.
struct MovableFeasts {
    int year = 0;
    QDate goodFriday;
    QDate easterSunday;
    QDate easterMonday;
    QDate ascension;
    QDate whitSunday;
    QDate whitMonday;
    QDate corpusChristi;
    QDate dayOfRepentance;

    static MovableFeasts Of(int year);
};

// Public holidays of one displayed year under the chosen settings. The
// movable feasts are computed once per year.
class HolidayCalendar {
public:
    HolidayCalendar(HolidaySettings settings, int year);

    const HolidaySettings& settings() const { return settings_; }
    void setSettings(const HolidaySettings& settings) { settings_ = settings; }
    int year() const { return feasts_.year; }
    // Recomputes the movable feasts only when the year differs.
    void setYear(int year);

    // Name of the first applying rule, with its blanks; empty when none.
    QString holidayName(int day, int month) const;
    bool isHoliday(int day, int month) const { return !holidayName(day, month).isEmpty(); }
    // For a date of any year; uses the computed feasts when the year matches.
    QString holidayName(QDate date) const;
    bool isHoliday(QDate date) const { return !holidayName(date).isEmpty(); }

private:
    HolidaySettings settings_;
    MovableFeasts feasts_;
};

// Holiday name of a date of the feasts' year; empty for any other year.
QString HolidayNameOf(QDate date, const MovableFeasts& feasts, const HolidaySettings& settings);
