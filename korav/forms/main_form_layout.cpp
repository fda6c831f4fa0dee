#include "korav/core/admin_passwords.h"
#include "korav/core/korav_help.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/help_window.h"
#include "korav/forms/korav_environment.h"
#include "korav/forms/ma_open_form.h"
#include "korav/forms/main_form.h"
#include "korav/forms/main_form_controls.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString Text(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QToolButton* MakeImage(QWidget* parent, const QString& name, const QString& hint, QStyle::StandardPixmap icon)
{
    auto* image = new QToolButton(parent);
    image->setObjectName(name);
    image->setToolTip(hint);
    image->setIcon(parent->style()->standardIcon(icon));
    image->setAutoRaise(true);
    return image;
}

QAction* MakeAction(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

const QString kGroupCaptions[]
    = { u"Einrichten"_s, u"Verwalten"_s, u"Prüfen und  Korrigieren"_s, u"Auswerten"_s };
const QString kMenuCaptions[]
    = { u"Einrichten"_s, u"Verwalten"_s, u"Prüfen / Korrigieren"_s, u"Auswerten"_s };

} // namespace

void TMainForm::buildControls()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildLoginPanel());
    layout->addWidget(buildGroups());
    errLabel_ = MakeStatusLabel(central, u"ErrLabel"_s);
    azDatStandLabel_ = new QLabel(central);
    azDatStandLabel_->setObjectName(u"AzDatStandLabel"_s);
    bkpHinweisLabel_ = new QLabel(u" Ordner mit Datensicherung ! "_s, central);
    bkpHinweisLabel_->setObjectName(u"BkpHinweisLabel"_s);
    bkpHinweisLabel_->setStyleSheet(u"color: white; background-color: red;"_s);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(bkpHinweisLabel_);
    bottom->addWidget(errLabel_, 1);
    bottom->addWidget(azDatStandLabel_);
    bottom->addWidget(MakeButton(central, u"CloseBtn"_s, u"Beenden"_s));
    layout->addLayout(bottom);
    setCentralWidget(central);
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
    anmeldenBtn_ = MakeButton(panel, u"AnmeldenBtn"_s, u"Anmelden"_s);
    ampelSBtn_ = new QToolButton(panel);
    ampelSBtn_->setObjectName(u"AmpelSBtn"_s);
    ampelSBtn_->setText(u"●"_s);
    ampelSBtn_->setAutoRaise(true);
    row->addWidget(new QLabel(u"Administrator-Passwort"_s, panel));
    row->addWidget(adminPassMEdit_);
    row->addWidget(anmeldenBtn_);
    row->addWidget(ampelSBtn_);
    row->addStretch(1);
    row->addWidget(MakeImage(panel, u"InfoImage"_s, u"Info anzeigen"_s, QStyle::SP_MessageBoxInformation));
    row->addWidget(MakeHelpImage(panel, environment_.help, KoravHelp::kMainWindowTopic));
    return panel;
}

QWidget* TMainForm::buildGroups()
{
    auto* groups = new QWidget(this);
    auto* row = new QHBoxLayout(groups);
    QVBoxLayout* columns[4];
    for (int g = 0; g < 4; ++g) {
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
        auto* button = MakeButton(groups, Text(control.button), Text(control.caption));
        if (control.group == kReportGroup && Text(control.button) != u"PelinMonUeBtn"_s) {
            overviews->addWidget(button, 1 + overviewIndex / 3, overviewIndex % 3);
            ++overviewIndex;
        } else {
            columns[control.group]->addWidget(button);
        }
    }
    columns[kReportGroup]->addLayout(overviews);
    for (QVBoxLayout* column : columns)
        column->addStretch(1);
    return groups;
}

void TMainForm::buildMenus()
{
    QMenu* file = menuBar()->addMenu(u"Datei"_s);
    QMenu* groups[4];
    for (int g = 0; g < 4; ++g)
        groups[g] = menuBar()->addMenu(kMenuCaptions[g]);
    QMenu* help = menuBar()->addMenu(u"Hilfe"_s);

    MakeAction(file, u"MenuLogin"_s, u"An- / Abmelden"_s);
    QMenu* styles = file->addMenu(u"Stil wechseln"_s);
    subMenuStilWindows_ = MakeAction(styles, u"SubMenuStilWindows"_s, u"Windows"_s);
    subMenuStilGrau_ = MakeAction(styles, u"SubMenuStilGrau"_s, u"Grau"_s);
    subMenuStilWindows_->setCheckable(true);
    subMenuStilGrau_->setCheckable(true);
    subMenuStilWindows_->setChecked(style_ == VisualStyle::System);
    subMenuStilGrau_->setChecked(style_ == VisualStyle::Grey);
    MakeAction(file, u"MenuClose"_s, u"Programm schließen"_s);

    for (const MainControl& control : MainControls())
        MakeAction(groups[control.group], Text(control.menuItem),
            Text(control.menuCaption ? control.menuCaption : control.caption));

    MakeAction(help, u"MenuHilfeOeffnen"_s, u"Hilfe öffnen"_s);
    MakeAction(help, u"MenuHilfeDatei"_s, u"Namen der Hilfe-Datei und  des Ordners "_s);
    MakeAction(help, u"MenuInfo"_s, u"Info"_s);
}

void TMainForm::connectHandlers()
{
    const auto onClick = [this](const QString& button, const QString& menuItem, auto handler) {
        connect(findChild<QPushButton*>(button), &QPushButton::clicked, this, handler);
        connect(findChild<QAction*>(menuItem), &QAction::triggered, this, handler);
    };
    onClick(u"AnmeldenBtn"_s, u"MenuLogin"_s, &TMainForm::AnmeldenBtnClick);
    onClick(u"ChgMListeBtn"_s, u"MenuChgMListe"_s, &TMainForm::ChgMListeBtnClick);
    onClick(u"ChgMaStammBtn"_s, u"MenuChgMaStamm"_s, &TMainForm::ChgMaStammBtnClick);
    onClick(u"ChgOrdnerBtn"_s, u"MenuChgOrdner"_s, &TMainForm::ChgOrdnerBtnClick);
    onClick(u"ChgAPasswBtn"_s, u"MenuChgAPassw"_s, &TMainForm::ChgAPasswBtnClick);
    onClick(u"CloseBtn"_s, u"MenuClose"_s, &QWidget::close);
    onClick(u"BackupBtn"_s, u"MenuChgBackup"_s, &TMainForm::BackupBtnClick);
    connect(this, &TMainForm::automaticBackupDue, this, &TMainForm::runAutomaticBackup);
    onClick(u"ChgProjektListeBtn"_s, u"MenuChgProjektListe"_s, &TMainForm::ChgProjektListeBtnClick);
    onClick(u"ChgSonstigeBtn"_s, u"MenuChgSonstige"_s, &TMainForm::ChgSonstigeBtnClick);
    onClick(u"ChgMonSollZBtn"_s, u"MenuChgMonSollZ"_s, &TMainForm::ChgMonSollZBtnClick);
    onClick(u"StdSatzBtn"_s, u"MenuStdSatz"_s, &TMainForm::StdSatzBtnClick);
    onClick(u"ChgFeiertageBtn"_s, u"MenuChgFeiertage"_s, &TMainForm::ChgFeiertageBtnClick);
    onClick(u"PelinMonUeBtn"_s, u"MenuPelinMonUe"_s, &TMainForm::PelinMonUeBtnClick);
    onClick(u"ProjMonatBtn"_s, u"MenuProjMonat"_s, &TMainForm::ProjMonatBtnClick);
    onClick(u"ProjQuartaBtn"_s, u"MenuProjQuarta"_s, &TMainForm::ProjQuartaBtnClick);
    onClick(u"ProjJahrBtn"_s, u"MenuProjJahr"_s, &TMainForm::ProjJahrBtnClick);
    onClick(u"MaMonatBtn"_s, u"MenuMaMonat"_s, &TMainForm::MaMonatBtnClick);
    onClick(u"MaQuartaBtn"_s, u"MenuMaQuarta"_s, &TMainForm::MaQuartaBtnClick);
    onClick(u"MaJahrBtn"_s, u"MenuMaJahr"_s, &TMainForm::MaJahrBtnClick);
    onClick(u"PruefJahrBtn"_s, u"MenuPruefJahr"_s, &TMainForm::PruefJahrBtnClick);
    onClick(u"MonatKomplettBtn"_s, u"MenuMonatKomplett"_s, &TMainForm::MonatKomplettBtnClick);
    connect(adminPassMEdit_, &QLineEdit::returnPressed, this, &TMainForm::AnmeldenBtnClick);
    connect(findChild<QToolButton*>(u"InfoImage"_s), &QToolButton::clicked, this, &TMainForm::InfoImageClick);
    connect(findChild<QAction*>(u"MenuHilfeOeffnen"_s), &QAction::triggered, this,
        [this] { environment_.help.OpenHelp(KoravHelp::kMainWindowTopic); });
    connect(
        findChild<QAction*>(u"MenuHilfeDatei"_s), &QAction::triggered, this, &TMainForm::MenuHilfeDateiClick);
    connect(findChild<QAction*>(u"MenuInfo"_s), &QAction::triggered, this, &TMainForm::MenuInfoClick);
    connect(subMenuStilWindows_, &QAction::triggered, this, &TMainForm::SubMenuStilWindowsClick);
    connect(subMenuStilGrau_, &QAction::triggered, this, &TMainForm::SubMenuStilGrauClick);
    connect(timer1_, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    connect(maOpenForm_, &TMaOpenForm::dataFolderChanged, this, &TMainForm::dataFolderChanged);
}
