#include "common/file_store_failure.h"
#include "korav/core/connection_settings.h"
#include "tests/korav_cli/cli_fixture.h"
#include "tests/support/ftp_server.h"

using namespace Qt::StringLiterals;

// The exit code follows what an operation did, not how many messages it
// showed on the way: a note keeps success, a failed copy is a failure even
// when nothing else went wrong.
namespace {

using Point = FileStore::FailureInjection::Point;

const QString kProvided = u"17:30 - PELIN - Basisdaten bereitgestellt (4)"_s;

class ProvisionResults : public CliFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(run({ u"build"_s }), 0);
        messenger.all.clear();
    }

    // The exchange over FTP as the connection dialog saves it.
    void chooseFtp(const FtpServer& server)
    {
        const FtpSettings s = server.settings();
        writeData(u"zconfig.kvd"_s,
            { u"progordner="_s + root.path(u"prog"_s), u"zeitordner="_s + root.path(u"zeit"_s),
                QString::fromUtf16(ConnectionSettings::kLanActive) + u"=0"_s,
                QString::fromUtf16(ConnectionSettings::kFtpServer) + u'=' + s.server + u':'
                    + QString::number(s.port),
                QString::fromUtf16(ConnectionSettings::kFtpUser) + u'=' + s.user,
                QString::fromUtf16(ConnectionSettings::kFtpPassword) + u'=' + s.password,
                QString::fromUtf16(ConnectionSettings::kFtpFolder) + u'=' + s.folder });
    }
};

TEST_F(ProvisionResults, ANoteOnTheWayKeepsSuccess)
{
    const FtpServer server;
    ASSERT_TRUE(server.isRunning());
    chooseFtp(server);
    ASSERT_EQ(run({ u"build"_s }), 0);
    messenger.all.clear();

    EXPECT_EQ(run({ u"provide"_s }), 0);
    EXPECT_EQ(messenger.all,
        (QStringList { u"PELIN-Basisdaten wurden in den FTP-Ordner zeit hochgeladen"_s, kProvided }));
    EXPECT_EQ(server.read(u"zeit/dama.kvd"_s), root.read(u"daten/dama.kvd"_s));
    EXPECT_EQ(server.read(u"zeit/dprojekte.kvd"_s), root.read(u"daten/dprojekte.kvd"_s));
}

TEST_F(ProvisionResults, AnUploadThatFailsIsAFailureWithoutTheNote)
{
    FtpServer server;
    ASSERT_TRUE(server.isRunning());
    chooseFtp(server);
    ASSERT_EQ(run({ u"build"_s }), 0);
    messenger.all.clear();
    server.failNextUploads(100);

    EXPECT_EQ(run({ u"provide"_s }), 1);
    EXPECT_EQ(messenger.all, QStringList { u"Datei dama.kvd konnte nicht hochgeladen werden!"_s });
    EXPECT_FALSE(dataExists(u"uplstemp_pel.kvd"_s));
}

struct FailingCopy {
    const char* name;
    const char* target; // the part of the path whose writes fail
    const char* shown;
};

class ProvideCopyFails : public ProvisionResults, public ::testing::WithParamInterface<FailingCopy> { };

TEST_P(ProvideCopyFails, EndsAsFailureWithoutStatusOrMarker)
{
    for (const Point point : { Point::AfterBytes, Point::AtFlush, Point::AtRename }) {
        messenger.all.clear();
        const FileStore::FailureInjection full(point, 10, root.path(QString::fromUtf8(GetParam().target)));
        EXPECT_EQ(run({ u"provide"_s }), 1);
        EXPECT_GT(full.failures(), 0);
        EXPECT_EQ(messenger.all, QStringList { QString::fromUtf8(GetParam().shown) });
        EXPECT_FALSE(dataExists(u"uplstemp_pel.kvd"_s));
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, ProvideCopyFails,
    ::testing::Values(FailingCopy { "TimeFolder", "zeit/dama.kvd",
                          "Datei dama.kvd konnte nicht hochgeladen werden! (in Server-Ordner)" },
        FailingCopy { "ActivityList", "zeit/dprojekte.kvd",
            "Datei dprojekte.kvd konnte nicht hochgeladen werden! (in Server-Ordner)" },
        FailingCopy { "ProgramFolder", "prog/",
            "Datei pelin.cfg konnte nicht hochgeladen werden! (in Programm-Ordner)  " }),
    [](const auto& info) { return std::string(info.param.name); });

// The files went out; only the note that they did could not be kept, so the
// next provide would not ask. The status is shown, the command fails.
TEST_F(ProvisionResults, AMarkerThatCannotBeWrittenFailsAfterTheStatus)
{
    const FileStore::FailureInjection full(Point::AtRename, 0, dataPath(u"uplstemp_pel.kvd"_s));
    EXPECT_EQ(run({ u"provide"_s }), 1);
    ASSERT_EQ(messenger.all.size(), 2) << messenger.all.join(u'|').toStdString();
    EXPECT_TRUE(messenger.all.first().startsWith(u"Datei "_s));
    EXPECT_EQ(messenger.all.last(), kProvided);
    EXPECT_EQ(root.read(u"zeit/dama.kvd"_s), root.read(u"daten/dama.kvd"_s));
}

TEST_F(ProvisionResults, CollectWithACopyThatFailsEndsAsFailure)
{
    const FileStore::FailureInjection full(Point::AtFlush, 0, dataPath(u"auswtg/"_s));
    EXPECT_EQ(run({ u"collect"_s }), 1);
    EXPECT_GT(full.failures(), 0);
    EXPECT_EQ(messenger.all,
        (QStringList { u"Datei az2023034711.kvd konnte nicht aktualisiert werden! (Kopierfehler)  "_s,
            u"17:30 - 1 Arbeitszeit-Dateien vorhanden - keine Dateien geändert"_s }));
}

// The stamps are written after the copies: a collection whose stamps could
// not be kept would collect everything again, and says so by failing.
TEST_F(ProvisionResults, CollectWhoseStampsCannotBeKeptEndsAsFailure)
{
    const FileStore::FailureInjection full(Point::AtRename, 0, dataPath(u"landatum.kv2"_s));
    EXPECT_EQ(run({ u"collect"_s }), 1);
    EXPECT_EQ(root.read(u"daten/auswtg/202303/az2023034711.kvd"_s), MarchOfErika());
    EXPECT_EQ(messenger.all.last(),
        u"17:30 - 1 Arbeitszeit-Dateien vorhanden - 1 geänderte Dateien aktualisiert"_s);
}

} // namespace
