#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The message and yes/no dialog of both programs, sized to its text.
class TZeigeBotschaftForm : public QDialog {
    Q_OBJECT
public:
    enum Mode { kMessage = 0, kQuestion = 10, kQuestionDefaultNo = 11 };

    explicit TZeigeBotschaftForm(const QString& title, QWidget* parent = nullptr);

    // Lays the dialog out for the text and mode; the answer becomes 99.
    void prepare(const QString& text, Mode mode);
    // Shows the dialog modally, centred on the screen; returns 1, 0 or 99.
    int execute(const QString& text, Mode mode);
    int answer() const { return answer_; }

private:
    void JaBtnClick();
    void NeinBtnClick();

    QLabel* label1_;
    QPushButton* jaBtn_;
    QPushButton* neinBtn_;
    int answer_ = 99;
};
