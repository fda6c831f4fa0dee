#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/ftp_client.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/pelin_base_builder.h"
#include "korav/core/pelin_provision.h"
#include "korav/core/update_activation.h"
#include "korav/core/update_package.h"
#include "korav/core/update_upload.h"
#include "korav/core/zip_obj.h"
#include "pelin/core/login_session.h"
#include "pelin/core/pelin_config.h"
#include "tests/end_to_end/firm_files.h"
#include "tests/support/ftp_server.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2023, 3, 15);
const QDateTime kNow(kToday, QTime(17, 30));
// The time the FTP server lists for the published package.
const QDateTime kServerTime(kToday, QTime(14, 7, 9), Qt::UTC);

// Runs a program to its end; its exit code, or -1 when it did not run.
int RunProgram(
    const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

// A firm publishing over FTP, and an employee's home folder with an
// installed PELIN of an older update.
class UpdateCycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto* folder : { u"daten", u"prog", u"zeit", u"home/Documents/pelin", u"home/Desktop" })
            QDir(root.path()).mkpath(QString::fromUtf16(folder));
        store.setFolder(DataFolder(root.path(u"daten"_s)));
        root.write(u"daten/zama.kvd"_s, Lines({ u"Erika"_s }));
        root.write(u"daten/zamasta.kvd"_s, Lines({ u"Erika=Erika Sommer#4711#sommer#100#"_s }));
        root.write(u"daten/zmszsatz.kvd"_s, Lines({ TargetLine() }));
        root.write(u"daten/zprojekte.kvd"_s, Lines({ u"P100=Messe"_s }));
        root.write(u"daten/zsonstige.kvd"_s, Lines({ u"Pause=Pause"_s }));
        root.write(u"daten/"_s + KoravFile::PelinProgram(), "#!/bin/sh\necho neue Version\n");
        ASSERT_TRUE(QFile::copy(
            QStringLiteral(PELIN_INSTALLER_SOURCE), store.folder().path(KoravFile::PelinInstaller())));
        root.write(u"daten/zconfig.kvd"_s,
            Lines({ u"progordner="_s + root.path(u"prog"_s), u"zeitordner="_s + root.path(u"zeit"_s),
                u"update_nummer=01.03.2023 08:00:00"_s }));
        root.write(u"home/Documents/pelin/pelinlok.cfg"_s, "update_nummer=01.03.2023 08:00:00\r\n");
        ASSERT_TRUE(server.isRunning());
        connection.load();
        const FtpSettings s = server.settings();
        ConnectionFields& f = connection.fields();
        f.ftpActive = true;
        f.ftpServer = s.server + u':' + QString::number(s.port);
        f.ftpUser = s.user;
        f.ftpPassword = s.password;
        f.ftpFolder = s.folder;
        ASSERT_TRUE(connection.saveFields());
    }

    void build()
    {
        stale.check(store.folder(), connection.fields().programFolder);
        ASSERT_TRUE((PelinBaseBuild { store, koravCodec, clock, kToday, connection }.run(stale)));
    }

    // The four steps of the update dialog and closing it with "Ja".
    void publish()
    {
        build();
        const std::optional<QStringList> files = UpdatePackage::FilesToPack(store.folder(), koravMessenger);
        ASSERT_TRUE(files);
        TZipObj zip;
        ASSERT_EQ(UpdatePackage::Pack(store.folder(), *files, zip), kZipOk);
        FtpClient ftp(connection.ftpSettings());
        ASSERT_TRUE(ftp.open() && ftp.login());
        ASSERT_TRUE(UpdateUpload::Upload(ftp, store.folder(), koravMessenger, [](int) {}));
        QFile published(server.root(u"zeit/pelin-update.zip"_s));
        ASSERT_TRUE(published.open(QIODevice::ReadWrite));
        ASSERT_TRUE(published.setFileTime(kServerTime, QFileDevice::FileModificationTime));
        published.close();
        const std::optional<QString> time = UpdateUpload::LookUp(ftp, koravMessenger);
        ASSERT_EQ(time, u"15.03.2023 14:07:09"_s);
        const std::optional<QString> number = UpdateActivation::Activate(
            *time, UpdateActivation::LastNumberText(connection.lines()), koravMessenger);
        ASSERT_TRUE(number);
        koravMessenger.answerNext(kAnswerYes);
        ASSERT_TRUE(UpdateActivation::StoreOnClose(*number, connection, koravMessenger));
        koravMessenger = ScriptedMessenger();
    }

    void buildAndProvide()
    {
        build();
        ASSERT_TRUE(PelinProvision(store, connection).provideBaseData(stale, kNow).complete());
        ASSERT_TRUE(koravMessenger.all.isEmpty()) << koravMessenger.all.join(u'|').toStdString();
    }

    // PELIN as started from the program folder on the employee's computer.
    std::unique_ptr<LoginSession> startPelin()
    {
        StringList cfg;
        pelinCodec.LoadDataFile(root.path(u"prog/pelin.cfg"_s), cfg);
        const PelinConfig config = ParsePelinConfig(cfg);
        EXPECT_FALSE(config.lanMode);
        return std::make_unique<LoginSession>(LoginSettingsFrom(config, root.path(u"prog"_s), false),
            UserFolders { root.path(u"home/Documents"_s), root.path(u"home/Desktop"_s) }, pelinMessenger,
            kToday, pelinCodec, [](int) {});
    }

    // The employee unpacks the download and runs the installer in it.
    QString unpack()
    {
        const QString unpacked = root.path(u"entpackt"_s);
        EXPECT_EQ(RunProgram(u"unzip"_s,
                      { u"-q"_s, root.path(u"home/Desktop/pelin-update.zip"_s), u"-d"_s, unpacked }),
            0);
        return unpacked + u"/install-pelin"_s;
    }
    int install(const QString& installer)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, root.path(u"home"_s));
        environment.remove(u"XDG_CONFIG_HOME"_s);
        environment.remove(u"XDG_DATA_HOME"_s);
        return RunProgram(installer, {}, environment);
    }

    TempFolder root;
    FtpServer server;
    ScriptedMessenger koravMessenger;
    ScriptedMessenger pelinMessenger;
    BaseDataStore store { koravMessenger };
    FixedClock clock { kNow };
    DataFileCodec koravCodec { CodecProgram::Korav, koravMessenger };
    DataFileCodec pelinCodec { CodecProgram::Pelin, pelinMessenger };
    ConnectionSettings connection { store };
    BaseDataStaleness stale;
};

TEST_F(UpdateCycle, PelinOffersThePublishedUpdateAndAcceptsItOnceInstalled)
{
    publish();
    buildAndProvide();
    EXPECT_TRUE(server.read(u"zeit/dama.kvd"_s) == root.read(u"daten/dama.kvd"_s));

    std::unique_ptr<LoginSession> pelin = startPelin();
    pelinMessenger.answerNext(kAnswerYes);
    EXPECT_FALSE(pelin->login(u"sommer"_s, {}).loggedIn);
    EXPECT_EQ(pelinMessenger.questions,
        QStringList { u"Es ist eine neuere PELIN-Version vorhanden!\nDie jetzige Version kann nicht mehr "
                      "verwendet werden.\n\nJetzt das PELIN-Update herunterladen?"_s });
    const QString download = root.path(u"home/Desktop/pelin-update.zip"_s);
    EXPECT_EQ(root.read(u"home/Desktop/pelin-update.zip"_s), root.read(u"daten/pelin-update.zip"_s));
    EXPECT_EQ(QFileInfo(download).lastModified().toUTC(), kServerTime);

    const QString installer = unpack();
    EXPECT_TRUE(QFileInfo(installer).isExecutable());
    ASSERT_EQ(install(installer), 0);
    EXPECT_EQ(root.read(u"home/Documents/pelin/pelinlok.cfg"_s), "update_nummer=15.03.2023 14:07:09\r\n");
    const QString program = root.path(u"home/.local/lib/pelin/pelin"_s);
    EXPECT_EQ(
        root.read(u"home/.local/lib/pelin/pelin"_s), root.read(u"daten/"_s + KoravFile::PelinProgram()));
    EXPECT_TRUE(QFileInfo(program).isExecutable());
    EXPECT_EQ(root.read(u"home/.local/lib/pelin/pelin.cfg"_s), root.read(u"daten/pelin.cfg"_s));
    EXPECT_TRUE(root.read(u"home/.local/share/applications/pelin.desktop"_s)
                    .contains(QByteArray("\nExec=\"" + program.toUtf8() + "\"\n")));

    pelinMessenger.questions.clear();
    pelin = startPelin();
    EXPECT_TRUE(pelin->login(u"sommer"_s, {}).loggedIn) << pelinMessenger.all.join(u'|').toStdString();
    EXPECT_TRUE(pelinMessenger.questions.isEmpty());
}

TEST_F(UpdateCycle, WithoutTheDownloadTheInstallerRecordsTheTimeOfInstallation)
{
    publish();
    buildAndProvide();
    std::unique_ptr<LoginSession> pelin = startPelin();
    pelinMessenger.answerNext(kAnswerYes);
    pelin->login(u"sommer"_s, {});
    const QString installer = unpack();
    QFile::remove(root.path(u"home/Desktop/pelin-update.zip"_s));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    ASSERT_EQ(install(installer), 0);
    const QByteArray line = root.read(u"home/Documents/pelin/pelinlok.cfg"_s);
    ASSERT_TRUE(line.startsWith("update_nummer=") && line.endsWith("\r\n"));
    const QDateTime recorded
        = QDateTime::fromString(QString::fromLatin1(line.mid(14, 19)), u"dd.MM.yyyy HH:mm:ss"_s);
    EXPECT_GE(QDateTime(recorded.date(), recorded.time(), Qt::UTC), before);
}

// The installer looks for the personal folder and the download where PELIN
// looks: in the user's folders of the desktop's settings, here German ones.
TEST(Installer, UsesPelinsFoldersAndKeepsTheOtherLinesOfTheVersionFile)
{
    TempFolder root;
    root.write(u"paket/pelin"_s, "program");
    root.write(u"paket/pelin.cfg"_s, "configuration");
    const QString installer = root.path(u"paket/install-pelin"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(PELIN_INSTALLER_SOURCE), installer));
    const QString home = root.path(u"home"_s);
    root.write(u"config/user-dirs.dirs"_s,
        "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
        "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    root.write(
        u"home/Dokumente/pelin/pelinlok.cfg"_s, kBom + "Update_Nummer=01.03.2023 08:00:00\r\nstil=grau\r\n");
    root.write(u"home/Schreibtisch/pelin-update.zip"_s, "package");
    QFile download(root.path(u"home/Schreibtisch/pelin-update.zip"_s));
    ASSERT_TRUE(download.open(QIODevice::ReadWrite));
    ASSERT_TRUE(download.setFileTime(kServerTime, QFileDevice::FileModificationTime));
    download.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home);
    environment.insert(u"XDG_CONFIG_HOME"_s, root.path(u"config"_s));
    environment.remove(u"XDG_DATA_HOME"_s);
    ASSERT_EQ(RunProgram(installer, {}, environment), 0);

    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", root.path(u"config"_s).toLocal8Bit());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    qputenv("HOME", savedHome);
    savedConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", savedConfig);
    EXPECT_EQ(documents, home + u"/Dokumente"_s);
    QFile version(documents + u"/pelin/pelinlok.cfg"_s);
    ASSERT_TRUE(version.open(QIODevice::ReadOnly));
    EXPECT_EQ(version.readAll(), kBom + "stil=grau\r\nupdate_nummer=15.03.2023 14:07:09\r\n");
}

} // namespace
