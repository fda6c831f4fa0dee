#pragma once

#include "common/wait.h"
#include "korav/core/data_folder.h"

#include <QTime>
#include <functional>
#include <optional>

class FtpClient;
class Messenger;

// Brings the update package into the FTP folder and looks it up there, over
// the FTP session that `FtpVerbinden` opened.
namespace UpdateUpload {

inline constexpr char16_t kNoConnection[] = u"FTP-Verbindung konte nicht hergestellt werden !  ";
inline constexpr char16_t kFoundText[] = u"ZIP-Datei ist vorhanden - Datei-Datum : ";

// Asks before the same package is uploaded again; refuses without the data
// folder.
bool MayStart(const DataFolder& data, Messenger& messenger);
QString StartedText(const QTime& now);
QString DoneText(const QTime& now);

// The package goes to a temporary name on the server and is renamed when
// it is whole, so that an employee never downloads half a package. Tried as
// often as PELIN's own uploads; the marker is written only on success.
bool Upload(FtpClient& ftp, const DataFolder& data, Messenger& messenger, const Wait& wait);

// The package's time as the server lists it ("DD.MM.YYYY HH:MM:SS"), or
// nothing after the message why it cannot be activated.
std::optional<QString> LookUp(FtpClient& ftp, Messenger& messenger);

} // namespace UpdateUpload
