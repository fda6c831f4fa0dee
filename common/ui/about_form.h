#pragma once

#include <QDialog>
#include <functional>

class QLabel;

// Program information: program name, version line, and the build on a
// click on the picture.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    TAboutForm(const QString& programLine, const QString& versionLine, QWidget* parent = nullptr);

    void setBuildHandler(std::function<void()> handler) { buildHandler_ = std::move(handler); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* image1_;
    std::function<void()> buildHandler_;
};
