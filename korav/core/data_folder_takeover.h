#pragma once

#include "korav/core/data_folder.h"

#include <optional>

class KoravSettings;
class Messenger;

inline constexpr int kMaxDataFolderLength = 220;

struct TakeOverContext {
    Messenger& messenger;
    KoravSettings& settings;
    DataFolder previous; // the data folder before the change, maybe unset
    QString programDirectory; // the folder of KORAV's own executable
};

// Takes the chosen folder over as the data folder, setting it up when it
// holds no KORAV data. Returns the new data folder, or nothing when the
// choice was refused and the dialog stays open.
std::optional<DataFolder> TakeOverDataFolder(const QString& chosen, const TakeOverContext& context);
