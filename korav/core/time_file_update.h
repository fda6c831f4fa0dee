#pragma once

#include "korav/core/time_file_collection.h"

#include <QDateTime>
#include <optional>

class BaseDataStore;
class ConnectionSettings;

// "Arbeitszeit-Dateien aktualisieren": refused in a backup folder; in FTP
// mode the month files of the FTP folder are fetched into the time folder
// first, then the time folder is collected; what could not be fetched counts
// among the result's failures. Nothing when refused or when the time folder
// is missing (the message has been shown).
std::optional<TimeFileCollection::Result> UpdateTimeFiles(
    const BaseDataStore& store, ConnectionSettings& connection, const QDateTime& now);
