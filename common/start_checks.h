#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What a window program settles before it creates its application object:
// "--help" and "--version" need no display, and a missing display is told
// in German instead of Qt's abort.
namespace StartChecks {

// The text to print for "--help" or "--version" among the arguments (the
// program name first), or nothing when the program is to start.
std::optional<QString> AnswerOnly(const QStringList& arguments, const QString& usage, const QString& version);
// False when no platform is named and neither an X nor a Wayland display
// is set.
bool DisplayAvailable();
QString NoDisplayText(const QString& program);

} // namespace StartChecks
