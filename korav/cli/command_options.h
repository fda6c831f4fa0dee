#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What one headless call of KORAV asks for, read from its command line.
struct CommandOptions {
    QString command; // "build", "provide", "collect", "backup", "restore", "report"
    QString report; // "employee", "project", "check", "viewer", "account", "law", "timesheet"
    QString dataFolder;
    std::optional<QString> password;
    bool now = false; // backup: the manual start instead of the automatic step
    QString from; // restore: the backup folder, "terminbkpN"
    QStringList files; // restore: the files to bring back; none: all of them
    bool forecast = false;
    bool onlyMissing = false;
    std::optional<int> year;
    std::optional<int> month;
    std::optional<QString> quarter;
    std::optional<QString> employee;
    std::optional<QString> activity;
    QString format;
    QString out;
};

struct ParsedCommand {
    std::optional<CommandOptions> options;
    QString error; // German, when the command line is not usable
};

// The words after the program name; "--name value" and "--name=value".
// Only "restore" takes words of its own besides the options: the files.
ParsedCommand ParseCommandLine(const QStringList& arguments);

// True when the words are only what a window start may carry: Qt's own
// options for the window (with their values). Anything else is read as a
// command line, so that a mistyped command ends with the usage message
// instead of opening a window.
bool AreWindowOptions(const QStringList& arguments);
