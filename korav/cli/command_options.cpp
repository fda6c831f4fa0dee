#include "korav/cli/command_options.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

const QStringList& CommandWords()
{
    static const QStringList words
        = { u"build"_s, u"provide"_s, u"collect"_s, u"backup"_s, u"restore"_s, u"report"_s };
    return words;
}

const QStringList& ReportKinds()
{
    static const QStringList kinds
        = { u"employee"_s, u"project"_s, u"check"_s, u"viewer"_s, u"account"_s, u"law"_s, u"timesheet"_s };
    return kinds;
}

const QStringList& QuarterTexts()
{
    static const QStringList quarters = { u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"1-2"_s, u"1-3"_s, u"1-4"_s };
    return quarters;
}

// The options each command accepts besides "--data", "--password" and "--yes".
QSet<QString> AllowedOptions(const CommandOptions& options)
{
    QSet<QString> allowed { u"--data"_s, u"--password"_s, u"--yes"_s };
    if (options.command == u"backup")
        allowed << u"--now"_s;
    if (options.command == u"restore")
        allowed << u"--from"_s;
    if (options.command != u"report")
        return allowed;
    allowed << u"--year"_s << u"--format"_s << u"--out"_s;
    if (options.report == u"employee" || options.report == u"project" || options.report == u"law")
        allowed << u"--month"_s << u"--quarter"_s;
    if (options.report == u"viewer")
        allowed << u"--month"_s;
    if (options.report == u"timesheet")
        allowed << u"--month"_s;
    if (options.report != u"project")
        allowed << u"--employee"_s;
    if (options.report == u"project")
        allowed << u"--activity"_s << u"--forecast"_s;
    if (options.report == u"check")
        allowed << u"--missing"_s;
    return allowed;
}

bool IsFlag(const QString& name)
{
    return name == u"--now" || name == u"--yes" || name == u"--forecast" || name == u"--missing";
}

std::optional<int> NumberIn(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

class Parser {
public:
    explicit Parser(const QStringList& arguments) : arguments_(arguments) { }

    ParsedCommand run();

private:
    bool readWords();
    bool readOptions();
    bool take(const QString& name, const QString& value);
    bool fail(const QString& text)
    {
        error_ = text;
        return false;
    }
    bool checkRequired();

    const QStringList& arguments_;
    qsizetype next_ = 0;
    CommandOptions options_;
    QString error_;
};

ParsedCommand Parser::run()
{
    if (!readWords() || !readOptions() || !checkRequired())
        return { std::nullopt, error_ };
    return { options_, {} };
}

bool Parser::readWords()
{
    if (arguments_.isEmpty() || !CommandWords().contains(arguments_.first()))
        return fail(u"Unbekannter Befehl : %1"_s.arg(arguments_.value(0)));
    options_.command = arguments_.at(next_++);
    if (options_.command != u"report")
        return true;
    if (next_ >= arguments_.size() || !ReportKinds().contains(arguments_.at(next_)))
        return fail(
            u"Unbekannte Übersicht : %1  ( employee, project, check, viewer, account, law, timesheet )"_s.arg(
                arguments_.value(next_)));
    options_.report = arguments_.at(next_++);
    return true;
}

bool Parser::readOptions()
{
    const QSet<QString> allowed = AllowedOptions(options_);
    QSet<QString> seen;
    while (next_ < arguments_.size()) {
        QString name = arguments_.at(next_++);
        if (options_.command == u"restore" && !name.startsWith(u"--")) {
            options_.files.append(name);
            continue;
        }
        std::optional<QString> value;
        if (const qsizetype equals = name.indexOf(u'='); name.startsWith(u"--") && equals > 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (!allowed.contains(name))
            return fail(u"Unbekannte oder hier nicht erlaubte Angabe : %1"_s.arg(name));
        if (seen.contains(name))
            return fail(u"Angabe doppelt : %1"_s.arg(name));
        seen.insert(name);
        if (IsFlag(name)) {
            if (value)
                return fail(u"Angabe %1 erwartet keinen Wert"_s.arg(name));
            value = QString();
        } else if (!value) {
            if (next_ >= arguments_.size())
                return fail(u"Zu %1 fehlt der Wert"_s.arg(name));
            value = arguments_.at(next_++);
        }
        if (!take(name, *value))
            return false;
    }
    return true;
}

bool Parser::take(const QString& name, const QString& value)
{
    if (name == u"--data")
        options_.dataFolder = value;
    else if (name == u"--password")
        options_.password = value;
    else if (name == u"--now")
        options_.now = true;
    else if (name == u"--from")
        options_.from = value;
    else if (name == u"--forecast")
        options_.forecast = true;
    else if (name == u"--missing")
        options_.onlyMissing = true;
    else if (name == u"--employee")
        options_.employee = value;
    else if (name == u"--activity")
        options_.activity = value;
    else if (name == u"--format")
        options_.format = value;
    else if (name == u"--out")
        options_.out = value;
    else if (name == u"--year") {
        options_.year = NumberIn(value, 1, 9999);
        if (!options_.year)
            return fail(u"Ungültiges Jahr : %1"_s.arg(value));
    } else if (name == u"--month") {
        options_.month = NumberIn(value, 1, 12);
        if (!options_.month)
            return fail(u"Ungültiger Monat : %1  ( 1 bis 12 )"_s.arg(value));
    } else if (name == u"--quarter") {
        if (!QuarterTexts().contains(value))
            return fail(u"Ungültiges Quartal : %1  ( 1, 2, 3, 4, 1-2, 1-3, 1-4 )"_s.arg(value));
        options_.quarter = value;
    }
    return true;
}

bool Parser::checkRequired()
{
    if (options_.dataFolder.isEmpty())
        return fail(u"Es fehlt der KORAV-Ordner ( --data ORDNER )"_s);
    if (options_.command == u"restore" && options_.from.isEmpty())
        return fail(u"Es fehlt der Sicherungsordner ( --from terminbkpN )"_s);
    if (options_.command != u"report")
        return true;
    if (options_.month && options_.quarter)
        return fail(u"Nur eines von --month und --quarter ist möglich"_s);
    if (!options_.year)
        return fail(u"Es fehlt das Jahr ( --year JAHR )"_s);
    if (options_.report == u"viewer" && !options_.month)
        return fail(u"Es fehlt der Monat ( --month MONAT )"_s);
    if (options_.report == u"timesheet" && !options_.month)
        return fail(u"Es fehlt der Monat ( --month MONAT )"_s);
    if (options_.format.isEmpty())
        return fail(u"Es fehlt das Format ( --format txt|pdf|xlsx|csv )"_s);
    if (options_.out.isEmpty())
        return fail(u"Es fehlt die Ausgabedatei ( --out DATEI )"_s);
    return true;
}

} // namespace

ParsedCommand ParseCommandLine(const QStringList& arguments)
{
    return Parser(arguments).run();
}

bool AreWindowOptions(const QStringList& arguments)
{
    static const QSet<QString> withValue { u"-platform"_s, u"-platformpluginpath"_s, u"-platformtheme"_s,
        u"-plugin"_s, u"-qwindowgeometry"_s, u"-qwindowtitle"_s, u"-qwindowicon"_s, u"-style"_s,
        u"-stylesheet"_s, u"-session"_s, u"-display"_s, u"-geometry"_s, u"-title"_s };
    static const QSet<QString> flags { u"-reverse"_s, u"-widgetcount"_s, u"-nograb"_s, u"-dograb"_s };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        const QString name = word.section(u'=', 0, 0);
        if (flags.contains(word) || (withValue.contains(name) && word.contains(u'=')))
            continue;
        if (!withValue.contains(word) || ++i >= arguments.size())
            return false;
    }
    return true;
}
