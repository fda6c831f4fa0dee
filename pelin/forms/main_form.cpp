#include "pelin/forms/main_form.h"

#include "common/clock.h"
#include "common/holiday_calendar.h"
#include "common/messenger.h"
#include "common/time_format.h"
#include "common/ui/about_form.h"
#include "common/ui/fitting_scroll_area.h"
#include "common/ui/named_widgets.h"
#include "common/ui/program_icons.h"
#include "common/ui/tab_order.h"
#include "common/wait.h"
#include "pelin/core/calendar_navigation.h"
#include "pelin/core/login_session.h"
#include "pelin/core/month_overview_input.h"
#include "pelin/core/pelin_startup.h"
#include "pelin/core/pelin_version.h"
#include "pelin/core/style_setting.h"
#include "pelin/forms/day_sheet_panel.h"
#include "pelin/forms/month_calendar_widget.h"
#include "pelin/forms/tutorial_form.h"
#include "pelin/forms/ue_monat_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kLoginFieldLength = 12;

QString ProgramTitle()
{
    return u"PELIN"_s;
}

} // namespace

TMainForm::TMainForm(PelinEnvironment environment, VisualStyle activeStyle, QWidget* parent)
    : QMainWindow(parent),
      env_(std::move(environment)),
      dates_(PelinDates::FromToday(env_.clock.today())),
      startedByKorav_(PelinStartup::StartedByKorav(env_.arguments)),
      activeStyle_(activeStyle),
      holidays_(HolidaySettings {}, dates_.today.year())
{
    setObjectName(u"MainForm"_s);
    setWindowTitle(ProgramTitle());
    buildMenus();
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    left->addWidget(buildCalendarArea(central));
    left->addWidget(buildMonthValues());
    layout->addLayout(left);
    daySheetHolder_ = new QWidget(central);
    daySheetHolder_->setLayout(new QVBoxLayout);
    daySheetHolder_->layout()->setContentsMargins(0, 0, 0, 0);
    daySheetHolder_->setMinimumWidth(560);
    // On a small screen the day sheet scrolls rather than widening the window.
    layout->addWidget(Named(new FittingScrollArea(daySheetHolder_, central), u"DaySheetScroll"_s), 1);
    layout->addWidget(buildLoginPanel());
    setCentralWidget(central);
    tutorialForm_ = new TTutorialForm(this);
    ueMonatForm_ = new TUeMonatForm(env_.messenger, this);
    ShowDate(dates_.displayedDay);
}

TMainForm::~TMainForm() = default;

void TMainForm::buildMenus()
{
    QMenu* file = menuBar()->addMenu(u"&Datei"_s);
    QAction* login = file->addAction(u"&An- / Abmelden"_s);
    login->setObjectName(u"MenuAnmelden"_s);
    connect(login, &QAction::triggered, this, &TMainForm::LoginBtnClick);
    file->addSeparator();
    QAction* close = file->addAction(u"&Beenden"_s);
    close->setObjectName(u"MenuClose"_s);
    connect(close, &QAction::triggered, this, &QWidget::close);

    QMenu* extras = menuBar()->addMenu(u"E&xtras"_s);
    QAction* overview = extras->addAction(u"&Monatsübersicht"_s);
    overview->setObjectName(u"MenuUeMonat"_s);
    connect(overview, &QAction::triggered, this, &TMainForm::UebersichtMonatBtnClick);
    QAction* filter = extras->addAction(u"Tätigkeiten-&Filter einrichten"_s);
    filter->setObjectName(u"MenuTaetigFilter"_s);
    connect(filter, &QAction::triggered, this, [this] {
        if (daySheet_)
            daySheet_->TaetigFilterBtnClick();
        else
            requireLogin();
    });

    QMenu* style = menuBar()->addMenu(u"&Stil"_s);
    subMenuStilWindows_ = style->addAction(u"Windows"_s);
    subMenuStilWindows_->setObjectName(u"SubMenuStilWindows"_s);
    subMenuStilGrau_ = style->addAction(u"Grau"_s);
    subMenuStilGrau_->setObjectName(u"SubMenuStilGrau"_s);
    for (QAction* action : { subMenuStilWindows_, subMenuStilGrau_ })
        action->setCheckable(true);
    subMenuStilWindows_->setChecked(activeStyle_ == VisualStyle::System);
    subMenuStilGrau_->setChecked(activeStyle_ == VisualStyle::Grey);
    connect(subMenuStilWindows_, &QAction::triggered, this, &TMainForm::SubMenuStilWindowsClick);
    connect(subMenuStilGrau_, &QAction::triggered, this, &TMainForm::SubMenuStilGrauClick);

    QMenu* help = menuBar()->addMenu(u"&Hilfe"_s);
    QAction* content = help->addAction(u"Hilf&e öffnen"_s);
    content->setObjectName(u"MenuHilfeInhalt"_s);
    connect(content, &QAction::triggered, this, &TMainForm::MenuHilfeInhaltClick);
    QAction* info = help->addAction(u"&Info"_s);
    info->setObjectName(u"MenuInfo"_s);
    connect(info, &QAction::triggered, this, &TMainForm::MenuInfoClick);
}

QWidget* TMainForm::buildLoginPanel()
{
    auto* panel = new QGroupBox(u"Anmeldung"_s, this);
    staticText12_ = new QLabel(u"Kennwort"_s, panel);
    staticText12_->setObjectName(u"StaticText12"_s);
    anmeldeNameEdit_ = new QLineEdit(panel);
    anmeldeNameEdit_->setObjectName(u"AnmeldeNameEdit"_s);
    anmeldeNameEdit_->setMaxLength(kLoginFieldLength);
    staticText3_ = new QLabel(u"Kennwort"_s, panel);
    staticText3_->setObjectName(u"StaticText3"_s);
    kennwortEdit_ = new QLineEdit(panel);
    kennwortEdit_->setObjectName(u"KennwortEdit"_s);
    kennwortEdit_->setMaxLength(kLoginFieldLength);
    kennwortEdit_->setEchoMode(QLineEdit::Password);
    loginBtn_ = new QPushButton(u"Anmelden"_s, panel);
    loginBtn_->setObjectName(u"LoginBtn"_s);
    connect(loginBtn_, &QPushButton::clicked, this, &TMainForm::LoginBtnClick);
    connect(anmeldeNameEdit_, &QLineEdit::returnPressed, this, &TMainForm::LoginBtnClick);
    connect(kennwortEdit_, &QLineEdit::returnPressed, this, &TMainForm::LoginBtnClick);
    ampelSBtn_ = new QToolButton(panel);
    ampelSBtn_->setObjectName(u"AmpelSBtn"_s);
    ampelSBtn_->setAutoRaise(true);
    ampelSBtn_->setEnabled(false);
    ampelSBtn_->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));

    onlineImage_ = new QLabel(u"Offline"_s, panel);
    onlineImage_->setObjectName(u"OnlineImage"_s);
    onlineImage_->setToolTip(u"Offline"_s);
    landLabel_ = new QLabel(panel);
    landLabel_->setObjectName(u"LandLabel"_s);
    hilfeImage_ = new QLabel(panel);
    hilfeImage_->setObjectName(u"HilfeImage"_s);
    hilfeImage_->setPixmap(HelpIcon().pixmap(24, 24));
    hilfeImage_->setCursor(Qt::PointingHandCursor);
    hilfeImage_->installEventFilter(this);

    mitarbeiterLabel_ = new QLabel(panel);
    mitarbeiterLabel_->setObjectName(u"MitarbeiterLabel"_s);
    mitarbeiterLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    persNrLabel_ = new QLabel(panel);
    persNrLabel_->setObjectName(u"PersNrLabel"_s);
    bGradLabel_ = new QLabel(panel);
    bGradLabel_->setObjectName(u"BGradLabel"_s);

    auto* beendenBtn = new QPushButton(u"Beenden"_s, panel);
    beendenBtn->setObjectName(u"BeendenBtn"_s);
    connect(beendenBtn, &QPushButton::clicked, this, &QWidget::close);

    auto* status = new QHBoxLayout;
    status->addWidget(ampelSBtn_);
    status->addWidget(onlineImage_);
    status->addWidget(landLabel_);
    status->addStretch();
    status->addWidget(hilfeImage_);
    auto* layout = new QVBoxLayout(panel);
    for (QWidget* w : std::initializer_list<QWidget*> { staticText12_, anmeldeNameEdit_, staticText3_,
             kennwortEdit_, loginBtn_, mitarbeiterLabel_, persNrLabel_, bGradLabel_ })
        layout->addWidget(w);
    layout->addLayout(status);
    layout->addStretch();
    layout->addWidget(beendenBtn);
    return panel;
}

QWidget* TMainForm::buildCalendarArea(QWidget* parent)
{
    auto* area = new QWidget(parent);
    auto label = [area](const QString& name) {
        auto* text = new QLabel(area);
        text->setObjectName(name);
        return text;
    };
    zeigTagSText_ = label(u"ZeigTagSText"_s);
    QFont big = zeigTagSText_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    zeigTagSText_->setFont(big);
    tagPlusMinusSText_ = label(u"TagPlusMinusSText"_s);
    zeigMonatSText_ = label(u"ZeigMonatSText"_s);
    zeigJahrSText_ = label(u"ZeigJahrSText"_s);
    nameFeiertagL_ = label(u"NameFeiertagL"_s);
    nameFeiertagL_->hide();

    auto step = [area](const QString& caption, const QString& name) {
        auto* button = new QToolButton(area);
        button->setText(caption);
        button->setObjectName(name);
        button->setAutoRaise(true);
        return button;
    };
    QToolButton* dayBack = step(u"<"_s, u"TagM_SBtn"_s);
    QToolButton* dayOn = step(u">"_s, u"TagP_SBtn"_s);
    QToolButton* monthBack = step(u"<<"_s, u"MonatM_SBtn"_s);
    QToolButton* monthOn = step(u">>"_s, u"MonatP_SBtn"_s);
    connect(dayBack, &QToolButton::clicked, this, &TMainForm::TagM_SBtnClick);
    connect(dayOn, &QToolButton::clicked, this, &TMainForm::TagP_SBtnClick);
    connect(monthBack, &QToolButton::clicked, this, &TMainForm::MonatM_SBtnClick);
    connect(monthOn, &QToolButton::clicked, this, &TMainForm::MonatP_SBtnClick);
    // Made after the step buttons, so that Tab reaches it after them.
    calendar_ = new MonthCalendarWidget(area);
    connect(calendar_, &MonthCalendarWidget::daySelected, this,
        [this](int day) { ShowDate(QDate(dates_.displayedDay.year(), dates_.displayedDay.month(), day)); });
    connect(calendar_, &MonthCalendarWidget::daysStepped, this, &TMainForm::stepDays);
    connect(calendar_, &MonthCalendarWidget::monthStepped, this,
        [this](int months) { months < 0 ? MonatM_SBtnClick() : MonatP_SBtnClick(); });

    auto* steps = new QHBoxLayout;
    steps->addWidget(monthBack);
    steps->addWidget(dayBack);
    steps->addWidget(tagPlusMinusSText_);
    steps->addWidget(dayOn);
    steps->addWidget(monthOn);
    steps->addStretch();
    steps->addWidget(zeigMonatSText_);
    steps->addWidget(zeigJahrSText_);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(zeigTagSText_);
    layout->addLayout(steps);
    layout->addWidget(calendar_);
    SetTabOrder({ monthBack, dayBack, dayOn, monthOn, calendar_ });
    return area;
}

QWidget* TMainForm::buildMonthValues()
{
    auto* area = new QGroupBox(u"Monatswerte"_s, this);
    auto* layout = new QFormLayout(area);
    const std::array<std::array<QString, 3>, 5> rows = { {
        { u"MonDauerLabel"_s, u"Arbeitszeit"_s, u" = Anwesenheit - Pausen  "_s },
        { u"SollZeitLabel"_s, u"Soll"_s, QString() },
        { u"DiffZeitLabel"_s, u"Diff."_s, u" = Ist - Soll  "_s },
        { u"MonZugeoLabel"_s, u"Tätigkeiten"_s, QString() },
        { u"MonOffenLabel"_s, u"Offene Zeit"_s, u" = Ist - Tätigkeiten  "_s },
    } };
    std::array<QLabel*, 5> labels {};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [name, caption, hint] = rows[i];
        monthValueLabels_[i] = new QLabel(area);
        monthValueLabels_[i]->setObjectName(name + u"Wert"_s);
        labels[i] = new QLabel(caption, area);
        labels[i]->setObjectName(name);
        labels[i]->setToolTip(hint);
        layout->addRow(labels[i], monthValueLabels_[i]);
    }
    sollZeitLabel_ = labels[1];
    buildAccountRows(layout, area);
    auto* overview = new QPushButton(u"Monatsübersicht anzeigen"_s, area);
    overview->setObjectName(u"UebersichtMonatBtn"_s);
    connect(overview, &QPushButton::clicked, this, &TMainForm::UebersichtMonatBtnClick);
    layout->addRow(overview);
    monOffenLabel_ = labels[4];
    monOffenLabel_->installEventFilter(this);
    return area;
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // Messages of the start must appear over the visible window.
    QTimer::singleShot(0, this, &TMainForm::FormShow);
}

void TMainForm::FormShow()
{
    config_ = PelinStartup::LoadConfiguration(env_.executableFolder, env_.codec, env_.messenger);
    if (!config_) {
        endProgram();
        return;
    }
    const HolidaySettings holidaySettings { HolidaySettings::CountryFromLandcode(config_->countryCode),
        HolidaySettings::SwitchesFromText(config_->holidaySwitches) };
    holidays_.setSettings(holidaySettings);
    landLabel_->setText(u"/ "_s + CountryLetter(holidaySettings.country));
    ShowDate(dates_.displayedDay);
    prepareLoginFields();
    createLoginSession();
    onlineImage_->setVisible(!config_->lanMode);
    if (const auto hint = PelinStartup::ProgramFolderHint(*config_, env_.executableFolder, startedByKorav_))
        env_.messenger.show(*hint);
    anmeldeNameEdit_->setFocus();
}

void TMainForm::prepareLoginFields()
{
    anmeldeNameEdit_->clear();
    kennwortEdit_->clear();
    const bool directory = config_->directoryLogin;
    staticText12_->setText(directory ? u"Anmeldename"_s : u"Kennwort"_s);
    anmeldeNameEdit_->setEchoMode(directory ? QLineEdit::Normal : QLineEdit::Password);
    staticText3_->setVisible(directory);
    kennwortEdit_->setVisible(directory);
}

void TMainForm::createLoginSession()
{
    loginSession_
        = std::make_unique<LoginSession>(LoginSettingsFrom(*config_, env_.executableFolder, startedByKorav_),
            UserFolders { env_.documentsFolder, env_.desktopFolder }, env_.messenger, dates_.today,
            env_.codec, SleepMilliseconds);
    loginSession_->transfer().setOnlineObserver([this](bool online) { showOnline(online); });
    createDaySheet();
}

void TMainForm::createDaySheet()
{
    daySheet_
        = new DaySheetPanel(loginSession_->state(), dates_, env_.clock, env_.messenger, daySheetHolder_);
    daySheetHolder_->layout()->addWidget(daySheet_);
    // The day sheet is made after the login panel but stands left of it.
    PlaceInTabOrderAfter(daySheet_, loginBtn_->parentWidget());
    connect(daySheet_, &DaySheetPanel::valuesChanged, this, &TMainForm::showMonthValues);
    connect(daySheet_, &DaySheetPanel::loginNeeded, this, [this] { anmeldeNameEdit_->setFocus(); });
    loginSession_->setStoreDisplayedDay([this] { daySheet_->sheet().StoreDisplayedDay(); });
}

void TMainForm::showMonthValues()
{
    const bool loggedIn = loginSession_ && loginSession_->state().loggedIn;
    const DaySheetValues& values = daySheet_->sheet().values();
    const QStringList texts = { values.monthTexts.actual, values.monthTexts.target,
        values.monthTexts.difference, values.monthTexts.assigned, values.monthTexts.open };
    for (std::size_t i = 0; i < monthValueLabels_.size(); ++i)
        monthValueLabels_[i]->setText(loggedIn ? texts[qsizetype(i)] : QString());
    const Rgb colour = values.monthColour;
    monthValueLabels_[4]->setStyleSheet(loggedIn
            ? u"background-color: rgb(%1,%2,%3);"_s.arg(colour.red).arg(colour.green).arg(colour.blue)
            : QString());
    if (loggedIn) {
        const LoginState& state = loginSession_->state();
        const bool current = dates_.showsCurrentMonth();
        sollZeitLabel_->setToolTip(TargetHint(
            state.degree, current ? state.fullTimeCurrentMonth : state.fullTimePreviousMonth, current));
        calendar_->setDayStates(values.month.dayStates);
    } else {
        calendar_->clearDayStates();
    }
    showAccount();
}

bool TMainForm::requireLogin()
{
    if (loginSession_ && loginSession_->state().loggedIn)
        return true;
    env_.messenger.show(u"Sie sind nicht angemeldet!"_s);
    anmeldeNameEdit_->setFocus();
    return false;
}

void TMainForm::UebersichtMonatBtnClick()
{
    if (!requireLogin())
        return;
    daySheet_->sheet().StoreDisplayedDay();
    const LoginState& state = loginSession_->state();
    const QTime now = env_.clock.now().time();
    const MonthOverview overview = BuildMonthOverview(OverviewInputFor(state, dates_, now));
    const QString name = OverviewFileName(
        state.personnelNumber, dates_.displayedDay.month(), dates_.displayedDay.year(), dates_.today, now);
    ueMonatForm_->prepare(overview, QDir(env_.documentsFolder).filePath(name));
    ueMonatForm_->exec();
}

void TMainForm::LoginBtnClick()
{
    if (!loginSession_)
        return;
    if (loginSession_->state().loggedIn) {
        if (!loginSession_->logout())
            return;
        showLoggedOut();
        anmeldeNameEdit_->setFocus();
        return;
    }
    const LoginSession::Result result = loginSession_->login(anmeldeNameEdit_->text(), kennwortEdit_->text());
    if (result.loggedIn) {
        showLoggedIn();
        return;
    }
    // A second try types the whole password again, never behind the first.
    QLineEdit* password = config_->directoryLogin ? kennwortEdit_ : anmeldeNameEdit_;
    if (result.clearField)
        anmeldeNameEdit_->clear();
    password->clear();
    (result.focusField ? anmeldeNameEdit_ : password)->setFocus();
}

void TMainForm::showLoggedIn()
{
    const LoginState& state = loginSession_->state();
    for (QLineEdit* field : { anmeldeNameEdit_, kennwortEdit_ }) {
        field->clear();
        field->setEnabled(false);
    }
    loginBtn_->setText(u"Abmelden"_s);
    ampelSBtn_->setEnabled(true);
    // A long name must not widen the window for good.
    const QString name = u"  "_s + state.name + u"  "_s;
    mitarbeiterLabel_->setText(
        mitarbeiterLabel_->fontMetrics().elidedText(name, Qt::ElideRight, anmeldeNameEdit_->width()));
    mitarbeiterLabel_->setToolTip(state.name);
    persNrLabel_->setText(state.personnelNumber + u" /"_s);
    bGradLabel_->setText(u" "_s + state.degree + u"%"_s);
    daySheet_->setLoggedIn(true);
    daySheet_->LoadDisplayedDay();
}

void TMainForm::showLoggedOut()
{
    for (QLineEdit* field : { anmeldeNameEdit_, kennwortEdit_ }) {
        field->clear();
        field->setEnabled(true);
    }
    loginBtn_->setText(u"Anmelden"_s);
    ampelSBtn_->setEnabled(false);
    for (QLabel* label : { mitarbeiterLabel_, persNrLabel_, bGradLabel_ })
        label->clear();
    mitarbeiterLabel_->setToolTip({});
    daySheet_->setLoggedIn(false);
    calendar_->update();
}

void TMainForm::showOnline(bool online)
{
    onlineImage_->setText(Transfer::OnlineHint(online));
    onlineImage_->setToolTip(Transfer::OnlineHint(online));
    onlineImage_->repaint();
}

void TMainForm::endProgram()
{
    ending_ = true;
    Q_EMIT programEnd();
    close();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (styleChanged_) {
        StyleSetting::Write(env_.settings,
            VisualStyleName(activeStyle_, QString::fromUtf16(StyleSetting::kGreyName)), env_.messenger);
        styleChanged_ = false;
    }
    if (loginSession_ && !loginSession_->offerSave()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TMainForm::switchStyle(VisualStyle style)
{
    if (activeStyle_ == style) {
        subMenuStilWindows_->setChecked(style == VisualStyle::System);
        subMenuStilGrau_->setChecked(style == VisualStyle::Grey);
        return;
    }
    ApplyVisualStyle(style);
    activeStyle_ = style;
    subMenuStilWindows_->setChecked(style == VisualStyle::System);
    subMenuStilGrau_->setChecked(style == VisualStyle::Grey);
    styleChanged_ = true;
}

void TMainForm::SubMenuStilWindowsClick()
{
    switchStyle(VisualStyle::System);
}
void TMainForm::SubMenuStilGrauClick()
{
    switchStyle(VisualStyle::Grey);
}

void TMainForm::MonOffenLabelSecretClick()
{
    if (const auto text = PelinStartup::ConfigurationText(env_.executableFolder, env_.codec))
        env_.messenger.systemMessage(*text);
    else
        env_.messenger.show(u"Datei pelin.cfg nicht vorhanden!"_s);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto secret = Qt::ShiftModifier | Qt::ControlModifier;
        if (watched == monOffenLabel_ && mouse->button() == Qt::RightButton
            && (mouse->modifiers() & secret) == secret) {
            MonOffenLabelSecretClick();
            return true;
        }
        if (watched == hilfeImage_ && mouse->button() == Qt::LeftButton) {
            MenuHilfeInhaltClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::ShowDate(QDate date)
{
    dates_.displayedDay = date;
    calendar_->setToday(dates_.today);
    calendar_->setMonth(MonthLayout(date.year(), date.month()), holidays_);
    calendar_->setDisplayedDay(date.day());
    nameFeiertagL_->setText(calendar_->holidayNameShown());
    const DateTexts texts = DateTexts::Of(date);
    zeigTagSText_->setText(texts.day);
    tagPlusMinusSText_->setText(texts.dayShort);
    zeigMonatSText_->setText(texts.month);
    zeigJahrSText_->setText(texts.year);
    if (daySheet_ && loginSession_->state().loggedIn)
        daySheet_->LoadDisplayedDay();
}

void TMainForm::TagM_SBtnClick()
{
    ShowDate(CalendarNavigation::PreviousDay(dates_.displayedDay, dates_, env_.messenger));
}

void TMainForm::TagP_SBtnClick()
{
    ShowDate(CalendarNavigation::NextDay(dates_.displayedDay, dates_, env_.messenger));
}

void TMainForm::stepDays(int days)
{
    if (days == -1)
        TagM_SBtnClick();
    else if (days == 1)
        TagP_SBtnClick();
    else
        ShowDate(CalendarNavigation::StepWeek(dates_.displayedDay, days / 7, dates_, env_.messenger));
}

void TMainForm::MonatM_SBtnClick()
{
    ShowDate(CalendarNavigation::PreviousMonth(dates_.displayedDay, dates_, env_.messenger));
}

void TMainForm::MonatP_SBtnClick()
{
    ShowDate(CalendarNavigation::NextMonth(dates_.displayedDay, dates_, env_.messenger));
}

void TMainForm::MenuInfoClick()
{
    const int country = config_ ? config_->countryCode : 0;
    if (!aboutForm_) {
        aboutForm_ = new TAboutForm(u"Programm "_s + ProgramTitle(),
            u"%1 %2Bit"_s.arg(PelinVersionText(country).left(40)).arg(QSysInfo::WordSize, 2, 10, QChar(u'0')),
            this);
        aboutForm_->setBuildHandler([this] {
            env_.messenger.show(u"Build %1 %2"_s.arg(
                QString::fromLatin1(kPelinBuildTag), QString::fromLatin1(kPelinFileVersion).left(10)));
        });
    }
    aboutForm_->exec();
}

void TMainForm::MenuHilfeInhaltClick()
{
    tutorialForm_->showModal();
}
