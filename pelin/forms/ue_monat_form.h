#pragma once

#include "common/month_overview.h"

#include <QDialog>
#include <functional>

class Messenger;
class QPlainTextEdit;

// "Monatsübersicht": shows the month's overview and saves it as text.
class TUeMonatForm : public QDialog {
    Q_OBJECT
public:
    // Asks the user for the file to save to, starting from the proposed
    // path; an empty answer cancels.
    using AskSavePath = std::function<QString(const QString& proposedPath)>;

    TUeMonatForm(Messenger& messenger, QWidget* parent = nullptr);

    void setAskSavePath(AskSavePath ask) { askSavePath_ = std::move(ask); }
    // Fills both text areas; the caret goes to the start of the body.
    void prepare(const MonthOverview& overview, const QString& proposedPath);

    void SaveUeBtnClick();

private:
    Messenger& messenger_;
    AskSavePath askSavePath_;
    MonthOverview overview_;
    QString proposedPath_;
    QPlainTextEdit* headUeMonatREdit_;
    QPlainTextEdit* ueMonatREdit_;
};
