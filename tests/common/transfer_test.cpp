#include "common/folder_transfer.h"
#include "common/ftp_transfer.h"
#include "tests/support/ftp_server.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Mode { Lan, Ftp };

const QString kMonth = u"az2023034711.kvd"_s;

// The same central store behaviour in both modes: the tests put files into
// the store and read them back without going through the transfer.
class TransferTest : public ::testing::TestWithParam<Mode> {
protected:
    void SetUp() override
    {
        QDir(local.path()).mkpath(u"pelin"_s);
        if (GetParam() == Mode::Lan) {
            QDir(lan.path()).mkpath(u"zeit"_s);
            QDir(lan.path()).mkpath(u"prog"_s);
            transfer = std::make_unique<FolderTransfer>(
                FolderSettings { lan.path(u"zeit"_s), lan.path(u"prog"_s), lan.path(u"prog"_s), false },
                messenger, recordWait());
        } else {
            ftp = std::make_unique<FtpServer>();
            ASSERT_TRUE(ftp->isRunning());
            transfer = std::make_unique<FtpTransfer>(ftp->settings(), messenger, recordWait());
        }
        ASSERT_TRUE(transfer->connect());
    }

    Wait recordWait()
    {
        return [this](int ms) { waits.append(ms); };
    }

    void putCentral(const QString& name, const QByteArray& bytes)
    {
        if (ftp)
            ftp->write(u"zeit/"_s + name, bytes);
        else
            lan.write(u"zeit/"_s + name, bytes);
    }
    QByteArray central(const QString& name) const
    {
        return ftp ? ftp->read(u"zeit/"_s + name) : lan.read(u"zeit/"_s + name);
    }
    QString personal() const { return local.path(u"pelin"_s); }
    QByteArray personalFile(const QString& name) const { return local.read(u"pelin/"_s + name); }
    QStringList personalFiles() const { return QDir(personal()).entryList(QDir::Files, QDir::Name); }

    TempFolder local;
    TempFolder lan;
    std::unique_ptr<FtpServer> ftp;
    ScriptedMessenger messenger;
    QList<int> waits;
    std::unique_ptr<Transfer> transfer;
};

} // namespace

TEST_P(TransferTest, DownloadsKeepOnlyTheNewestPreviousCopy)
{
    local.write(u"pelin/"_s + kMonth, "erste\r\n");
    putCentral(kMonth, "zweite\r\n");
    ASSERT_TRUE(transfer->download(personal(), kMonth, false));
    putCentral(kMonth, "dritte \xE4\r\n");
    ASSERT_TRUE(transfer->download(personal(), kMonth, false));

    EXPECT_EQ(personalFile(kMonth), QByteArray("dritte \xE4\r\n"));
    EXPECT_EQ(personalFile(u"bak_"_s + kMonth), QByteArray("zweite\r\n"));
    EXPECT_EQ(personalFiles(), QStringList({ u"az2023034711.kvd"_s, u"bak_az2023034711.kvd"_s }));
    EXPECT_TRUE(messenger.all.isEmpty());
}

// Without the central copy the employee's last local data must stay, or the
// next save would replace the central month with an empty one.
TEST_P(TransferTest, MissingCentralFileKeepsThePreviousLocalCopy)
{
    local.write(u"pelin/"_s + kMonth, "meine Daten\r\n");
    EXPECT_TRUE(transfer->download(personal(), kMonth, false));
    EXPECT_EQ(personalFile(kMonth), QByteArray("meine Daten\r\n"));
    EXPECT_EQ(personalFile(u"bak_"_s + kMonth), QByteArray("meine Daten\r\n"));
    EXPECT_TRUE(messenger.all.isEmpty());

    EXPECT_TRUE(transfer->download(personal(), u"nirgends.kvd"_s, false));
    EXPECT_FALSE(local.exists(u"pelin/nirgends.kvd"_s));
}

TEST_P(TransferTest, MissingRequiredFileIsReported)
{
    EXPECT_FALSE(transfer->download(personal(), u"dama.kvd"_s, true));
    const QString expected = GetParam() == Mode::Lan ? u"Datei '"_s
            + QDir::toNativeSeparators(lan.path(u"zeit/dama.kvd"_s)) + u"'\n\nist nicht vorhanden!"_s
                                                     : u"Datei dama.kvd in FTP-Ordner nicht gefunden "_s;
    EXPECT_EQ(messenger.messages, QStringList({ expected }));
}

TEST_P(TransferTest, UploadArrivesByteForByte)
{
    const QByteArray bytes("az202303064711=2023030707301615----------------Gr\xFC\xDF"
                           "e\r\n");
    local.write(u"pelin/"_s + kMonth, bytes);
    putCentral(kMonth, "alt\r\n");
    ASSERT_TRUE(transfer->upload(personal(), kMonth));
    EXPECT_EQ(central(kMonth), bytes);
    EXPECT_TRUE(messenger.all.isEmpty());

    EXPECT_FALSE(transfer->upload(personal(), u"fehlt.kvd"_s));
    EXPECT_EQ(messenger.messages,
        QStringList({ GetParam() == Mode::Lan ? u"Datei fehlt.kvd in Benutzer-Ordner nicht gefunden "_s
                                              : u"Datei fehlt.kvd in Benutzerordner nicht vorhanden!"_s }));
}

TEST_P(TransferTest, LookUpTellsPresentAndMissing)
{
    putCentral(kMonth, "x\r\n");
    const RemoteFile present = transfer->lookUp(kMonth);
    EXPECT_EQ(present.state, RemoteFile::State::Present);
    EXPECT_TRUE(present.modified.isValid());
    EXPECT_EQ(transfer->lookUp(u"fehlt.kvd"_s).state, RemoteFile::State::Missing);
}

INSTANTIATE_TEST_SUITE_P(BothModes, TransferTest, ::testing::Values(Mode::Lan, Mode::Ftp),
    [](const auto& info) { return info.param == Mode::Lan ? "Lan" : "Ftp"; });

class FtpTransferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isRunning());
        QDir(local.path()).mkpath(u"pelin"_s);
    }
    FtpTransfer makeTransfer()
    {
        return FtpTransfer(server.settings(), messenger, [this](int ms) { waits.append(ms); });
    }
    QString personal() const { return local.path(u"pelin"_s); }

    FtpServer server;
    TempFolder local;
    ScriptedMessenger messenger;
    QList<int> waits;
};

TEST_F(FtpTransferTest, ConnectionStateFollowsConnectAndDisconnect)
{
    FtpTransfer transfer = makeTransfer();
    QList<bool> states;
    transfer.setOnlineObserver([&](bool online) { states.append(online); });
    ASSERT_TRUE(transfer.connect());
    EXPECT_EQ(Transfer::OnlineHint(transfer.online()), u"Online"_s);
    transfer.disconnect();
    EXPECT_EQ(Transfer::OnlineHint(transfer.online()), u"Offline"_s);
    EXPECT_EQ(states, QList<bool>({ true, true, false }));
    EXPECT_EQ(waits, QList<int>({ 500 }));
}

TEST_F(FtpTransferTest, RefusedLogInAndServerDown)
{
    server.refuseLogins(true);
    FtpTransfer refused = makeTransfer();
    EXPECT_FALSE(refused.connect());
    EXPECT_FALSE(refused.online());

    server.stop();
    FtpTransfer down = makeTransfer();
    EXPECT_FALSE(down.connect());
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Die Anmeldung am FTP-Server war nicht erfolgreich! (2)"_s,
            u"Die Anmeldung am FTP-Server war nicht erfolgreich! (2)"_s }));
}

TEST_F(FtpTransferTest, TwoFailedUploadsThenSuccessSaysNothing)
{
    FtpTransfer transfer = makeTransfer();
    ASSERT_TRUE(transfer.connect());
    local.write(u"pelin/"_s + kMonth, "neu\r\n");
    server.failNextUploads(2);
    EXPECT_TRUE(transfer.upload(personal(), kMonth));
    EXPECT_EQ(server.read(u"zeit/"_s + kMonth), QByteArray("neu\r\n"));
    EXPECT_EQ(waits, QList<int>({ 1000, 1000 }));
    EXPECT_TRUE(messenger.all.isEmpty());
}

TEST_F(FtpTransferTest, AllUploadsFailingIsReportedAndLeavesTheCentralCopy)
{
    FtpTransfer transfer = makeTransfer();
    ASSERT_TRUE(transfer.connect());
    server.write(u"zeit/"_s + kMonth, "alt\r\n");
    local.write(u"pelin/"_s + kMonth, "neu\r\n");
    server.failNextUploads(3);
    EXPECT_FALSE(transfer.upload(personal(), kMonth));
    EXPECT_EQ(
        messenger.messages, QStringList({ u"Datei az2023034711.kvd konnte nicht hochgeladen werden!"_s }));
    EXPECT_EQ(server.read(u"zeit/"_s + kMonth), QByteArray("alt\r\n"));
}

TEST_F(FtpTransferTest, DroppedTransfersLeaveNoHalfFiles)
{
    FtpTransfer transfer = makeTransfer();
    ASSERT_TRUE(transfer.connect());
    const QByteArray big(200000, 'x');
    server.write(u"zeit/"_s + kMonth, big);
    local.write(u"pelin/"_s + kMonth, "lokal\r\n");
    server.dropTransfersAfter(1000);

    EXPECT_FALSE(transfer.download(personal(), kMonth, true));
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Datei az2023034711.kvd konnte nicht heruntergeladen werden!"_s }));
    EXPECT_EQ(waits, QList<int>({ 500, 500 }));
    EXPECT_EQ(local.read(u"pelin/"_s + kMonth), QByteArray("lokal\r\n"));
    EXPECT_EQ(QDir(personal()).entryList(QDir::Files).size(), 2);

    local.write(u"pelin/gross.kvd"_s, big);
    server.write(u"zeit/gross.kvd"_s, "alt\r\n");
    FtpTransfer again = makeTransfer();
    ASSERT_TRUE(again.connect());
    EXPECT_FALSE(again.upload(personal(), u"gross.kvd"_s));
    EXPECT_EQ(server.read(u"zeit/gross.kvd"_s), QByteArray("alt\r\n"));
}

TEST(FolderTransfer, ConnectChecksBothFolders)
{
    TempFolder lan;
    ScriptedMessenger messenger;
    FolderTransfer missing(FolderSettings { lan.path(u"zeit"_s), lan.path(u"prog"_s), {}, false }, messenger);
    EXPECT_FALSE(missing.connect());
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Der Server-Ordner für PELIN-Zeitdateien wurde nicht gefunden!"_s,
            u"Der Server-Ordner für die PELIN-Programmdatei wurde nicht gefunden!"_s }));
}

TEST(FolderTransfer, StartedByKoravTakesBaseDataFromItsOwnFolderAndReportsCopyFailures)
{
    TempFolder lan;
    TempFolder local;
    QDir(lan.path()).mkpath(u"zeit/az2023034711.kvd"_s);
    lan.write(u"daten/dama.kvd"_s, "aus dem Datenordner\r\n");
    lan.write(u"zeit/dama.kvd"_s, "aus dem Zeitordner\r\n");
    local.write(u"az2023034711.kvd"_s, "x\r\n");
    ScriptedMessenger messenger;
    FolderTransfer transfer(
        FolderSettings { lan.path(u"zeit"_s), lan.path(u"prog"_s), lan.path(u"daten"_s), true }, messenger);
    ASSERT_TRUE(transfer.download(local.path(), u"dama.kvd"_s, true));
    EXPECT_EQ(local.read(u"dama.kvd"_s), QByteArray("aus dem Datenordner\r\n"));

    EXPECT_FALSE(transfer.upload(local.path(), kMonth));
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Das Kopieren der Datei az2023034711.kvd ist fehlgeschlagen!"_s }));
}

namespace {

// The folder listing, with MLSD and with LIST where MLSD is refused.
class FtpListing : public ::testing::TestWithParam<bool> { };

TEST_P(FtpListing, NamesFoldersSizesAndTimes)
{
    FtpServer server;
    ASSERT_TRUE(server.isRunning());
    server.refuseMlsd(GetParam());
    QDir(server.root()).mkpath(u"zeit/unter"_s);
    server.write(u"zeit/az202305P1.kvd"_s, "12345");
    FtpClient client(server.settings());
    ASSERT_TRUE(client.open());
    const std::optional<QList<FtpEntry>> entries = client.list();
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2);
    const FtpEntry& file = entries->at(0).folder ? entries->at(1) : entries->at(0);
    const FtpEntry& folder = entries->at(0).folder ? entries->at(0) : entries->at(1);
    EXPECT_EQ(file.name, u"az202305P1.kvd"_s);
    EXPECT_EQ(file.size, 5);
    EXPECT_EQ(folder.name, u"unter"_s);
    EXPECT_TRUE(folder.folder);
    EXPECT_EQ(file.modified.isValid(), !GetParam());
    if (!GetParam()) {
        EXPECT_EQ(file.modified.toSecsSinceEpoch(),
            QFileInfo(server.root(u"zeit/az202305P1.kvd"_s)).lastModified().toSecsSinceEpoch());
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, FtpListing, ::testing::Values(false, true),
    [](const auto& info) { return info.param ? "List" : "Mlsd"; });

} // namespace
