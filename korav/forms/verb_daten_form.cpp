#include "korav/forms/verb_daten_form.h"

#include "common/ftp_address.h"
#include "common/messenger.h"
#include "common/ui/fitting_scroll_area.h"
#include "common/ui/named_widgets.h"
#include "common/ui/tab_order.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_checks.h"
#include "korav/core/connection_save.h"
#include "korav/core/korav_help.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/korav_environment.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kGrey[] = u"background-color: rgb(192, 192, 192);";

QLineEdit* MakeEdit(QWidget* parent, const QString& name, int maxLength, bool readOnly = false)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setReadOnly(readOnly);
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QToolButton* MakeSpeedButton(
    QWidget* parent, const QString& name, const QString& caption, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    return button;
}

QGroupBox* MakePanel(QWidget* parent, const QString& name)
{
    auto* panel = new QGroupBox(parent);
    panel->setObjectName(name);
    return panel;
}

} // namespace

TVerbDatenForm::TVerbDatenForm(KoravEnvironment& environment, ConnectionSettings& settings,
    std::function<void()> checkBaseData, QWidget* parent)
    : QDialog(parent),
      environment_(environment),
      settings_(settings),
      checkBaseData_(std::move(checkBaseData))
{
    setObjectName(u"VerbDatenForm"_s);
    setWindowTitle(u"  Verbindungs-Einstellungen"_s);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(MakeHelpImage(this, environment.help, KoravHelp::kAdministrationTopic));
    layout->addLayout(top);
    auto* panels = new QWidget;
    auto* column = new QVBoxLayout(panels);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buildFolderPanel(panels));
    column->addWidget(buildFtpPanel(panels));
    // Side by side, so that the dialog still fits a small screen.
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildLdapPanel(panels), 1);
    bottom->addWidget(buildCertificatePanel(panels), 1);
    column->addLayout(bottom);
    layout->addWidget(Named(new FittingScrollArea(panels, this), u"PanelsScroll"_s), 1);
    certificateBrowser_ = [this] {
        return QFileDialog::getOpenFileName(this, u"Zertifikat des Servers auswählen"_s, {},
            u"Zertifikate (*.pem *.crt);;Alle Dateien (*)"_s);
    };
    saveBtn_ = MakeButton(this, u"SaveBtn"_s, u"&Schließen"_s);
    layout->addWidget(saveBtn_, 0, Qt::AlignRight);
    connectHandlers();
}

QWidget* TVerbDatenForm::buildFolderPanel(QWidget* parent)
{
    QGroupBox* panel = MakePanel(parent, u"ZeitOrdnerPanel"_s);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(MakeLabel(panel, u"Label16"_s, u"Datenaustausch-Ordner für PELIN"_s), 0, 0, 1, 3);
    grid->addWidget(
        MakeLabel(panel, u"Label18"_s,
            u"Wählen Sie Ordner aus, die für alle Anwender erreichbar sind (z.B. Server-Ordner ) und "
            u"alle Schreib- und Leserechte haben."_s),
        1, 0, 1, 3);
    grid->addWidget(MakeLabel(panel, u"Label19"_s, u"Es kann nicht der KORAV-Ordner sein !"_s), 2, 0, 1, 3);
    progOrdnerEdit_ = MakeEdit(panel, u"ProgOrdnerEdit"_s, 259, true);
    zeitOrdnerEdit_ = MakeEdit(panel, u"ZeitOrdnerEdit"_s, 259, true);
    grid->addWidget(MakeLabel(panel, u"Label6"_s, u"Ordner für Programm PELIN"_s), 3, 0);
    grid->addWidget(progOrdnerEdit_, 3, 1);
    QToolButton* ordnerProgDatenBtn
        = MakeSpeedButton(panel, u"OrdnerProgDatenBtn"_s, u"..."_s, u"Programm-Ordner wählen"_s);
    connect(ordnerProgDatenBtn, &QToolButton::clicked, this, &TVerbDatenForm::OrdnerProgDatenBtnClick);
    grid->addWidget(ordnerProgDatenBtn, 3, 2);
    grid->addWidget(MakeLabel(panel, u"Label15"_s, u"Ordner für Mitarbeiter - Zeitdateien"_s), 4, 0);
    grid->addWidget(zeitOrdnerEdit_, 4, 1);
    QToolButton* ordnerZeitDatenBtn
        = MakeSpeedButton(panel, u"OrdnerZeitDatenBtn"_s, u"..."_s, u"Zeitdaten-Ordner wählen"_s);
    connect(ordnerZeitDatenBtn, &QToolButton::clicked, this, &TVerbDatenForm::OrdnerZeitDatenBtnClick);
    grid->addWidget(ordnerZeitDatenBtn, 4, 2);
    SetTabOrder({ progOrdnerEdit_, ordnerProgDatenBtn, zeitOrdnerEdit_, ordnerZeitDatenBtn });
    return panel;
}

QWidget* TVerbDatenForm::buildFtpPanel(QWidget* parent)
{
    QGroupBox* panel = MakePanel(parent, u"FtpPanel"_s);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(MakeLabel(panel, u"Label4"_s, u"FTP - Verbindungsdaten"_s), 0, 0, 1, 2);
    ftpServerEdit_ = MakeEdit(panel, u"FtpServerEdit"_s, 60);
    ftpServerEdit_->setText(u" "_s);
    ftpBenutzerEdit_ = MakeEdit(panel, u"FtpBenutzerEdit"_s, 60);
    ftpPasswortEdit_ = MakeEdit(panel, u"FtpPasswortEdit"_s, 20);
    ftpOrdnerEdit_ = MakeEdit(panel, u"FtpOrdnerEdit"_s, 60, true);
    const std::pair<const char16_t*, const char16_t*> labels[]
        = { { u"Label7", u"Adresse des FTP - Servers" }, { u"Label9", u"FTP - Benutzername" },
              { u"Label8", u"FTP - Passwort" }, { u"Label1", u"Gewählter FTP - Ordner" } };
    QLineEdit* edits[] = { ftpServerEdit_, ftpBenutzerEdit_, ftpPasswortEdit_, ftpOrdnerEdit_ };
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(
            MakeLabel(panel, QString::fromUtf16(labels[i].first), QString::fromUtf16(labels[i].second)),
            1 + i, 0);
        grid->addWidget(edits[i], 1 + i, 1);
    }
    ftpAktivCBox_ = new QCheckBox(u"Datenaustausch mit PELIN über FTP-Server"_s, panel);
    ftpAktivCBox_->setObjectName(u"FtpAktivCBox"_s);
    grid->addWidget(ftpAktivCBox_, 5, 0);
    ftpTlsCBox_ = new QCheckBox(u"verschlüsselt (TLS)"_s, panel);
    ftpTlsCBox_->setObjectName(u"FtpTlsCBox"_s);
    ftpTlsCBox_->setToolTip(u"Schreibt \"ftpes://\" vor die Adresse; \"ftps://\" wählt implizites TLS"_s);
    grid->addWidget(ftpTlsCBox_, 5, 1);
    grid->addWidget(MakeLabel(panel, u"Label2"_s, u"Vorhandene FTP-Ordner"_s), 0, 2);
    grid->addWidget(
        MakeLabel(panel, u"Label3"_s, u"FTP - Ordner für PELIN-Daten mit Klick markieren"_s), 1, 2);
    vorhFtpOrdnerLBox_ = new QListWidget(panel);
    vorhFtpOrdnerLBox_->setObjectName(u"VorhFtpOrdnerLBox"_s);
    grid->addWidget(vorhFtpOrdnerLBox_, 2, 2, 3, 1);
    QToolButton* pruefenBtn
        = MakeSpeedButton(panel, u"FtpVerbindungPruefenSBtn"_s, u"&FTP - Verbindung prüfen"_s, {});
    connect(pruefenBtn, &QToolButton::clicked, this, &TVerbDatenForm::FtpVerbindungPruefenSBtnClick);
    grid->addWidget(pruefenBtn, 5, 2);
    SetTabOrder({ ftpOrdnerEdit_, vorhFtpOrdnerLBox_, ftpAktivCBox_, ftpTlsCBox_, pruefenBtn });
    const QString names[] = { u"Err_Label"_s, u"Err1_Label"_s, u"Err2_Label"_s };
    for (int i = 0; i < 3; ++i) {
        errLabels_[i] = MakeLabel(panel, names[i], {});
        grid->addWidget(errLabels_[i], 6 + i, 0, 1, 3);
    }
    return panel;
}

QWidget* TVerbDatenForm::buildLdapPanel(QWidget* parent)
{
    QGroupBox* panel = MakePanel(parent, u"LdapPanel"_s);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(MakeLabel(panel, u"Label5"_s, u"Zugangsdaten für LDAP - Anmeldung "_s), 0, 0, 1, 3);
    ldapServerEdit_ = MakeEdit(panel, u"LdapServerEdit"_s, 60);
    ldapPortEdit_ = MakeEdit(panel, u"LdapPortEdit"_s, 60);
    ldapDn1Edit_ = MakeEdit(panel, u"LdapDn1Edit"_s, 40);
    ldapDn2Edit_ = MakeEdit(panel, u"LdapDn2Edit"_s, 10);
    grid->addWidget(MakeLabel(panel, u"Label17"_s, u"Adresse  des LDAP- Servers"_s), 1, 0);
    grid->addWidget(ldapServerEdit_, 1, 1, 1, 2);
    grid->addWidget(MakeLabel(panel, u"Label10"_s, u"Port"_s), 2, 0);
    grid->addWidget(ldapPortEdit_, 2, 1, 1, 2);
    grid->addWidget(MakeLabel(panel, u"Label11"_s, u"Domänen - Name"_s), 3, 0);
    grid->addWidget(ldapDn1Edit_, 3, 1);
    grid->addWidget(ldapDn2Edit_, 3, 2);
    auto* panel1 = new QWidget(panel);
    panel1->setObjectName(u"Panel1"_s);
    auto* row = new QHBoxLayout(panel1);
    ldapAktivierenCBox_ = new QCheckBox(u"LDAP-Anmeldung aktivieren"_s, panel1);
    ldapAktivierenCBox_->setObjectName(u"LdapAktivierenCBox"_s);
    row->addWidget(ldapAktivierenCBox_);
    ldapStartTlsCBox_ = new QCheckBox(u"StartTLS"_s, panel1);
    ldapStartTlsCBox_->setObjectName(u"LdapStartTlsCBox"_s);
    ldapStartTlsCBox_->setToolTip(
        u"Verbindung vor der Anmeldung verschlüsseln (oder \"ldaps://\" vor die Adresse)"_s);
    row->addWidget(ldapStartTlsCBox_);
    grid->addWidget(panel1, 4, 0, 1, 3);
    grid->addWidget(MakeLabel(panel, u"Label12"_s, u"LDAP - Anmeldung testen"_s), 5, 0, 1, 3);
    ldapAnmeldeNameEdit_ = MakeEdit(panel, u"LdapAnmeldeNameEdit"_s, 60);
    ldapKennwortEdit_ = MakeEdit(panel, u"LdapKennwortEdit"_s, 20);
    grid->addWidget(MakeLabel(panel, u"Label13"_s, u"Anmeldename"_s), 6, 0);
    grid->addWidget(ldapAnmeldeNameEdit_, 6, 1, 1, 2);
    grid->addWidget(MakeLabel(panel, u"Label14"_s, u"Kennwort"_s), 7, 0);
    grid->addWidget(ldapKennwortEdit_, 7, 1, 1, 2);
    ldapPruefenSBtn_ = MakeSpeedButton(panel, u"LdapPruefenSBtn"_s, u"Anmeldung prüfen"_s, {});
    grid->addWidget(ldapPruefenSBtn_, 8, 0);
    err4Label_ = MakeLabel(panel, u"Err4_Label"_s, {});
    err3Label_ = MakeLabel(panel, u"Err3_Label"_s, {});
    grid->addWidget(err4Label_, 9, 0, 1, 3);
    grid->addWidget(err3Label_, 10, 0, 1, 3);
    return panel;
}

QWidget* TVerbDatenForm::buildCertificatePanel(QWidget* parent)
{
    QGroupBox* panel = MakePanel(parent, u"SicherheitPanel"_s);
    auto* grid = new QGridLayout(panel);
    QLabel* heading = MakeLabel(panel, u"Label20"_s,
        u"Zertifikat des eigenen FTP- oder LDAP-Servers (PEM-Datei; ohne Datei gelten "
        u"die Zertifizierungsstellen des Systems)"_s);
    heading->setWordWrap(true);
    grid->addWidget(heading, 0, 0, 1, 3);
    zertifikatEdit_ = MakeEdit(panel, u"ZertifikatEdit"_s, 259, true);
    grid->addWidget(zertifikatEdit_, 1, 0);
    QToolButton* choose = MakeSpeedButton(panel, u"ZertifikatBtn"_s, u"..."_s, u"Zertifikatsdatei wählen"_s);
    connect(choose, &QToolButton::clicked, this, &TVerbDatenForm::ZertifikatBtnClick);
    grid->addWidget(choose, 1, 1);
    QToolButton* remove = MakeSpeedButton(panel, u"ZertifikatEntfernenBtn"_s, u"Entfernen"_s,
        u"Wieder den Zertifizierungsstellen des Systems vertrauen"_s);
    connect(remove, &QToolButton::clicked, this, &TVerbDatenForm::ZertifikatEntfernenBtnClick);
    grid->addWidget(remove, 1, 2);
    passwortPruefwertCBox_ = new QCheckBox(u"Passwörter nur als Prüfwert weitergeben"_s, panel);
    passwortPruefwertCBox_->setObjectName(u"PasswortPruefwertCBox"_s);
    passwortPruefwertCBox_->setToolTip(u"Die Mitarbeiter-Datei enthält dann statt der PELIN-Passwörter "
                                       u"nur noch daraus berechnete Prüfwerte"_s);
    grid->addWidget(passwortPruefwertCBox_, 2, 0, 1, 3);
    grid->setRowStretch(3, 1);
    return panel;
}

void TVerbDatenForm::connectHandlers()
{
    connect(ftpTlsCBox_, &QCheckBox::clicked, this, &TVerbDatenForm::FtpTlsCBoxClick);
    connect(ftpServerEdit_, &QLineEdit::textChanged, this,
        [this](const QString& text) { ftpTlsCBox_->setChecked(AsksForTls(text)); });
    connect(vorhFtpOrdnerLBox_, &QListWidget::itemClicked, this, &TVerbDatenForm::VorhFtpOrdnerLBoxClick);
    connect(ldapAktivierenCBox_, &QCheckBox::clicked, this, &TVerbDatenForm::LdapAktivierenCBoxClick);
    connect(ldapPruefenSBtn_, &QToolButton::clicked, this, &TVerbDatenForm::LdapPruefenSBtnClick);
    connect(saveBtn_, &QPushButton::clicked, this, &TVerbDatenForm::SaveBtnClick);
}

ConnectionFields TVerbDatenForm::fieldsFromControls() const
{
    return { progOrdnerEdit_->text(), zeitOrdnerEdit_->text(), ftpServerEdit_->text(),
        ftpBenutzerEdit_->text(), ftpPasswortEdit_->text(), ftpOrdnerEdit_->text(),
        ftpAktivCBox_->isChecked(), ldapServerEdit_->text(), ldapPortEdit_->text(), ldapDn1Edit_->text(),
        ldapDn2Edit_->text(), ldapAktivierenCBox_->isChecked(), ldapStartTlsCBox_->isChecked(),
        zertifikatEdit_->text(), passwortPruefwertCBox_->isChecked() };
}

void TVerbDatenForm::showFields(const ConnectionFields& f)
{
    progOrdnerEdit_->setText(f.programFolder);
    zeitOrdnerEdit_->setText(f.timeFolder);
    ftpServerEdit_->setText(f.ftpServer);
    ftpBenutzerEdit_->setText(f.ftpUser);
    ftpPasswortEdit_->setText(f.ftpPassword);
    ftpOrdnerEdit_->setText(f.ftpFolder);
    ftpAktivCBox_->setChecked(f.ftpActive);
    ldapServerEdit_->setText(f.ldapServer);
    ldapPortEdit_->setText(f.ldapPort);
    ldapDn1Edit_->setText(f.ldapDn1);
    ldapDn2Edit_->setText(f.ldapDn2);
    ldapAktivierenCBox_->setChecked(f.ldapActive);
    ldapStartTlsCBox_->setChecked(f.ldapStartTls);
    zertifikatEdit_->setText(f.certificate);
    passwortPruefwertCBox_->setChecked(f.passwordCheckValues);
    LdapFelderSchalten(f.ldapActive);
}

// Called by the main window before the dialog is shown modally.
void TVerbDatenForm::FormShow()
{
    for (QLabel* label : { errLabels_[0], errLabels_[1], errLabels_[2], err3Label_, err4Label_ })
        label->clear();
    if (settings_.load())
        checkBaseData_();
    showFields(settings_.fields());
    snapshot_ = fieldsFromControls();
    ldapAnmeldeNameEdit_->clear();
    ldapKennwortEdit_->clear();
    vorhFtpOrdnerLBox_->clear();
    clearFlags();
    closingBySave_ = false;
    saveBtn_->setFocus();
}

void TVerbDatenForm::clearFlags()
{
    directoryTested_ = false;
    ftpChanged_ = false;
}

void TVerbDatenForm::chooseFolder(QLineEdit* edit, const QString& titel, const QString& refusal)
{
    const DataFolder& data = environment_.store.folder();
    selectDir_.Titel = titel;
    selectDir_.RootDir = u"Desktop"_s;
    selectDir_.StartDir = edit->text().isEmpty() ? data.folder() : edit->text();
    if (!selectDir_.Execute())
        return;
    const QString chosen = WithoutTrailingSeparator(selectDir_.SelectedDir);
    if (chosen + u'/' == data.root() || chosen == data.folder()) {
        environment_.messenger.show(refusal);
        return;
    }
    if (chosen != edit->text())
        edit->setText(chosen);
}

void TVerbDatenForm::OrdnerProgDatenBtnClick()
{
    chooseFolder(progOrdnerEdit_, u"Ordner für Programm-Datei PELIN auswählen oder neu erstellen"_s,
        u"Der Programm-Ordner darf nicht der KORAV-Ordner sein !"_s);
}

void TVerbDatenForm::OrdnerZeitDatenBtnClick()
{
    chooseFolder(zeitOrdnerEdit_,
        u"Ordner für vom Mitarbeiter erfasste Zeitdaten auswählen oder neuen Ordner erstellen"_s,
        u"Der Programm-Ordner darf nicht der KORAV-Ordner sein.  "_s);
}

void TVerbDatenForm::VorhFtpOrdnerLBoxClick()
{
    if (vorhFtpOrdnerLBox_->count() == 0) {
        environment_.messenger.show(u"Kein FTP-Ordner in Liste vorhanden !  "_s);
        return;
    }
    if (!vorhFtpOrdnerLBox_->currentItem()) {
        environment_.messenger.show(u"Kein Eintrag ausgewählt !  "_s);
        return;
    }
    ftpOrdnerEdit_->setText(vorhFtpOrdnerLBox_->currentItem()->text());
}

void TVerbDatenForm::FtpVerbindungPruefenSBtnClick()
{
    for (QLabel* label : errLabels_)
        label->clear();
    const ConnectionFields fields = fieldsFromControls();
    if (const std::optional<QString> missing = FtpInputMissing(fields)) {
        environment_.messenger.show(*missing);
        return;
    }
    const FtpTestResult result = FtpTesten(fields);
    for (int i = 0; i < 3; ++i) {
        if (result.connected)
            ShowDone(errLabels_[i], result.lines.at(i));
        else
            ShowError(errLabels_[i], result.lines.at(i));
    }
    vorhFtpOrdnerLBox_->clear();
    vorhFtpOrdnerLBox_->addItems(result.folders);
}

// The switch only writes the scheme: the field stays what is stored.
void TVerbDatenForm::FtpTlsCBoxClick()
{
    ftpServerEdit_->setText(WithTls(ftpServerEdit_->text(), ftpTlsCBox_->isChecked()).left(60));
    ftpTlsCBox_->setChecked(AsksForTls(ftpServerEdit_->text()));
}

void TVerbDatenForm::ZertifikatBtnClick()
{
    const QString chosen = certificateBrowser_ ? certificateBrowser_() : QString();
    if (!chosen.isEmpty())
        zertifikatEdit_->setText(chosen);
}

void TVerbDatenForm::ZertifikatEntfernenBtnClick()
{
    zertifikatEdit_->clear();
}

void TVerbDatenForm::LdapFelderSchalten(bool on)
{
    for (QLineEdit* edit : { ldapServerEdit_, ldapPortEdit_, ldapDn1Edit_, ldapDn2Edit_, ldapAnmeldeNameEdit_,
             ldapKennwortEdit_ }) {
        edit->setEnabled(on);
        edit->setStyleSheet(on ? u"background-color: white;"_s : QString::fromUtf16(kGrey));
    }
    ldapPruefenSBtn_->setEnabled(on);
    ldapStartTlsCBox_->setEnabled(on);
}

void TVerbDatenForm::LdapAktivierenCBoxClick()
{
    err3Label_->clear();
    err4Label_->clear();
    LdapFelderSchalten(ldapAktivierenCBox_->isChecked());
}

void TVerbDatenForm::showLdapLine(QLabel* label, const QString& text, bool ok)
{
    label->setText(text);
    label->setStyleSheet(
        u"color: %1; %2"_s.arg(ok ? u"rgb(0, 128, 0)"_s : u"rgb(185, 0, 0)"_s, QString::fromUtf16(kGrey)));
}

void TVerbDatenForm::LdapPruefenSBtnClick()
{
    const ConnectionFields fields = fieldsFromControls();
    const QString name = ldapAnmeldeNameEdit_->text();
    const QString password = ldapKennwortEdit_->text();
    if (const std::optional<QString> missing = LdapInputMissing(fields, name, password)) {
        environment_.messenger.show(*missing);
        directoryTested_ = false;
        return;
    }
    err3Label_->clear();
    err4Label_->clear();
    const LdapTestLines lines = LdapTesten(fields, name, password);
    showLdapLine(err4Label_, lines.connection, lines.connectionOk);
    if (!lines.login.isEmpty())
        showLdapLine(err3Label_, lines.login, lines.loginOk);
    directoryTested_ = true;
}

void TVerbDatenForm::SaveBtnClick()
{
    const ConnectionFields now = fieldsFromControls();
    ftpChanged_ = ConnectionChanges::Between(snapshot_, now).ftp;
    closingBySave_ = true;
    const ConnectionSaveOutcome outcome
        = ConnectionSave(settings_, environment_.store, environment_.messenger, checkBaseData_)
              .run(snapshot_, now, directoryTested_);
    switch (outcome.close) {
    case ConnectionClose::Stay:
        if (outcome.focusLdapName)
            ldapAnmeldeNameEdit_->setFocus();
        closingBySave_ = false;
        return;
    case ConnectionClose::Declined:
        showFields(snapshot_);
        clearFlags();
        reject();
        return;
    case ConnectionClose::Accepted:
        clearFlags();
        accept();
        return;
    }
}

void TVerbDatenForm::FormClose()
{
    if (!closingBySave_ && ftpChanged_)
        environment_.messenger.show(u"Änderungen werden nicht gespeichert !  "_s);
    closingBySave_ = false;
}

void TVerbDatenForm::closeEvent(QCloseEvent* event)
{
    ftpChanged_ = ConnectionChanges::Between(snapshot_, fieldsFromControls()).ftp;
    FormClose();
    event->accept();
}
