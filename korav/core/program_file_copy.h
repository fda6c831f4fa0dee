#pragma once

#include <QString>

// Copies a program file into place atomically and keeps it executable.
bool CopyProgramFile(const QString& from, const QString& to);
