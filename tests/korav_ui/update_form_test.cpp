#include "korav/core/data_folder.h"
#include "korav/forms/update_form.h"
#include "tests/korav_ui/korav_window_fixture.h"
#include "tests/support/ftp_server.h"
#include "tests/support/ldap_server.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString kPackage = u"daten/pelin-update.zip"_s;
const QString kMarker = u"daten/uplstemp_zip.kvd"_s;

struct UpdateDialog : KoravWindow {
    void SetUp() override
    {
        makeDataFolder();
        tmp.write(u"daten/pelin.cfg"_s, "configuration");
        tmp.write(u"daten/"_s + KoravFile::PelinProgram(), QByteArray(30000, 'p'));
        tmp.write(u"daten/"_s + KoravFile::PelinInstaller(), "#!/bin/sh\n");
        start();
        logIn(u"nuvo"_s);
        dialog().FormShow();
        messenger.messages.clear();
    }
    TUpdateForm& dialog() { return form->updateForm(); }
    QLabel* line(const QString& name) { return dialog().findChild<QLabel*>(name); }
    QToolButton* step(const QString& name) { return dialog().findChild<QToolButton*>(name); }
    QStringList memo()
    {
        return dialog().findChild<QPlainTextEdit*>(u"memoZipStatus"_s)->toPlainText().split(u'\n');
    }
    void useFtp(const FtpServer& server)
    {
        const FtpSettings s = server.settings();
        ConnectionFields& f = form->connectionSettings().fields();
        f.ftpServer = s.server + u':' + QString::number(s.port);
        f.ftpUser = s.user;
        f.ftpPassword = s.password;
        f.ftpFolder = s.folder;
        ASSERT_TRUE(form->connectionSettings().saveFields());
        dialog().FormShow();
    }
    void setServerTime(const FtpServer& server, const QDateTime& time)
    {
        QFile file(server.root(u"zeit/pelin-update.zip"_s));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    }
};

TEST_F(UpdateDialog, OpenedByTheSystemAdministratorWithStepFourDisabled)
{
    label(u"ErrLabel")->setText(u"alt"_s);
    button(u"UpdateBtn")->click();
    EXPECT_EQ(modals, QStringList { u"UpdateForm"_s });
    EXPECT_TRUE(label(u"ErrLabel")->text().isEmpty());
    EXPECT_EQ(dialog().windowTitle(), u"  PELIN -Updateversion erstellen"_s);
    EXPECT_EQ(
        step(u"PelinZipErstellenSBtn"_s)->text(), u"(1)   pelin-update.zip  in KORAV - Ordner erstellen"_s);
    EXPECT_EQ(step(u"CreateNewUpdateNrSBtn"_s)->text(), u"(4)   Neues Update aktivieren"_s);
    EXPECT_FALSE(step(u"CreateNewUpdateNrSBtn"_s)->isEnabled());
    EXPECT_EQ(line(u"LastUpdateNrLabel"_s)->text(), u" ---"_s);
    EXPECT_EQ(dialog().findChild<QToolButton*>(u"HilfeImage"_s)->toolTip(), u"Hilfedatei öffnen"_s);
    action(u"MenuUpdate")->trigger();
    EXPECT_EQ(modals.size(), 2);
}

TEST_F(UpdateDialog, AMissingInstallerStopsPackingWithoutTouchingPackageOrMarker)
{
    tmp.write(kPackage, "published package");
    tmp.write(kMarker, "marker");
    QFile::remove(tmp.path(u"daten/"_s + KoravFile::PelinInstaller()));
    dialog().PelinZipErstellenSBtnClick();
    EXPECT_TRUE(messenger.messages.contains(u"Datei install-pelin in korav-Ordner nicht vorhanden !  "_s));
    EXPECT_EQ(tmp.read(kPackage), QByteArray("published package"));
    EXPECT_EQ(tmp.read(kMarker), QByteArray("marker"));
}

TEST_F(UpdateDialog, PackingBuildsStaleBaseDataFirstShowsEveryStepAndDeletesTheMarker)
{
    tmp.write(kMarker, "marker");
    dialog().PelinZipErstellenSBtnClick();
    // The base data were stale: building ran, and packing went on after
    // its refusal.
    EXPECT_TRUE(messenger.messages.contains(u"Mitarbeiter-Liste ist leer  "_s));
    const QString archive = tmp.path(kPackage);
    EXPECT_EQ(memo(),
        (QStringList { u"Öffne Zieldatei "_s + archive + u" ..."_s,
            u"Addiere Datei pelin.cfg zu "_s + archive + u" ..."_s,
            u"Addiere Datei pelin zu "_s + archive + u" ..."_s,
            u"Addiere Datei install-pelin zu "_s + archive + u" ..."_s,
            u"ZIP-Datei wurde erfolgreich erstellt - "_s + archive }));
    EXPECT_EQ(dialog().findChild<QProgressBar*>(u"prbarArchiveProgress"_s)->value(), 100);
    EXPECT_EQ(line(u"lblArchiveProgress"_s)->text(), u"100 %"_s);
    EXPECT_EQ(line(u"lblFileProgress"_s)->text(), u"100 %"_s);
    EXPECT_TRUE(tmp.exists(kPackage));
    EXPECT_FALSE(tmp.exists(kMarker));
}

TEST_F(UpdateDialog, PublishingStoresTheServerTimeAndTheSameTimeIsNotActivatedTwice)
{
    FtpServer server;
    ASSERT_TRUE(server.isRunning());
    useFtp(server);
    dialog().PelinZipErstellenSBtnClick();
    dialog().ZipUploadSBtnClick();
    EXPECT_EQ(line(u"ErrLabel"_s)->text(), u"00:00:00 - pelin-update.zip wurde hochgeladen"_s);
    EXPECT_EQ(server.read(u"zeit/pelin-update.zip"_s), tmp.read(kPackage));
    EXPECT_TRUE(tmp.exists(kMarker));

    setServerTime(server, QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9), Qt::UTC));
    dialog().ZipInFtpOrdnerPruefenSBtnClick();
    EXPECT_EQ(line(u"ZipMeldungLabel"_s)->text(), u"ZIP-Datei ist vorhanden - Datei-Datum : "_s);
    EXPECT_EQ(line(u"ZipDatumLabel"_s)->text(), u"05.03.2024 14:07:09"_s);
    ASSERT_TRUE(step(u"CreateNewUpdateNrSBtn"_s)->isEnabled());
    dialog().CreateNewUpdateNrSBtnClick();
    EXPECT_EQ(line(u"NewUpdateNrLabel"_s)->text(), u"05.03.2024 14:07:09"_s);
    EXPECT_TRUE(dialog().updateNumberChanged());
    messenger.answerNext(kAnswerYes);
    dialog().CloseSBtnClick();
    EXPECT_FALSE(dialog().updateNumberChanged());
    EXPECT_TRUE(tmp.read(u"daten/zconfig.kvd"_s).contains("\r\nupdate_nummer=05.03.2024 14:07:09\r\n"));
    EXPECT_TRUE(messenger.messages.last().startsWith(u"Wählen Sie Schalter 'PELIN-Basisdaten erstellen '"_s));
    EXPECT_EQ(button(u"PelinErstellenBtn")->text(), u"PELIN-Basisdaten erstellen ! "_s);

    dialog().FormShow();
    EXPECT_EQ(line(u"LastUpdateNrLabel"_s)->text(), u"05.03.2024 14:07:09"_s);
    dialog().ZipInFtpOrdnerPruefenSBtnClick();
    messenger.messages.clear();
    dialog().CreateNewUpdateNrSBtnClick();
    EXPECT_EQ(messenger.messages,
        QStringList { u"Update für diesen Stand der ZIP-Datei ist bereits aktiviert !  "_s });
    EXPECT_TRUE(line(u"NewUpdateNrLabel"_s)->text().isEmpty());
    EXPECT_FALSE(dialog().updateNumberChanged());
}

TEST_F(UpdateDialog, PackingAfterAnUploadDeletesTheMarkerSoTheNextUploadAsksNothing)
{
    FtpServer server;
    ASSERT_TRUE(server.isRunning());
    useFtp(server);
    dialog().PelinZipErstellenSBtnClick();
    dialog().ZipUploadSBtnClick();
    messenger.answerNext(kAnswerNo);
    dialog().ZipUploadSBtnClick();
    EXPECT_EQ(messenger.questions,
        QStringList {
            u"Die aktuelle Datei pelin-update.zip wurde bereits hochgeladen !  \n\nErneut Hochladen?"_s });
    dialog().PelinZipErstellenSBtnClick();
    dialog().ZipUploadSBtnClick();
    EXPECT_EQ(messenger.questions.size(), 1);
    EXPECT_TRUE(tmp.exists(kMarker));
}

TEST_F(UpdateDialog, AnEmptyPackageOnTheServerKeepsStepFourDisabled)
{
    FtpServer server;
    ASSERT_TRUE(server.isRunning());
    useFtp(server);
    server.write(u"zeit/pelin-update.zip"_s, {});
    dialog().ZipInFtpOrdnerPruefenSBtnClick();
    EXPECT_EQ(messenger.messages, QStringList { u"Datei pelin-update.zip in FTP-Ordner ist leer !  "_s });
    EXPECT_FALSE(step(u"CreateNewUpdateNrSBtn"_s)->isEnabled());
    EXPECT_TRUE(line(u"ZipDatumLabel"_s)->text().isEmpty());
}

TEST_F(UpdateDialog, WithoutAnFtpConnectionTheLookUpSaysSo)
{
    form->connectionSettings().fields().ftpServer = u"127.0.0.1:"_s + QString::number(FreeLocalPort());
    ASSERT_TRUE(form->connectionSettings().saveFields());
    dialog().FormShow();
    dialog().ZipInFtpOrdnerPruefenSBtnClick();
    EXPECT_EQ(messenger.messages, QStringList { u"FTP-Verbindung konte nicht hergestellt werden !  "_s });
    EXPECT_EQ(label(u"ErrLabel")->text(), u"Die Anmeldung am FTP-Server war nicht erfolgreich! (2)"_s);
    EXPECT_FALSE(step(u"CreateNewUpdateNrSBtn"_s)->isEnabled());
}

} // namespace
