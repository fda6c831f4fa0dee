#include "common/ftp_client.h"
#include "korav/core/connection_settings.h"
#include "korav/core/update_activation.h"
#include "korav/core/update_package.h"
#include "korav/core/update_upload.h"
#include "korav/core/zip_obj.h"
#include "tests/korav_core/korav_fixture.h"
#include "tests/korav_core/zip_reader.h"
#include "tests/support/ftp_server.h"

#include <QFile>
#include <ctime>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kPackage = u"pelin-update.zip"_s;
const QString kMarker = u"uplstemp_zip.kvd"_s;

// A data folder holding the three files of the package.
struct UpdateFixture : KoravFixture {
    UpdateFixture()
    {
        write(u"pelin.cfg"_s, "scrambled configuration");
        write(KoravFile::PelinProgram(), QByteArray(20000, 'p'));
        write(KoravFile::PelinInstaller(), "#!/bin/sh\r\n");
    }
    bool has(const QString& name) const { return QFile::exists(path(name)); }
};

struct Activation {
    const char16_t* packageTime;
    const char16_t* lastNumber;
    const char16_t* expected; // nullptr: refused as activated already
};

TEST(UpdateActivation, TheSamePackageTimeIsNotActivatedTwice)
{
    const Activation cases[] = {
        { u"05.03.2024 14:07:09", u" ---", u"05.03.2024 14:07:09" },
        { u"05.03.2024 14:07:09", u"01.03.2024 08:00:00", u"05.03.2024 14:07:09" },
        { u"05.03.2024 14:07:09", u"05.03.2024 14:07:09", nullptr },
        // Only the 19 characters of the number count.
        { u"05.03.2024 14:07:09", u"05.03.2024 14:07:09 alt", nullptr },
        { u"05.03.2024 14:07:09x", u"01.03.2024 08:00:00", u"05.03.2024 14:07:09" },
    };
    for (const Activation& c : cases) {
        ScriptedMessenger messenger;
        const std::optional<QString> number = UpdateActivation::Activate(
            QString::fromUtf16(c.packageTime), QString::fromUtf16(c.lastNumber), messenger);
        if (c.expected) {
            EXPECT_EQ(number, QString::fromUtf16(c.expected));
            EXPECT_TRUE(messenger.messages.isEmpty());
        } else {
            EXPECT_FALSE(number);
            EXPECT_EQ(messenger.messages,
                QStringList { u"Update für diesen Stand der ZIP-Datei ist bereits aktiviert !  "_s });
        }
    }
}

TEST(UpdateActivation, TheStoredNumberOrThreeDashes)
{
    EXPECT_EQ(UpdateActivation::LastNumberText(StringList({ u"progordner=/p"_s })), u" ---"_s);
    EXPECT_EQ(UpdateActivation::LastNumberText(StringList({ u"update_nummer=05.03.2024 14:07:09"_s })),
        u"05.03.2024 14:07:09"_s);
}

TEST(UpdateActivation, StoringOnCloseAsksThenWritesTheNumberAndGivesTheHint)
{
    KoravFixture f;
    f.write(
        u"zconfig.kvd"_s, kBom + "progordner=/p\r\nupdate_nummer=01.03.2024 08:00:00\r\nzeitordner=/z\r\n");
    ConnectionSettings settings(f.store);
    settings.load();
    f.messenger.answerNext(kAnswerNo);
    EXPECT_FALSE(UpdateActivation::StoreOnClose(u"05.03.2024 14:07:09"_s, settings, f.messenger));
    EXPECT_EQ(f.messenger.questions, QStringList { u"Änderungen speichern ?  "_s });
    EXPECT_TRUE(f.messenger.messages.isEmpty());
    EXPECT_TRUE(f.read(u"zconfig.kvd"_s).contains("01.03.2024 08:00:00"));

    f.messenger.answerNext(kAnswerYes);
    EXPECT_TRUE(UpdateActivation::StoreOnClose(u"05.03.2024 14:07:09"_s, settings, f.messenger));
    EXPECT_EQ(f.read(u"zconfig.kvd"_s),
        kBom + "progordner=/p\r\nupdate_nummer=05.03.2024 14:07:09\r\nzeitordner=/z\r\n");
    EXPECT_EQ(f.messenger.messages,
        QStringList { u"Wählen Sie Schalter 'PELIN-Basisdaten erstellen '  \n\nund anschließend Schalter "
                      "'PELIN-Basisdaten breitstellen' \n\num den Anwendern die geänderten Daten zur "
                      "Verfügung zu stellen !  "_s });
}

TEST(UpdatePackage, TheFirstMissingFileIsNamed)
{
    const std::pair<QString, QString> cases[] = {
        { u"pelin.cfg"_s, u"Datei pelin.cfg in korav-Ordner nicht gefunden !  "_s },
        { KoravFile::PelinProgram(),
            u"Datei pelin in Korav-Ordner nicht vorhanden !  \n\nKopieren Sie die Datei in den Ordner"_s },
        { KoravFile::PelinInstaller(), u"Datei install-pelin in korav-Ordner nicht vorhanden !  "_s },
    };
    for (const auto& [missing, message] : cases) {
        UpdateFixture f;
        QFile::remove(f.path(missing));
        EXPECT_FALSE(UpdatePackage::FilesToPack(f.store.folder(), f.messenger));
        EXPECT_EQ(f.messenger.messages, QStringList { message });
    }
}

TEST(UpdatePackage, PacksTheThreeFilesAndDeletesTheUploadMarker)
{
    UpdateFixture f;
    ASSERT_TRUE(UpdatePackage::WriteMarker(f.store.folder()));
    EXPECT_EQ(f.read(kMarker), kBom + "Zeitstempel für Upload\r\n");
    EXPECT_TRUE(UpdatePackage::MarkerExists(f.store.folder()));

    const std::optional<QStringList> files = UpdatePackage::FilesToPack(f.store.folder(), f.messenger);
    ASSERT_TRUE(files);
    TZipObj zip;
    EXPECT_EQ(UpdatePackage::Pack(f.store.folder(), *files, zip), kZipOk);
    EXPECT_FALSE(f.has(kMarker));
    const ZipContent content = ReadZip(f.path(kPackage));
    EXPECT_EQ(content.names(), (QStringList { u"pelin.cfg"_s, u"pelin"_s, u"install-pelin"_s }));
    ASSERT_EQ(content.entries.size(), 3);
    EXPECT_EQ(content.entries.at(1).data, f.read(KoravFile::PelinProgram()));
    EXPECT_EQ(content.entries.at(1).method, 8);
}

TEST(UpdatePackage, PacksTheServerCertificateWhereTheFirmHasOne)
{
    UpdateFixture f;
    f.write(u"pelin_zertifikat.pem"_s, "-----BEGIN CERTIFICATE-----\n");
    const std::optional<QStringList> files = UpdatePackage::FilesToPack(f.store.folder(), f.messenger);
    ASSERT_TRUE(files);
    TZipObj zip;
    ASSERT_EQ(UpdatePackage::Pack(f.store.folder(), *files, zip), kZipOk);
    EXPECT_EQ(ReadZip(f.path(kPackage)).names(),
        (QStringList { u"pelin.cfg"_s, u"pelin"_s, u"install-pelin"_s, u"pelin_zertifikat.pem"_s }));
}

TEST(UpdatePackage, AFailedPackingDeletesTheMarkerToo)
{
    UpdateFixture f;
    UpdatePackage::WriteMarker(f.store.folder());
    QDir().mkpath(f.path(kPackage + u"/blocked"_s));
    TZipObj zip;
    EXPECT_EQ(UpdatePackage::Pack(
                  f.store.folder(), *UpdatePackage::FilesToPack(f.store.folder(), f.messenger), zip),
        kZipOpenArchiveFailed);
    EXPECT_FALSE(f.has(kMarker));
}

TEST(UpdateUpload, ASecondUploadIsAskedForAndAMissingDataFolderRefused)
{
    UpdateFixture f;
    EXPECT_TRUE(UpdateUpload::MayStart(f.store.folder(), f.messenger));
    EXPECT_TRUE(f.messenger.all.isEmpty());
    UpdatePackage::WriteMarker(f.store.folder());
    f.messenger.answerNext(kAnswerNo);
    EXPECT_FALSE(UpdateUpload::MayStart(f.store.folder(), f.messenger));
    EXPECT_EQ(f.messenger.questions,
        QStringList {
            u"Die aktuelle Datei pelin-update.zip wurde bereits hochgeladen !  \n\nErneut Hochladen?"_s });
    f.messenger.answerNext(kAnswerYes);
    EXPECT_TRUE(UpdateUpload::MayStart(f.store.folder(), f.messenger));

    ScriptedMessenger messenger;
    EXPECT_FALSE(UpdateUpload::MayStart(DataFolder(f.tmp.path(u"fehlt"_s)), messenger));
    EXPECT_EQ(messenger.messages, QStringList { u"Ordner mit KORAV-Dateien nicht vorhanden !  "_s });
}

TEST(UpdateUpload, StatusLinesCarryTheTimeOfDay)
{
    EXPECT_EQ(
        UpdateUpload::StartedText(QTime(9, 5, 7)), u"09:05:07 - Upload von pelin-update.zip gestartet"_s);
    EXPECT_EQ(UpdateUpload::DoneText(QTime(14, 0, 0)), u"14:00:00 - pelin-update.zip wurde hochgeladen"_s);
}

// The package against a real FTP server, in its folder "zeit".
struct UpdateOverFtp : ::testing::Test {
    void SetUp() override
    {
        // The server lists UTC; a local time other than UTC shows any
        // conversion.
        qputenv("TZ", "Europe/Berlin");
        tzset();
        ASSERT_TRUE(server.isRunning());
        ASSERT_TRUE(ftp.open() && ftp.login());
        TZipObj zip;
        UpdatePackage::Pack(
            f.store.folder(), *UpdatePackage::FilesToPack(f.store.folder(), f.messenger), zip);
    }
    bool upload()
    {
        return UpdateUpload::Upload(ftp, f.store.folder(), f.messenger, [](int) {});
    }
    void setServerTime(const QDateTime& time)
    {
        QFile file(server.root(u"zeit/"_s + kPackage));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    }

    UpdateFixture f;
    FtpServer server;
    FtpClient ftp { server.settings() };
};

TEST_F(UpdateOverFtp, UploadPutsThePackageByteForByteAndWritesTheMarker)
{
    ASSERT_TRUE(upload());
    EXPECT_EQ(server.read(u"zeit/"_s + kPackage), f.read(kPackage));
    EXPECT_EQ(QDir(server.root(u"zeit"_s)).entryList(QDir::Files), QStringList { kPackage });
    EXPECT_TRUE(f.has(kMarker));
    EXPECT_TRUE(f.messenger.all.isEmpty());
}

TEST_F(UpdateOverFtp, ADroppedUploadLeavesThePackageOnTheServerWholeAndNoMarker)
{
    const QByteArray published(100000, 'o');
    server.write(u"zeit/"_s + kPackage, published);
    f.write(KoravFile::PelinProgram(), QByteArray(300000, 'n'));
    TZipObj zip;
    QStringList files = *UpdatePackage::FilesToPack(f.store.folder(), f.messenger);
    zip.CreateArchive(files, f.path(kPackage), 0);
    server.dropTransfersAfter(1000);
    EXPECT_FALSE(upload());
    EXPECT_EQ(f.messenger.messages,
        QStringList { u"Datei pelin-update.zip konnte nicht hochgeladen werden! (in FTP-Ordner)  "_s });
    EXPECT_EQ(server.read(u"zeit/"_s + kPackage), published);
    EXPECT_FALSE(f.has(kMarker));
}

TEST_F(UpdateOverFtp, AMissingPackageIsNotUploaded)
{
    QFile::remove(f.path(kPackage));
    EXPECT_FALSE(upload());
    EXPECT_EQ(f.messenger.messages,
        QStringList { u"Datei pelin-update.zip in KORAV-Ordner nicht vorhanden !  "_s });
    EXPECT_FALSE(QFile::exists(server.root(u"zeit/"_s + kPackage)));
}

TEST_F(UpdateOverFtp, LookUpGivesTheServerTimeAsListed)
{
    ASSERT_TRUE(upload());
    setServerTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9), Qt::UTC));
    EXPECT_EQ(UpdateUpload::LookUp(ftp, f.messenger), u"05.03.2024 14:07:09"_s);
    EXPECT_TRUE(f.messenger.all.isEmpty());
}

TEST_F(UpdateOverFtp, AMissingOrEmptyPackageOnTheServerGivesNoTime)
{
    EXPECT_FALSE(UpdateUpload::LookUp(ftp, f.messenger));
    server.write(u"zeit/"_s + kPackage, {});
    EXPECT_FALSE(UpdateUpload::LookUp(ftp, f.messenger));
    EXPECT_EQ(f.messenger.messages,
        (QStringList { u"Datei pelin-update.zip in FTP-Ordner nicht vorhanden !  "_s,
            u"Datei pelin-update.zip in FTP-Ordner ist leer !  "_s }));
}

} // namespace
