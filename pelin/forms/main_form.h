#pragma once

#include "common/ui/visual_style.h"
#include "pelin/core/pelin_config.h"
#include "pelin/core/pelin_dates.h"
#include "pelin/forms/pelin_environment.h"

#include "common/holiday_calendar.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TTutorialForm;
class MonthCalendarWidget;
class TAboutForm;
class LoginSession;
class DaySheetPanel;
class TUeMonatForm;

// PELIN's main window: log-in fields, day sheet, calendar and month values.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(PelinEnvironment environment, VisualStyle activeStyle, QWidget* parent = nullptr);
    ~TMainForm() override;

    const PelinDates& dates() const { return dates_; }
    const std::optional<PelinConfig>& configuration() const { return config_; }
    bool startedByKorav() const { return startedByKorav_; }
    bool styleChanged() const { return styleChanged_; }
    VisualStyle activeStyle() const { return activeStyle_; }
    // Set when the configuration refused the start: the program ends.
    bool ending() const { return ending_; }

    // The first showing of the window: read the configuration, prepare the
    // log-in fields. Called by showEvent; tests call it directly.
    void FormShow();

    // Logs in while nobody is logged in, else logs out.
    void LoginBtnClick();
    // Nothing until the configuration has been read.
    LoginSession* loginSession() const { return loginSession_.get(); }

    void SubMenuStilWindowsClick();
    void SubMenuStilGrauClick();
    void MonOffenLabelSecretClick();
    void TagM_SBtnClick();
    void TagP_SBtnClick();
    void MonatM_SBtnClick();
    void MonatP_SBtnClick();
    // Makes `date` the displayed day: calendar, date texts, and the day
    // sheet when someone is logged in.
    void ShowDate(QDate date);
    void stepDays(int days);
    void UebersichtMonatBtnClick();
    DaySheetPanel* daySheet() const { return daySheet_; }

Q_SIGNALS:
    void programEnd();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildLoginPanel();
    QWidget* buildCalendarArea(QWidget* parent);
    QWidget* buildMonthValues();
    void prepareLoginFields();
    void switchStyle(VisualStyle style);
    void endProgram();
    void createLoginSession();
    void showLoggedIn();
    void showLoggedOut();
    void showOnline(bool online);
    void createDaySheet();
    void showMonthValues();
    // Kontostand and Resturlaub, shown only with an account KORAV provided
    // (main_form_accounts.cpp).
    void buildAccountRows(QFormLayout* layout, QWidget* area);
    void showAccount();
    bool requireLogin();
    void MenuInfoClick();
    void MenuHilfeInhaltClick();

    PelinEnvironment env_;
    PelinDates dates_;
    std::optional<PelinConfig> config_;
    bool startedByKorav_ = false;
    bool styleChanged_ = false;
    bool shownOnce_ = false;
    bool ending_ = false;
    VisualStyle activeStyle_;
    HolidayCalendar holidays_;

    QLabel* staticText12_ = nullptr;
    QLineEdit* anmeldeNameEdit_ = nullptr;
    QLabel* staticText3_ = nullptr;
    QLineEdit* kennwortEdit_ = nullptr;
    QPushButton* loginBtn_ = nullptr;
    QToolButton* ampelSBtn_ = nullptr;
    QLabel* onlineImage_ = nullptr;
    QLabel* mitarbeiterLabel_ = nullptr;
    QLabel* persNrLabel_ = nullptr;
    QLabel* bGradLabel_ = nullptr;
    QLabel* landLabel_ = nullptr;
    QLabel* monOffenLabel_ = nullptr;
    QLabel* sollZeitLabel_ = nullptr;
    // The values beside MonDauerLabel, SollZeitLabel, DiffZeitLabel, MonZugeoLabel, MonOffenLabel.
    std::array<QLabel*, 5> monthValueLabels_ {};
    // KontostandLabel, ResturlaubLabel and their values.
    std::array<QLabel*, 2> accountLabels_ {};
    std::array<QLabel*, 2> accountValueLabels_ {};
    QLabel* hilfeImage_ = nullptr;
    MonthCalendarWidget* calendar_ = nullptr;
    QLabel* zeigTagSText_ = nullptr;
    QLabel* tagPlusMinusSText_ = nullptr;
    QLabel* zeigMonatSText_ = nullptr;
    QLabel* zeigJahrSText_ = nullptr;
    QLabel* nameFeiertagL_ = nullptr;
    QAction* subMenuStilWindows_ = nullptr;
    QAction* subMenuStilGrau_ = nullptr;
    TTutorialForm* tutorialForm_ = nullptr;
    TAboutForm* aboutForm_ = nullptr;
    std::unique_ptr<LoginSession> loginSession_;
    QWidget* daySheetHolder_ = nullptr;
    DaySheetPanel* daySheet_ = nullptr;
    TUeMonatForm* ueMonatForm_ = nullptr;
};
