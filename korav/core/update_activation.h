#pragma once

#include "common/string_list.h"

#include <QDateTime>
#include <optional>

class ConnectionSettings;
class Messenger;

// The update number "update_nummer" of "zconfig.kvd": the time of the
// package on the FTP server. PELIN compares it with the number of the
// version it has installed.
namespace UpdateActivation {

inline constexpr char16_t kNoNumber[] = u" ---";
inline constexpr int kNumberLength = 19;

// "DD.MM.YYYY HH:MM:SS" of the time as the server lists it, not turned into
// local time: PELIN gives its downloaded copy the same instant, and the
// installer records it from there.
QString ServerTimeText(const QDateTime& serverTime);
// The stored number, or " ---" when there is none.
QString LastNumberText(const StringList& config);
// The number to activate, or nothing after the message that this package
// is activated already.
std::optional<QString> Activate(const QString& packageTime, const QString& lastNumber, Messenger& messenger);
// Closing the dialog after an activation: asks, stores the number and
// tells what comes next. True when the number was stored.
bool StoreOnClose(const QString& newNumber, ConnectionSettings& settings, Messenger& messenger);

} // namespace UpdateActivation
