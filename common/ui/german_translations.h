#pragma once

class QApplication;

// Lets Qt's own dialogs (file, folder, print) speak German.
void LoadGermanTranslations(QApplication& app);
