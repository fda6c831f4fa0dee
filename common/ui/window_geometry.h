#pragma once

class QSettings;
class QWidget;

// A main window opens where and as large as it was closed last time.
void RestoreWindowGeometry(QWidget& window, const QSettings& settings);
void SaveWindowGeometry(const QWidget& window, QSettings& settings);
// A second start of the program calls the running window to the front.
void BringToFront(QWidget& window);
