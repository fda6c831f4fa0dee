#pragma once

#include "korav/core/data_folder.h"

#include <QStringList>
#include <optional>

class Messenger;
class TZipObj;

// The update package "pelin-update.zip" in the data folder: PELIN's
// configuration, its program and the installer, and the marker that says
// the package has been uploaded since it was packed.
namespace UpdatePackage {

inline constexpr char16_t kPackage[] = u"pelin-update.zip";
inline constexpr char16_t kUploadMarker[] = u"uplstemp_zip.kvd";
inline constexpr int kLevel = 6;

// Packing writes into the data folder: refused in a backup folder.
bool MayPack(const DataFolder& data, Messenger& messenger);
// The files to pack in their order, or nothing after the message of the
// first one missing.
std::optional<QStringList> FilesToPack(const DataFolder& data, Messenger& messenger);
// Packs the files into the package and deletes the marker, whatever the
// outcome: a package that was packed again has not been uploaded yet.
int Pack(const DataFolder& data, QStringList files, TZipObj& zip);

bool MarkerExists(const DataFolder& data);
bool WriteMarker(const DataFolder& data);

} // namespace UpdatePackage
