// The main window's controls: built from MainControls() and wired through
// the pointers kept while building.
#include "common/ui/fitting_scroll_area.h"
#include "common/ui/menu_mnemonics.h"
#include "common/ui/named_widgets.h"
#include "common/ui/program_icons.h"
#include "korav/core/admin_passwords.h"
#include "korav/core/korav_help.h"
#include "korav/forms/connection_indicator.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/help_window.h"
#include "korav/forms/ma_open_form.h"
#include "korav/forms/main_form.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString Text(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QToolButton* MakeImage(QWidget* parent, const QString& name, const QString& hint, const QIcon& icon)
{
    auto* image = new QToolButton(parent);
    image->setObjectName(name);
    image->setToolTip(hint);
    image->setIcon(icon);
    image->setAutoRaise(true);
    return image;
}

QAction* MakeAction(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

// The group boxes of the buttons, in the order of MainPlace from SetUp on.
constexpr MainPlace kGroupPlaces[]
    = { MainPlace::SetUp, MainPlace::Administer, MainPlace::Check, MainPlace::Report };
const QString kGroupCaptions[]
    = { u"Einrichten"_s, u"Verwalten"_s, u"Prüfen und  Korrigieren"_s, u"Auswerten"_s };
const QString kMenuCaptions[]
    = { u"&Einrichten"_s, u"&Verwalten"_s, u"&Prüfen / Korrigieren"_s, u"&Auswerten"_s };

int GroupOf(MainPlace place)
{
    return place == MainPlace::Overview ? 3 : int(place) - int(MainPlace::SetUp);
}

} // namespace

void TMainForm::buildControls()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildLoginPanel());
    layout->addWidget(Named(new FittingScrollArea(buildGroups(), central), u"GroupsScroll"_s), 1);
    errLabel_ = MakeStatusLabel(central, u"ErrLabel"_s);
    azDatStandLabel_ = new QLabel(central);
    azDatStandLabel_->setObjectName(u"AzDatStandLabel"_s);
    bkpHinweisLabel_ = new QLabel(u" Ordner mit Datensicherung ! "_s, central);
    bkpHinweisLabel_->setObjectName(u"BkpHinweisLabel"_s);
    bkpHinweisLabel_->setStyleSheet(u"color: white; background-color: red;"_s);
    const MainControl& close = MainControlOf(MainCommand::Close);
    controls(MainCommand::Close).button = MakeButton(central, Text(close.button), Text(close.caption));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(bkpHinweisLabel_);
    bottom->addWidget(errLabel_, 1);
    bottom->addWidget(azDatStandLabel_);
    bottom->addWidget(button(MainCommand::Close));
    layout->addLayout(bottom);
    setCentralWidget(central);
    paintBox1_ = new TConnectionIndicator(this);
    statusBar()->addPermanentWidget(paintBox1_);
    buildMenus();
}

QWidget* TMainForm::buildLoginPanel()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    adminPassMEdit_ = new QLineEdit(panel);
    adminPassMEdit_->setObjectName(u"AdminPassMEdit"_s);
    adminPassMEdit_->setEchoMode(QLineEdit::Password);
    adminPassMEdit_->setMaxLength(AdminPasswords::kMaxPassword);
    const MainControl& login = MainControlOf(MainCommand::Anmelden);
    controls(MainCommand::Anmelden).button = MakeButton(panel, Text(login.button), Text(login.caption));
    ampelSBtn_ = new QToolButton(panel);
    ampelSBtn_->setObjectName(u"AmpelSBtn"_s);
    ampelSBtn_->setText(u"●"_s);
    ampelSBtn_->setAutoRaise(true);
    infoImage_ = MakeImage(panel, u"InfoImage"_s, u"Info anzeigen"_s, InfoIcon());
    row->addWidget(new QLabel(u"Administrator-Passwort"_s, panel));
    row->addWidget(adminPassMEdit_);
    row->addWidget(button(MainCommand::Anmelden));
    row->addWidget(ampelSBtn_);
    row->addStretch(1);
    row->addWidget(infoImage_);
    row->addWidget(MakeHelpImage(panel, environment_.help, KoravHelp::kMainWindowTopic));
    return panel;
}

QWidget* TMainForm::buildGroups()
{
    auto* groups = new QWidget(this);
    auto* row = new QHBoxLayout(groups);
    QVBoxLayout* columns[std::size(kGroupPlaces)];
    for (std::size_t g = 0; g < std::size(kGroupPlaces); ++g) {
        auto* box = new QGroupBox(kGroupCaptions[g], groups);
        columns[g] = new QVBoxLayout(box);
        row->addWidget(box);
    }
    auto* overviews = new QGridLayout;
    const QString periods[] = { u"Monatsübersicht"_s, u"Quartalsübersicht"_s, u"Jahresübersicht"_s };
    const QString periodNames[] = { u"MonatLabel"_s, u"QuartaLabel"_s, u"JahrLabel"_s };
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(periods[i], groups);
        label->setObjectName(periodNames[i]);
        periodLabels_.append(label);
        overviews->addWidget(label, 0, i);
    }
    int overviewIndex = 0;
    for (const MainControl& control : MainControls()) {
        if (control.place == MainPlace::LoginPanel || control.place == MainPlace::Bottom)
            continue;
        auto* button = MakeButton(groups, Text(control.button), Text(control.caption));
        controls(control.command).button = button;
        if (control.place == MainPlace::Overview) {
            overviews->addWidget(button, 1 + overviewIndex / 3, overviewIndex % 3);
            ++overviewIndex;
        } else {
            columns[GroupOf(control.place)]->addWidget(button);
        }
    }
    columns[GroupOf(MainPlace::Report)]->addLayout(overviews);
    for (QVBoxLayout* column : columns)
        column->addStretch(1);
    return groups;
}

void TMainForm::buildMenus()
{
    QMenu* file = menuBar()->addMenu(u"&Datei"_s);
    QMenu* groups[std::size(kGroupPlaces)];
    for (std::size_t g = 0; g < std::size(kGroupPlaces); ++g)
        groups[g] = menuBar()->addMenu(kMenuCaptions[g]);
    QMenu* help = menuBar()->addMenu(u"&Hilfe"_s);

    const auto addItem = [this](QMenu* menu, const MainControl& control) {
        controls(control.command).menuItem = MakeAction(
            menu, Text(control.menuItem), Text(control.menuCaption ? control.menuCaption : control.caption));
    };
    addItem(file, MainControlOf(MainCommand::Anmelden));
    QMenu* styles = file->addMenu(u"&Stil wechseln"_s);
    subMenuStilWindows_ = MakeAction(styles, u"SubMenuStilWindows"_s, u"&Windows"_s);
    subMenuStilGrau_ = MakeAction(styles, u"SubMenuStilGrau"_s, u"&Grau"_s);
    subMenuStilWindows_->setCheckable(true);
    subMenuStilGrau_->setCheckable(true);
    subMenuStilWindows_->setChecked(style_ == VisualStyle::System);
    subMenuStilGrau_->setChecked(style_ == VisualStyle::Grey);
    addItem(file, MainControlOf(MainCommand::Close));

    for (const MainControl& control : MainControls())
        if (control.place != MainPlace::LoginPanel && control.place != MainPlace::Bottom)
            addItem(groups[GroupOf(control.place)], control);

    menuHilfeOeffnen_ = MakeAction(help, u"MenuHilfeOeffnen"_s, u"&Hilfe öffnen"_s);
    menuHilfeDatei_ = MakeAction(help, u"MenuHilfeDatei"_s, u"Namen der Hilfe-Datei und  des Ordners "_s);
    menuInfo_ = MakeAction(help, u"MenuInfo"_s, u"&Info"_s);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        AssignMenuMnemonics(menu);
}

void TMainForm::connectHandlers()
{
    for (const MainControl& control : MainControls()) {
        connect(controls(control.command).button, &QPushButton::clicked, this, control.handler);
        connect(controls(control.command).menuItem, &QAction::triggered, this, control.handler);
    }
    connect(adminPassMEdit_, &QLineEdit::returnPressed, this, &TMainForm::AnmeldenBtnClick);
    connect(infoImage_, &QToolButton::clicked, this, &TMainForm::InfoImageClick);
    connect(menuHilfeOeffnen_, &QAction::triggered, this,
        [this] { environment_.help.OpenHelp(KoravHelp::kMainWindowTopic); });
    connect(menuHilfeDatei_, &QAction::triggered, this, &TMainForm::MenuHilfeDateiClick);
    connect(menuInfo_, &QAction::triggered, this, &TMainForm::MenuInfoClick);
    connect(subMenuStilWindows_, &QAction::triggered, this, &TMainForm::SubMenuStilWindowsClick);
    connect(subMenuStilGrau_, &QAction::triggered, this, &TMainForm::SubMenuStilGrauClick);
    connect(timer1_, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    connect(this, &TMainForm::automaticBackupDue, this, &TMainForm::runAutomaticBackup);
    connect(this, &TMainForm::activityListStale, this, &TMainForm::MarkActivityListStale);
    connect(this, &TMainForm::baseDataSaved, this, &TMainForm::CheckBaseDataCurrent);
    connect(maOpenForm_, &TMaOpenForm::dataFolderChanged, this, &TMainForm::dataFolderChanged);
}
