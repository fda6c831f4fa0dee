#pragma once

#include <QStringList>
#include <cstdio>

// Runs one command line of the kvd tool; returns the exit code. Output goes
// to `out`, every message and error to `err`.
int RunKvd(const QStringList& arguments, FILE* out, FILE* err);
