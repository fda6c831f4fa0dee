#pragma once

#include <QLabel>
#include <QWidget>

// The main window's FTP connection indicator: draws the picture of the hidden
// image `OnlineImage`, with light grey as the transparent colour.
class TConnectionIndicator : public QWidget {
    Q_OBJECT
public:
    explicit TConnectionIndicator(QWidget* parent);

    // `OnlineImage` takes the picture of `WolkeGruenImage`.
    void showOnline();
    bool online() const { return online_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* onlineImage_;
    QLabel* wolkeGruenImage_;
    bool online_ = false;
};
