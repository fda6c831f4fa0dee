#pragma once

#include <QStringList>

class Clock;
class Messenger;

// True when the words after the program name ask for a command instead of
// the window.
bool IsKoravCommand(const QStringList& arguments);

// Runs one command without a window: the help goes to standard output,
// every message of the system to the messenger. Returns the exit code.
int RunKoravCommand(const QStringList& arguments, Messenger& messenger, const Clock& clock);

// The program's way in: without a display, messages on standard error one
// per line, questions answered "Ja" only with "--yes".
int RunKoravCommandLine(int argc, char** argv);
bool IsKoravCommandLine(int argc, char** argv);
