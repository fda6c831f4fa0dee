#include "common/ftp_client.h"
#include "korav/forms/connection_indicator.h"
#include "korav/forms/verb_daten_form.h"
#include "tests/korav_ui/korav_window_fixture.h"
#include "tests/support/byte_order_mark.h"
#include "tests/support/ftp_server.h"
#include "tests/support/ldap_server.h"
#include "tests/support/tls_ftp_server.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

struct VerbDaten : KoravWindow {
    void SetUp() override
    {
        makeDataFolder();
        start();
        logIn(u"nuvo"_s);
        dialog().FormShow();
        messenger.messages.clear();
    }
    TVerbDatenForm& dialog() { return form->verbDatenForm(); }
    QLineEdit* field(const QString& name) { return dialog().findChild<QLineEdit*>(name); }
    QLabel* line(const QString& name) { return dialog().findChild<QLabel*>(name); }
    QCheckBox* box(const QString& name) { return dialog().findChild<QCheckBox*>(name); }
    QByteArray config() { return tmp.read(u"daten/zconfig.kvd"_s); }
    void fillLdap(const DirectorySettings& s)
    {
        field(u"LdapServerEdit"_s)->setText(s.server);
        field(u"LdapPortEdit"_s)->setText(s.port);
        field(u"LdapDn1Edit"_s)->setText(s.dn1);
        field(u"LdapDn2Edit"_s)->setText(s.dn2);
    }
};

TEST_F(VerbDaten, ShowingCreatesTheDefaultFoldersAndStoresThem)
{
    EXPECT_EQ(field(u"ProgOrdnerEdit"_s)->text(), tmp.path(u"daten/prog"_s));
    EXPECT_EQ(field(u"ZeitOrdnerEdit"_s)->text(), tmp.path(u"daten/zeit"_s));
    EXPECT_EQ(config(),
        kBom + "progordner=" + tmp.path(u"daten/prog"_s).toUtf8()
            + "\r\nzeitordner=" + tmp.path(u"daten/zeit"_s).toUtf8() + "\r\n");
    EXPECT_EQ(field(u"FtpServerEdit"_s)->text(), u" "_s);
}

TEST_F(VerbDaten, ChoosingTheDataFolderIsRefused)
{
    dialog().selectDir().setBrowser([&](const QString&, const QString&) { return tmp.path(u"daten"_s); });
    dialog().OrdnerProgDatenBtnClick();
    dialog().OrdnerZeitDatenBtnClick();
    EXPECT_EQ(messenger.messages,
        (QStringList { u"Der Programm-Ordner darf nicht der KORAV-Ordner sein !"_s,
            u"Der Programm-Ordner darf nicht der KORAV-Ordner sein.  "_s }));
    QDir().mkpath(tmp.path(u"austausch"_s));
    dialog().selectDir().setBrowser([&](const QString&, const QString&) { return tmp.path(u"austausch"_s); });
    dialog().OrdnerProgDatenBtnClick();
    dialog().OrdnerZeitDatenBtnClick();
    EXPECT_EQ(field(u"ProgOrdnerEdit"_s)->text(), tmp.path(u"austausch"_s));
    EXPECT_EQ(field(u"ZeitOrdnerEdit"_s)->text(), tmp.path(u"austausch"_s));
}

TEST_F(VerbDaten, FtpSettingsSurviveAReloadAndMakeTheBaseDataStale)
{
    field(u"FtpPasswortEdit"_s)->setText(u"geheim"_s);
    box(u"FtpAktivCBox"_s)->setChecked(true);
    messenger.answerNext(kAnswerYes);
    dialog().SaveBtnClick();
    EXPECT_EQ(messenger.questions, QStringList { u"Änderungen speichern ?"_s });
    EXPECT_TRUE(config().contains("syftppw=geheim\r\nLAN_aktiv=0\r\n"));
    field(u"FtpPasswortEdit"_s)->clear();
    dialog().FormShow();
    EXPECT_EQ(field(u"FtpPasswortEdit"_s)->text(), u"geheim"_s);
    EXPECT_TRUE(box(u"FtpAktivCBox"_s)->isChecked());
    EXPECT_EQ(button(u"PelinErstellenBtn")->text(), u"PELIN-Basisdaten erstellen ! "_s);
}

TEST_F(VerbDaten, NeinRestoresEveryField)
{
    field(u"FtpServerEdit"_s)->setText(u"ftp.firma.de"_s);
    field(u"LdapPortEdit"_s)->setText(u"389"_s);
    box(u"LdapAktivierenCBox"_s)->setChecked(true);
    messenger.answerNext(kAnswerNo);
    dialog().SaveBtnClick();
    EXPECT_EQ(field(u"FtpServerEdit"_s)->text(), u" "_s);
    EXPECT_TRUE(field(u"LdapPortEdit"_s)->text().isEmpty());
    EXPECT_FALSE(box(u"LdapAktivierenCBox"_s)->isChecked());
}

TEST_F(VerbDaten, NeinAfterUntickingTheDirectoryTicksItAgainWithItsFieldsOpen)
{
    tmp.write(u"daten/zconfig.kvd"_s,
        config() + "ldapserver=ldap.firma.de\r\nldapport=389\r\nldap_cbox_aktiviert=1\r\n");
    dialog().FormShow();
    ASSERT_TRUE(field(u"LdapServerEdit"_s)->isEnabled());
    box(u"LdapAktivierenCBox"_s)->setChecked(false);
    dialog().LdapAktivierenCBoxClick();
    messenger.answerNext(kAnswerNo);
    dialog().SaveBtnClick();
    EXPECT_TRUE(box(u"LdapAktivierenCBox"_s)->isChecked());
    EXPECT_TRUE(field(u"LdapServerEdit"_s)->isEnabled());
    EXPECT_TRUE(dialog().findChild<QToolButton*>(u"LdapPruefenSBtn"_s)->isEnabled());
}

TEST_F(VerbDaten, UnsavedFtpChangesAreWarnedOfAlsoAfterASave)
{
    for (const QString& password : { u"eins"_s, u"zwei"_s }) {
        dialog().FormShow();
        field(u"FtpPasswortEdit"_s)->setText(password);
        messenger.answerNext(kAnswerYes);
        dialog().SaveBtnClick();
        dialog().FormShow();
        field(u"FtpServerEdit"_s)->setText(u"ftp.firma.de"_s);
        messenger.messages.clear();
        dialog().close();
        EXPECT_EQ(messenger.messages, QStringList { u"Änderungen werden nicht gespeichert !  "_s });
    }
}

TEST_F(VerbDaten, OnlyTheTestLogInIsNoChange)
{
    field(u"LdapAnmeldeNameEdit"_s)->setText(u"erika"_s);
    dialog().SaveBtnClick();
    EXPECT_TRUE(messenger.questions.isEmpty());
}

TEST_F(VerbDaten, DirectoryInputChecks)
{
    fillLdap({ u"localhost"_s, u"389"_s, u"firma"_s, {} });
    dialog().LdapPruefenSBtnClick();
    fillLdap({ u"localhost"_s, u"389"_s, u"firma"_s, u"de"_s });
    dialog().LdapPruefenSBtnClick();
    EXPECT_EQ(messenger.messages,
        (QStringList { u"Eingabe Adresse LDAP-Server, Port oder Domänen-Name fehlt!  "_s,
            u"Eingabe Anmeldename oder Kennwort fehlt !  "_s }));
    EXPECT_FALSE(dialog().directoryTested());
}

TEST_F(VerbDaten, DirectoryChangeWithoutTestIsRefusedAndAFailedBindCounts)
{
    LdapServer ldap({ { u"erika"_s, u"Sommer2023"_s } });
    ASSERT_TRUE(ldap.isRunning());
    DirectorySettings s = ldap.settings();
    s.port += u"abc"_s; // the leading digits are the port
    fillLdap(s);
    box(u"LdapAktivierenCBox"_s)->setChecked(true);
    messenger.answerNext(kAnswerYes);
    dialog().SaveBtnClick();
    EXPECT_EQ(messenger.messages, QStringList { u"LDAP-Anmeldung muss getestet werden !  "_s });

    field(u"LdapAnmeldeNameEdit"_s)->setText(u"erika"_s);
    field(u"LdapKennwortEdit"_s)->setText(u"Winter"_s);
    dialog().LdapPruefenSBtnClick();
    EXPECT_EQ(line(u"Err4_Label"_s)->text(), u"Verbindung zum LDAP-Server konnte hergestellt werden"_s);
    EXPECT_EQ(
        line(u"Err3_Label"_s)->text(), u"Anmeldung war nicht erfolgreich! (Anmeldename-/Passwortfehler)"_s);
    EXPECT_TRUE(line(u"Err3_Label"_s)->styleSheet().contains(u"185, 0, 0"_s));
    field(u"LdapKennwortEdit"_s)->setText(u"Sommer2023"_s);
    dialog().LdapPruefenSBtnClick();
    EXPECT_EQ(line(u"Err3_Label"_s)->text(), u"Anmeldung war erfolgreich!"_s);
    EXPECT_TRUE(line(u"Err3_Label"_s)->styleSheet().contains(u"0, 128, 0"_s));

    messenger.answerNext(kAnswerYes);
    dialog().SaveBtnClick();
    EXPECT_TRUE(config().contains(QByteArray("ldapport=" + s.port.toUtf8() + "\r\n")));
    EXPECT_TRUE(config().contains("ldap_cbox_aktiviert=1\r\n"));
}

TEST_F(VerbDaten, SwitchingTheDirectoryOffGreysItsFields)
{
    box(u"LdapAktivierenCBox"_s)->setChecked(false);
    dialog().LdapAktivierenCBoxClick();
    EXPECT_FALSE(field(u"LdapServerEdit"_s)->isEnabled());
    EXPECT_TRUE(field(u"LdapKennwortEdit"_s)->styleSheet().contains(u"192, 192, 192"_s));
    EXPECT_FALSE(dialog().findChild<QToolButton*>(u"LdapPruefenSBtn"_s)->isEnabled());
}

TEST_F(VerbDaten, FtpTestListsTheServersFoldersAndAClickTakesOne)
{
    FtpServer ftp;
    ASSERT_TRUE(ftp.isRunning());
    QDir(ftp.root()).mkpath(u"pelin"_s);
    dialog().VorhFtpOrdnerLBoxClick();
    EXPECT_EQ(messenger.messages, QStringList { u"Kein FTP-Ordner in Liste vorhanden !  "_s });
    const FtpSettings s = ftp.settings();
    field(u"FtpServerEdit"_s)->setText(s.server + u':' + QString::number(s.port));
    field(u"FtpBenutzerEdit"_s)->setText(s.user);
    field(u"FtpPasswortEdit"_s)->setText(u"falsch"_s);
    dialog().FtpVerbindungPruefenSBtnClick();
    EXPECT_EQ(line(u"Err_Label"_s)->text(), u"Eine Internetverbindung besteht, jedoch ist"_s);
    EXPECT_EQ(line(u"Err1_Label"_s)->text(), u"keine Verbindung zum FTP-Server möglich"_s);

    field(u"FtpPasswortEdit"_s)->setText(s.password);
    dialog().FtpVerbindungPruefenSBtnClick();
    EXPECT_EQ(line(u"Err_Label"_s)->text(), u" Eine Verbindung zum FTP-Server konnte hergestellt werden! "_s);
    auto* list = dialog().findChild<QListWidget*>(u"VorhFtpOrdnerLBox"_s);
    ASSERT_EQ(list->count(), 2);
    list->setCurrentRow(list->item(0)->text() == u"pelin"_s ? 0 : 1);
    dialog().VorhFtpOrdnerLBoxClick();
    EXPECT_EQ(field(u"FtpOrdnerEdit"_s)->text(), u"pelin"_s);
    dialog().FtpVerbindungPruefenSBtnClick();
    EXPECT_EQ(line(u"Err2_Label"_s)->text(), u" Der gewählte Ordner ist vorhanden! "_s);

    messenger.answerNext(kAnswerYes);
    dialog().SaveBtnClick();
    EXPECT_FALSE(form->paintBox1().online());
    EXPECT_EQ(form->FtpVerbinden(), 1);
    EXPECT_TRUE(form->paintBox1().online());
    EXPECT_EQ(form->findChild<QLabel*>(u"OnlineImage"_s)->toolTip(), u"Online"_s);
}

TEST_F(VerbDaten, FtpVerbindenFailureGoesToTheStatusLine)
{
    field(u"FtpServerEdit"_s)->setText(u"127.0.0.1:"_s + QString::number(FreeLocalPort()));
    messenger.answerNext(kAnswerYes);
    dialog().SaveBtnClick();
    EXPECT_EQ(form->FtpVerbinden(), 0);
    EXPECT_EQ(label(u"ErrLabel")->text(), u"Die Anmeldung am FTP-Server war nicht erfolgreich! (2)"_s);
    EXPECT_FALSE(form->paintBox1().online());
}

} // namespace

namespace {

TEST_F(VerbDaten, TlsSwitchAndTrustedCertificateReachAProtectedServer)
{
    TlsFtpServer ftp(FtpSecurity::Explicit);
    ASSERT_TRUE(ftp.isRunning());
    const FtpSettings s = ftp.settings(FtpSecurity::Explicit);
    field(u"FtpServerEdit"_s)->setText(s.server + u':' + QString::number(s.port));
    field(u"FtpBenutzerEdit"_s)->setText(s.user);
    field(u"FtpPasswortEdit"_s)->setText(s.password);
    box(u"FtpTlsCBox"_s)->setChecked(true);
    dialog().FtpTlsCBoxClick();
    EXPECT_EQ(field(u"FtpServerEdit"_s)->text(), u"ftpes://127.0.0.1:"_s + QString::number(s.port));

    dialog().FtpVerbindungPruefenSBtnClick();
    EXPECT_EQ(line(u"Err1_Label"_s)->text(), u"keine Verbindung zum FTP-Server möglich"_s);
    EXPECT_EQ(line(u"Err2_Label"_s)->text(), FtpFailureText(FtpFailure::Certificate));

    dialog().setCertificateBrowser([&] { return ftp.certificate(); });
    dialog().ZertifikatBtnClick();
    dialog().FtpVerbindungPruefenSBtnClick();
    EXPECT_EQ(line(u"Err_Label"_s)->text(), u" Eine Verbindung zum FTP-Server konnte hergestellt werden! "_s);
    EXPECT_EQ(line(u"Err1_Label"_s)->text(), u" Die Verbindung ist verschlüsselt (TLS). "_s);

    messenger.answerNext(kAnswerYes);
    dialog().SaveBtnClick();
    EXPECT_TRUE(messenger.messages.isEmpty()) << messenger.messages.join(u'|').toStdString();
    QFile certificate(ftp.certificate());
    ASSERT_TRUE(certificate.open(QIODevice::ReadOnly));
    const QByteArray pem = certificate.readAll();
    EXPECT_EQ(tmp.read(u"daten/prog/pelin_zertifikat.pem"_s), pem);
    EXPECT_EQ(tmp.read(u"daten/pelin_zertifikat.pem"_s), pem);
    EXPECT_TRUE(config().contains("syftpserver=ftpes://127.0.0.1:"));
    dialog().FormShow();
    EXPECT_EQ(field(u"ZertifikatEdit"_s)->text(), tmp.path(u"daten/prog/pelin_zertifikat.pem"_s));
    EXPECT_TRUE(box(u"FtpTlsCBox"_s)->isChecked());
    EXPECT_EQ(form->FtpVerbinden(), 1);

    box(u"FtpTlsCBox"_s)->setChecked(false);
    dialog().FtpTlsCBoxClick();
    EXPECT_EQ(field(u"FtpServerEdit"_s)->text(), u"127.0.0.1:"_s + QString::number(s.port));
}

TEST_F(VerbDaten, CertificateWithoutPemIsRefusedAndRemovingItDeletesTheCopy)
{
    tmp.write(u"kein.pem"_s, "kein Zertifikat\r\n");
    dialog().setCertificateBrowser([&] { return tmp.path(u"kein.pem"_s); });
    dialog().ZertifikatBtnClick();
    messenger.answerNext(kAnswerYes);
    dialog().SaveBtnClick();
    EXPECT_EQ(messenger.messages,
        QStringList { u"Die gewählte Datei enthält kein Zertifikat im PEM-Format !  "_s });
    EXPECT_FALSE(tmp.exists(u"daten/prog/pelin_zertifikat.pem"_s));

    for (const QString& copy : { u"daten/prog/pelin_zertifikat.pem"_s, u"daten/pelin_zertifikat.pem"_s })
        tmp.write(copy, "-----BEGIN CERTIFICATE-----\n-----END CERTIFICATE-----\n");
    dialog().FormShow();
    dialog().ZertifikatEntfernenBtnClick();
    messenger.answerNext(kAnswerYes);
    dialog().SaveBtnClick();
    EXPECT_FALSE(tmp.exists(u"daten/prog/pelin_zertifikat.pem"_s));
    EXPECT_FALSE(tmp.exists(u"daten/pelin_zertifikat.pem"_s));
}

TEST_F(VerbDaten, DirectoryTestOverStartTlsTrustsOnlyTheChosenCertificate)
{
    LdapServer ldap({ { u"erika"_s, u"Sommer2023"_s } }, true);
    ASSERT_TRUE(ldap.isRunning());
    fillLdap(ldap.settings());
    box(u"LdapAktivierenCBox"_s)->setChecked(true);
    dialog().LdapAktivierenCBoxClick();
    box(u"LdapStartTlsCBox"_s)->setChecked(true);
    field(u"LdapAnmeldeNameEdit"_s)->setText(u"erika"_s);
    field(u"LdapKennwortEdit"_s)->setText(u"Sommer2023"_s);
    dialog().LdapPruefenSBtnClick();
    EXPECT_EQ(line(u"Err4_Label"_s)->text(), u"Keine verschlüsselte Verbindung zum LDAP-Server möglich!"_s);
    EXPECT_TRUE(line(u"Err3_Label"_s)->text().isEmpty());

    dialog().setCertificateBrowser([&] { return ldap.certificate(); });
    dialog().ZertifikatBtnClick();
    dialog().LdapPruefenSBtnClick();
    EXPECT_EQ(line(u"Err3_Label"_s)->text(), u"Anmeldung war erfolgreich!"_s);
    messenger.answerNext(kAnswerYes);
    dialog().SaveBtnClick();
    EXPECT_TRUE(config().contains("ldap_cbox_aktiviert=1\r\nldap_starttls=1\r\n"));
}

// The setting lives in a file of its own: "zconfig.kvd" stays as it was.
TEST_F(VerbDaten, PasswordCheckSettingIsStoredInItsOwnFile)
{
    const QByteArray before = config();
    box(u"PasswortPruefwertCBox"_s)->setChecked(true);
    messenger.answerNext(kAnswerYes);
    dialog().SaveBtnClick();
    EXPECT_EQ(tmp.read(u"daten/zpruefwert.kvd"_s), kBom + "passwort_pruefwert=1\r\n");
    EXPECT_EQ(config(), before);
    dialog().FormShow();
    EXPECT_TRUE(box(u"PasswortPruefwertCBox"_s)->isChecked());
}

} // namespace
