#pragma once

#include <QString>
#include <functional>

// The folder browser: the platform's folder dialog, which offers creating
// new folders.
class TSelectDir {
public:
    // Shows the browser with its instruction and starting folder; returns the
    // chosen folder or an empty text.
    using Browser = std::function<QString(const QString& titel, const QString& startFolder)>;

    TSelectDir();

    QString Titel;
    QString RootDir; // "Desktop" or a path: where browsing starts without StartDir
    QString StartDir;
    QString SelectedDir;

    bool Execute();
    void setBrowser(Browser browser) { browser_ = std::move(browser); }

private:
    QString startFolder() const;

    Browser browser_;
};
