#pragma once

#include "common/working_time.h"

#include <optional>

// Colours as plain RGB values, so that the core needs no GUI types.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kOpenGrey { 228, 228, 228 };
inline constexpr Rgb kOpenYellow { 255, 221, 140 };
inline constexpr Rgb kOpenSalmon { 255, 186, 140 };
inline constexpr Rgb kOpenGreen { 181, 230, 29 };
inline constexpr Rgb kOpenOrangeStripe { 255, 168, 111 };

struct DayOpenColours {
    Rgb background;
    std::optional<Rgb> stripe; // drawn below the value when over-assigned

    bool operator==(const DayOpenColours&) const = default;
};

DayOpenColours DayOpenColoursOf(const DayValues& values);
Rgb MonthOpenColourOf(const MonthValues& values);
