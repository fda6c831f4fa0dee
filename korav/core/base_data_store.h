#pragma once

#include "common/string_list.h"
#include "korav/core/data_folder.h"

class Messenger;

// Refusal shown whenever something would be written into a backup folder.
inline constexpr char16_t kBackupFolderRefusal[]
    = u"In einen Sicherungsordner können keine Daten gespeichert werden!";
// The same refusal where files other than base data would be made there.
inline constexpr char16_t kBackupFolderFilesRefusal[]
    = u"In einen Sicherungsordner können keine Dateien erstellt werden!";

// Reads and writes the plain files of the data folder. Every save is atomic
// and is refused in a backup folder, whichever dialog asks for it.
class BaseDataStore {
public:
    explicit BaseDataStore(Messenger& messenger) : messenger_(messenger) { }

    const DataFolder& folder() const { return folder_; }
    void setFolder(DataFolder folder) { folder_ = std::move(folder); }
    bool isBackupFolder() const { return folder_.isBackupFolder(); }
    Messenger& messenger() const { return messenger_; }

    bool exists(QStringView fileName) const;
    // A missing or unreadable file gives an empty list; one too large to be
    // a data file is refused with a message.
    StringList load(QStringView fileName) const;
    // UTF-8 with byte-order mark, CR LF after every line; failures are shown.
    bool save(QStringView fileName, const StringList& list) const;

private:
    Messenger& messenger_;
    DataFolder folder_;
};

// A plain file anywhere: UTF-8 when it starts with a byte-order mark,
// Windows-1252 otherwise; a missing file gives an empty list.
StringList LoadPlainFile(const QString& path);
// Writes atomically; a failure is shown as the file error.
bool SavePlainFile(const QString& path, const StringList& list, Messenger& messenger);
