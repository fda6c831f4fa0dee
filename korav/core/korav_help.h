#pragma once

#include "korav/core/data_folder.h"

#include <QByteArray>
#include <optional>

class Messenger;

// KORAV's help: an archive of HTML pages kept in the data folder and copied
// to a local folder below the computer's application-data folder.
namespace KoravHelp {

inline constexpr int kMainWindowTopic = 10;
inline constexpr int kBaseDataTopic = 20;
inline constexpr int kAdministrationTopic = 30;
inline constexpr int kCheckTopic = 40;
inline constexpr int kReportTopic = 50;
inline constexpr int kAccountTopic = 60;
inline constexpr int kMaxAppDataLength = 170;

struct Places {
    DataFolder dataFolder;
    QString appDataFolder; // empty when the computer has none
    QString programDirectory; // KORAV's own folder, where the build puts the archive
};

// The page of a topic inside the archive; empty for an unknown topic.
QString PageForTopic(int topic);
QString LocalFolder(const QString& appDataFolder);

// Sets up or refreshes the local copy with every message, and returns the
// archive to open: the local copy, else the data folder's.
std::optional<QString> PrepareHelpFile(const Places& places, Messenger& messenger);

// One entry of the archive, or nothing when the archive or the entry cannot
// be read.
std::optional<QByteArray> ReadArchiveEntry(const QString& archive, const QString& entry);

// The names of the help file and of its local folder, for the menu item.
QString LocationText(const Places& places);

} // namespace KoravHelp
