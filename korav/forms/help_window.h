#pragma once

#include "korav/core/korav_help.h"

#include <QTextBrowser>
#include <QWidget>

class BaseDataStore;

// Shows pages straight out of the help archive.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    void setArchive(const QString& archive) { archive_ = archive; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString archive_;
};

// KORAV's help viewer: a window titled "KORAV" on a page of the archive.
class KoravHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit KoravHelpWindow(QWidget* parent = nullptr);
    // False when the archive or its page cannot be read.
    bool showPage(const QString& archive, const QString& page);
    HelpBrowser* browser() const { return browser_; }

private:
    HelpBrowser* browser_;
};

// Opens the help at a topic, setting up the local copy first.
class KoravHelpOpener {
public:
    KoravHelpOpener(const BaseDataStore& store, QString appDataFolder, QString programDirectory);

    void OpenHelp(int topic);
    // The text of the menu item that names the help file and its folder.
    QString LocationText() const;
    KoravHelpWindow& window() { return window_; }

private:
    KoravHelp::Places places() const;

    const BaseDataStore& store_;
    QString appDataFolder_;
    QString programDirectory_;
    KoravHelpWindow window_;
};
