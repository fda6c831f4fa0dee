#pragma once

#include "pelin/core/day_sheet.h"
#include "pelin/core/filter_pool_editor.h"

#include <QWidget>

class Clock;
class Messenger;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TAuswProjekteForm;
class TAuswStdForm;
class TAuswZeitForm;
class TBemerkForm;
class TFilterPoolForm;

// The day sheet of the main window: time fields, remark, entry editor, the
// day's entry list, day values, quick entries and copy/paste of a day. It
// shows what `DaySheet` holds and opens the pickers.
class DaySheetPanel : public QWidget {
    Q_OBJECT
public:
    DaySheetPanel(LoginState& state, PelinDates& dates, const Clock& clock, Messenger& messenger,
        QWidget* parent = nullptr);
    ~DaySheetPanel() override;

    DaySheet& sheet() { return sheet_; }
    // Enables the sheet after log-in and clears it after log-out.
    void setLoggedIn(bool loggedIn);
    void LoadDisplayedDay();

    void ZeitFieldClick();
    void BemerkungLabel1Click();
    void ProjektNrEditClick();
    void TagProjZeitClick();
    void TaetigFilterBtnClick();

Q_SIGNALS:
    // Day or month values changed: the main window refreshes the month
    // values and the calendar's day states.
    void valuesChanged();
    // An action needs a log-in: the main window focuses its log-in field.
    void loginNeeded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTimes();
    QWidget* buildEntryEditor();
    QWidget* buildDayValues();
    QWidget* buildQuickEntries();
    bool keyOnField(QObject* watched, const QKeyEvent& key);
    bool requireLogin();
    // Runs a sheet action after the log-in check, then shows the result.
    void act(const std::function<void()>& action);
    void refresh();

    LoginState& state_;
    Messenger& messenger_;
    DaySheet sheet_;
    FilterPoolEditor filterEditor_;
    bool loggedIn_ = false;

    QList<QLineEdit*> timeFields_;
    QLabel* bemerkungLabel1_ = nullptr;
    QLabel* bemerkungSText_ = nullptr;
    QLineEdit* projektNrEdit_ = nullptr;
    QLabel* lupeImage_ = nullptr;
    QLabel* projektBeschreibungLabel_ = nullptr;
    QLineEdit* stdEdit_ = nullptr;
    QLineEdit* minEdit_ = nullptr;
    QTreeWidget* anzeigeListView_ = nullptr;
    QPushButton* einfgEintragBtn_ = nullptr;
    QPushButton* chgEintragBtn_ = nullptr;
    QPushButton* delEintragBtn_ = nullptr;
    QPushButton* einfgBtn_ = nullptr;
    QCheckBox* filterAktivCBox_ = nullptr;
    QList<QPushButton*> quickButtons_;
    QList<QWidget*> loginButtons_;
    QList<QLabel*> valueLabels_;
    QLabel* offenLabelFarbe_ = nullptr;
    QLabel* arbZGHinweisLabel_ = nullptr;

    TAuswZeitForm* zeitForm_;
    TAuswStdForm* stdForm_;
    TAuswProjekteForm* projekteForm_;
    TBemerkForm* bemerkForm_;
    TFilterPoolForm* filterForm_;
};
