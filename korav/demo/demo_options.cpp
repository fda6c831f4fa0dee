#include "korav/demo/demo_options.h"

using namespace Qt::StringLiterals;

namespace {

std::optional<int> Count(const QString& text, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > maximum)
        return std::nullopt;
    return value;
}

QDate Month(const QString& text)
{
    return text.size() == 7 ? QDate::fromString(text + u"-01"_s, u"yyyy-MM-dd"_s) : QDate();
}

bool TakeOption(DemoOptions& options, const QString& name, const QString& value)
{
    if (name == u"--employees") {
        const std::optional<int> count = Count(value, kMaxDemoEmployees);
        options.request.employees = count.value_or(0);
        return count.has_value();
    }
    if (name == u"--months") {
        const std::optional<int> count = Count(value, kMaxDemoMonths);
        options.request.months = count.value_or(0);
        return count.has_value();
    }
    if (name == u"--seed") {
        bool ok = false;
        options.request.seed = value.toULongLong(&ok);
        return ok;
    }
    if (name == u"--until") {
        options.until = Month(value);
        return options.until.isValid();
    }
    return false;
}

} // namespace

std::optional<DemoOptions> ParseDemoOptions(const QStringList& arguments)
{
    DemoOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        if (word.startsWith(u"--")) {
            if (i + 1 >= arguments.size() || !TakeOption(options, word, arguments.at(i + 1)))
                return std::nullopt;
            ++i;
        } else if (options.request.folder.isEmpty() && !word.isEmpty()) {
            options.request.folder = word;
        } else {
            return std::nullopt;
        }
    }
    if (options.request.folder.isEmpty())
        return std::nullopt;
    return options;
}

QString DemoUsage()
{
    return u"Aufruf: korav demo ORDNER [--employees N] [--months M] [--seed S] [--until JJJJ-MM]\n"
           u"  schreibt eine Demo-Firma in den neuen oder leeren ORDNER: N Mitarbeiter (Vorgabe 5) mit\n"
           u"  PELIN-Monatsdateien der M ganzen Monate (Vorgabe 3) bis zum Vormonat oder bis JJJJ-MM;\n"
           u"  gleicher Startwert S, gleiche Dateien."_s;
}
