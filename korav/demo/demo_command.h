#pragma once

#include <QStringList>

class Clock;
class Messenger;

// "korav demo DIR [--employees N] [--months M] [--seed S] [--until YYYY-MM]":
// writes the demo firm and prints its passwords on stdout. The same words
// give the same files on the same day, and with --until (the firm is then
// written as on the first day after that month) on any day. Exit code 0 on
// success, 1 on failure, 2 for wrong usage.
int RunDemoCommand(const QStringList& arguments, Messenger& messenger, const Clock& clock);
