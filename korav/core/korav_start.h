#pragma once

#include "korav/core/data_folder.h"

#include <optional>

class KoravSettings;

inline constexpr char16_t kApplicationTitle[] = u"KORAV";
inline constexpr char16_t kWindowsStyle[] = u"Windows";
inline constexpr char16_t kGreyStyle[] = u"PELIN_grau";

// The remembered data folder when it still holds KORAV data; otherwise the
// data-folder dialog has to ask.
std::optional<DataFolder> RememberedDataFolder(const KoravSettings& settings);

// The style kept in the settings when it names one of the two styles exactly.
std::optional<QString> RememberedStyle(const KoravSettings& settings);

// "KORAV - <folder>"
QString MainWindowCaption(const DataFolder& folder);
