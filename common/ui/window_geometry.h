#pragma once

#include <QString>

class QWidget;

// A main window's size and position between runs. They live in a file of
// their own beside the program's settings, so the settings stay untouched.
// A stored place that no longer fits any screen is moved back onto one.
void RestoreWindowGeometry(QWidget* window, const QString& program);
void SaveWindowGeometry(const QWidget* window, const QString& program);
// A second start of the program calls the running window to the front.
void BringToFront(QWidget& window);
