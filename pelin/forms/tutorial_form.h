#pragma once

#include <QDialog>

class QLabel;
class QScrollArea;

// PELIN's help: two pages, one at a time, in a scrolling area.
class TTutorialForm : public QDialog {
    Q_OBJECT
public:
    explicit TTutorialForm(QWidget* parent = nullptr);

    void showModal();
    // Prepares the dialog as showing does; used by showModal and tests.
    void FormShow();
    void AllgemeinBtnClick();
    void BedienungBtnClick();

    QScrollArea* scrollArea() const { return scrollArea_; }
    QLabel* page() const { return page_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollArea* scrollArea_;
    QLabel* page_;
    bool shownBefore_ = false;
};
