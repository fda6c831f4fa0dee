#pragma once

#include <QString>

class QSettings;
class Messenger;

// The visual style kept in the per-user settings as "pelin_style".
namespace StyleSetting {

inline constexpr char16_t kKey[] = u"pelin_style";
inline constexpr char16_t kGreyName[] = u"PELIN_grau";

// The stored style name, or an empty text when none is stored. Reports a
// settings store that cannot be read.
QString Read(QSettings& settings, Messenger& messenger);
// Reports a settings store that cannot be written.
bool Write(QSettings& settings, const QString& styleName, Messenger& messenger);

} // namespace StyleSetting
