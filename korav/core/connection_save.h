#pragma once

#include "korav/core/connection_settings.h"

#include <functional>

class BaseDataStore;
struct ConnectionChanges;
class Messenger;

// How the connection dialog ends after "Schließen".
enum class ConnectionClose {
    Accepted, // nothing to save, saved, or not savable in a backup folder
    Declined, // not saved: the dialog shows the settings it was opened with
    Stay, // refused with a message: the dialog stays open
};

struct ConnectionSaveOutcome {
    ConnectionClose close = ConnectionClose::Accepted;
    bool focusLdapName = false;
};

// The save sequence of the connection dialog: nothing happens without a
// change, a backup folder is never written, only a clear "Ja" saves, and
// what cannot work is refused before anything is written. A changed folder
// moves its files before the settings are stored; `checkBaseData` runs after
// every save, as the base data are built from these settings.
class ConnectionSave {
public:
    ConnectionSave(ConnectionSettings& settings, const BaseDataStore& store, Messenger& messenger,
        std::function<void()> checkBaseData);

    ConnectionSaveOutcome run(
        const ConnectionFields& snapshot, const ConnectionFields& now, bool directoryTested);

private:
    void save(
        const ConnectionChanges& changes, const ConnectionFields& snapshot, const ConnectionFields& now);

    ConnectionSettings& settings_;
    const BaseDataStore& store_;
    Messenger& messenger_;
    std::function<void()> checkBaseData_;
};
