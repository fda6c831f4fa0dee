#pragma once

#include "pelin/core/pelin_config.h"

#include <QString>
#include <QStringList>
#include <optional>

class DataFileCodec;
class Messenger;

// What PELIN decides when it starts, before anyone logs in.
namespace PelinStartup {

inline constexpr char16_t kConfigFileName[] = u"pelin.cfg";

// Whether the command line marks a start by the administration program: an
// argument, scanned up to the first empty one, equal to "korav".
bool StartedByKorav(const QStringList& arguments);

// Loads "pelin.cfg" from the executable folder. Reports a missing file or
// another data-structure version and then gives nothing: the program ends.
std::optional<PelinConfig> LoadConfiguration(
    const QString& executableFolder, DataFileCodec& codec, Messenger& messenger);

// The hint to start PELIN from the program folder, when one is due.
std::optional<QString> ProgramFolderHint(
    const PelinConfig& config, const QString& executableFolder, bool startedByKorav);

// The text of the hidden configuration display; nothing when the file is
// missing.
std::optional<QString> ConfigurationText(const QString& executableFolder, DataFileCodec& codec);

} // namespace PelinStartup
