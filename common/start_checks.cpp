#include "common/start_checks.h"

using namespace Qt::StringLiterals;

namespace StartChecks {

std::optional<QString> AnswerOnly(const QStringList& arguments, const QString& usage, const QString& version)
{
    const QStringList words = arguments.mid(1);
    if (words.contains(u"--help"_s) || words.contains(u"-h"_s))
        return usage;
    if (words.contains(u"--version"_s))
        return version;
    return std::nullopt;
}

bool DisplayAvailable()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString NoDisplayText(const QString& program)
{
    return program
        + u": Keine grafische Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt). "
          u"Das Programm kann nur auf einer Arbeitsoberfläche laufen."_s;
}

} // namespace StartChecks
