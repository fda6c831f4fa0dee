#pragma once

#include "common/key_index.h"
#include "common/string_list.h"

#include <QString>

#include <optional>

class DataFileCodec;

// "zkonto.kvd": per employee and year the opening balance of the
// working-time account and the holiday entitlement, one line
// "%.4i%s=%s#%s#%s#" (year, short name; opening balance as signed "h:mm",
// entitlement in days, carried-over days). An empty opening balance or
// carry-over is taken from the year before. The file exists only once
// account settings have been saved.
namespace AccountSettingsFile {

inline constexpr char16_t kFileName[] = u"zkonto.kvd";

struct Settings {
    std::optional<int> opening; // minutes
    int entitlement = 0; // halves of a day
    std::optional<int> carried; // halves of a day

    bool operator==(const Settings&) const = default;
};

QString Key(int year, const QString& shortName);
QString Line(int year, const QString& shortName, const Settings& settings);
// Nothing without a line for the employee and year; fields that cannot be
// read count as empty (the entitlement as 0).
std::optional<Settings> Of(const KeyIndex& file, int year, const QString& shortName);

// Plain or scrambled; a missing file gives no lines.
StringList Load(const QString& dataRoot, DataFileCodec& codec);

} // namespace AccountSettingsFile
