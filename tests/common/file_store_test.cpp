#include "common/file_store.h"
#include "common/file_store_failure.h"
#include "tests/support/temp_folder.h"

#include "tests/support/qt_printers.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

TEST(FileStore, DetectsByteOrderMarkElseWindows1252)
{
    TempFolder dir;
    dir.write(u"bom.txt"_s,
        "\xEF\xBB\xBF"
        "K\xC3\xA4se\r\n");
    dir.write(u"ansi.txt"_s, "K\xE4se \x80\r\n");

    const auto bom = FileStore::ReadText(dir.path(u"bom.txt"_s));
    ASSERT_TRUE(bom);
    EXPECT_EQ(bom->text, u"Käse\r\n"_s);
    EXPECT_EQ(bom->encoding, TextEncoding::Utf8WithBom);

    const auto ansi = FileStore::ReadText(dir.path(u"ansi.txt"_s));
    ASSERT_TRUE(ansi);
    EXPECT_EQ(ansi->text, u"Käse €\r\n"_s);
    EXPECT_EQ(ansi->encoding, TextEncoding::Windows1252);
}

TEST(FileStore, ReadsTextWithTheTimeOfTheLastChange)
{
    TempFolder dir;
    dir.write(u"bom.txt"_s,
        "\xEF\xBB\xBF"
        "K\xC3\xA4se\r\n");
    const QDateTime changed(QDate(2016, 2, 1), QTime(8, 30));
    {
        QFile file(dir.path(u"bom.txt"_s));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(changed, QFileDevice::FileModificationTime));
    }
    QDateTime modified;
    const auto bom = FileStore::ReadText(dir.path(u"bom.txt"_s), modified);
    ASSERT_TRUE(bom);
    EXPECT_EQ(bom->text, u"Käse\r\n"_s);
    EXPECT_EQ(bom->encoding, TextEncoding::Utf8WithBom);
    EXPECT_EQ(modified, changed);

    // A missing file and a folder in its place give neither text nor time.
    QDir(dir.path()).mkdir(u"folder.txt"_s);
    for (const QString& name : { u"missing.txt"_s, u"folder.txt"_s }) {
        QDateTime none;
        QString error;
        EXPECT_FALSE(FileStore::ReadText(dir.path(name), none, &error)) << name.toStdString();
        EXPECT_FALSE(none.isValid()) << name.toStdString();
        EXPECT_FALSE(error.isEmpty()) << name.toStdString();
    }
}

TEST(FileStore, WritesInTheEncodingItWasGiven)
{
    TempFolder dir;
    ASSERT_TRUE(FileStore::WriteText(dir.path(u"a"_s), u"Grüße €\r\n"_s, TextEncoding::Windows1252));
    EXPECT_EQ(dir.read(u"a"_s),
        QByteArray("Gr\xFC\xDF"
                   "e \x80\r\n"));
    ASSERT_TRUE(FileStore::WriteText(dir.path(u"b"_s), u"Grüße\r\n"_s, TextEncoding::Utf8WithBom));
    EXPECT_EQ(dir.read(u"b"_s),
        QByteArray("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
                   "e\r\n"));
}

TEST(FileStore, TextBeyondWindows1252IsWrittenAsUtf8SoNothingIsLost)
{
    TempFolder dir;
    TextEncoding used {};
    ASSERT_TRUE(
        FileStore::WriteText(dir.path(u"a"_s), u"Łódź\r\n"_s, TextEncoding::Windows1252, nullptr, &used));
    EXPECT_EQ(used, TextEncoding::Utf8WithBom);
    EXPECT_EQ(FileStore::ReadText(dir.path(u"a"_s))->text, u"Łódź\r\n"_s);
}

TEST(FileStore, FailedWriteReportsAndLeavesNoTemporaryFile)
{
    TempFolder dir;
    dir.write(u"data.kvd/keep"_s, "old");
    QString error;
    EXPECT_FALSE(FileStore::WriteBytes(dir.path(u"data.kvd"_s), "new", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(dir.read(u"data.kvd/keep"_s), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(FileStore, MissingFileGivesNothing)
{
    TempFolder dir;
    EXPECT_FALSE(FileStore::ReadText(dir.path(u"none"_s)));
    EXPECT_FALSE(FileStore::ReadUtf8(dir.path(u"none"_s)));
}

TEST(FileStore, StreamedCopyReplacesTheTargetAndKeepsTimeAndMode)
{
    TempFolder dir;
    QByteArray big(200000, Qt::Uninitialized);
    for (qsizetype i = 0; i < big.size(); ++i)
        big[i] = char(i * 7);
    dir.write(u"src.kvd"_s, big);
    dir.write(u"out/src.kvd"_s, "older copy");
    const QDateTime time(QDate(2024, 3, 5), QTime(9, 7, 41));
    {
        QFile source(dir.path(u"src.kvd"_s));
        ASSERT_TRUE(source.open(QIODevice::ReadWrite));
        source.setFileTime(time, QFileDevice::FileModificationTime);
    }
    QFile::setPermissions(dir.path(u"src.kvd"_s),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);

    ASSERT_TRUE(FileStore::CopyFileStreamed(dir.path(u"src.kvd"_s), dir.path(u"out/src.kvd"_s)));

    EXPECT_EQ(dir.read(u"out/src.kvd"_s), big);
    EXPECT_EQ(QFileInfo(dir.path(u"out/src.kvd"_s)).lastModified(), time);
    // Owner, group and other bits; the "user" bits depend on who runs the test.
    EXPECT_EQ(QFileInfo(dir.path(u"out/src.kvd"_s)).permissions() & QFileDevice::Permissions(0x7077),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    EXPECT_EQ(QDir(dir.path(u"out"_s)).entryList(QDir::Files | QDir::Hidden), QStringList { u"src.kvd"_s });
}

TEST(FileStore, FailedStreamedCopyReportsAndLeavesNoTemporaryFile)
{
    TempFolder dir;
    dir.write(u"src.kvd"_s, "new");
    dir.write(u"out/src.kvd/keep"_s, "in the way");
    QString error;

    EXPECT_FALSE(FileStore::CopyFileStreamed(dir.path(u"src.kvd"_s), dir.path(u"out/src.kvd"_s), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(FileStore::CopyFileStreamed(dir.path(u"fehlt.kvd"_s), dir.path(u"out/x.kvd"_s), &error));
    EXPECT_FALSE(FileStore::CopyFileStreamed(dir.path(u"src.kvd"_s), dir.path(u"nicht/da/x.kvd"_s), &error));

    EXPECT_EQ(dir.read(u"out/src.kvd/keep"_s), "in the way");
    EXPECT_EQ(QDir(dir.path(u"out"_s)).entryList(QDir::Files | QDir::Hidden), QStringList());
}

namespace {

using Point = FileStore::FailureInjection::Point;

struct WriteFault {
    const char* name;
    Point point;
    qint64 bytes;
    // Writes "new content" over "old content" at "data.kvd" in `dir`.
    bool (*write)(const TempFolder& dir, QString* error);
};

bool WriteWhole(const TempFolder& dir, QString* error)
{
    return FileStore::WriteBytes(dir.path(u"data.kvd"_s), "new content", error);
}

bool CopyWhole(const TempFolder& dir, QString* error)
{
    return FileStore::CopyFile(dir.path(u"source/data.kvd"_s), dir.path(u"data.kvd"_s), error);
}

bool CopyStreamed(const TempFolder& dir, QString* error)
{
    return FileStore::CopyFileStreamed(dir.path(u"source/data.kvd"_s), dir.path(u"data.kvd"_s), error);
}

class FileStoreFault : public testing::TestWithParam<WriteFault> { };

} // namespace

TEST_P(FileStoreFault, KeepsTheOldFileWholeAndReportsTheFailure)
{
    const WriteFault& fault = GetParam();
    TempFolder dir;
    dir.write(u"data.kvd"_s, "old content");
    dir.write(u"source/data.kvd"_s, "new content");
    QString error;
    {
        const FileStore::FailureInjection full(fault.point, fault.bytes, dir.path());
        EXPECT_FALSE(fault.write(dir, &error));
        EXPECT_EQ(full.failures(), 1);
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(dir.read(u"data.kvd"_s), "old content");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { u"data.kvd"_s });

    // Once the disk has room again the same write succeeds.
    EXPECT_TRUE(fault.write(dir, &error));
    EXPECT_EQ(dir.read(u"data.kvd"_s), "new content");
}

INSTANTIATE_TEST_SUITE_P(Injected, FileStoreFault,
    testing::Values(WriteFault { "WriteNoRoom", Point::AfterBytes, 0, WriteWhole },
        WriteFault { "WriteFullAfterFourBytes", Point::AfterBytes, 4, WriteWhole },
        WriteFault { "WriteFlush", Point::AtFlush, 0, WriteWhole },
        WriteFault { "WriteRename", Point::AtRename, 0, WriteWhole },
        WriteFault { "CopyFullAfterFourBytes", Point::AfterBytes, 4, CopyWhole },
        WriteFault { "CopyFlush", Point::AtFlush, 0, CopyWhole },
        WriteFault { "CopyRename", Point::AtRename, 0, CopyWhole },
        WriteFault { "StreamedCopyFullAfterFourBytes", Point::AfterBytes, 4, CopyStreamed },
        WriteFault { "StreamedCopyFlush", Point::AtFlush, 0, CopyStreamed },
        WriteFault { "StreamedCopyRename", Point::AtRename, 0, CopyStreamed }),
    [](const testing::TestParamInfo<WriteFault>& info) { return std::string(info.param.name); });

TEST(FileStore, InjectedFailureStrikesOnlyThePathsItNames)
{
    TempFolder dir;
    const FileStore::FailureInjection full(Point::AfterBytes, 0, u"/full/"_s);
    QDir(dir.path()).mkdir(u"full"_s);
    EXPECT_TRUE(FileStore::WriteBytes(dir.path(u"free.kvd"_s), "x"));
    EXPECT_FALSE(FileStore::WriteBytes(dir.path(u"full/a.kvd"_s), "x"));
    EXPECT_EQ(full.failures(), 1);
}

TEST(FileStore, AWriteKeepsTheModeOfTheFileItReplaces)
{
    TempFolder dir;
    dir.write(u"shared.kvd"_s, "old");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
        | QFileDevice::WriteGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(u"shared.kvd"_s), mode));
    ASSERT_TRUE(FileStore::WriteBytes(dir.path(u"shared.kvd"_s), "new"));
    EXPECT_EQ(QFileInfo(dir.path(u"shared.kvd"_s)).permissions() & QFileDevice::Permissions(0x7077), mode);
}

TEST(FileStore, TextReadersRefuseHugeFilesAndFifosNamingThem)
{
    TempFolder dir;
    {
        QFile huge(dir.path(u"az202401_00001.kvd"_s));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(FileStore::kMostTextBytes + 1));
    }
    QString error;
    EXPECT_FALSE(FileStore::ReadText(dir.path(u"az202401_00001.kvd"_s), &error));
    EXPECT_EQ(error, FileStore::TooLargeText(dir.path(u"az202401_00001.kvd"_s)));
    EXPECT_TRUE(error.contains(u"az202401_00001.kvd"_s));
    EXPECT_TRUE(error.contains(u"zu groß"_s));
    error.clear();
    EXPECT_FALSE(FileStore::ReadUtf8(dir.path(u"az202401_00001.kvd"_s), &error));
    EXPECT_FALSE(error.isEmpty());
    QDateTime modified;
    EXPECT_FALSE(FileStore::ReadText(dir.path(u"az202401_00001.kvd"_s), modified));
    EXPECT_TRUE(FileStore::IsTooLargeForText(dir.path(u"az202401_00001.kvd"_s)));

    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.path(u"az202402_00001.kvd"_s)).constData(), 0600), 0);
    error.clear();
    EXPECT_FALSE(FileStore::ReadText(dir.path(u"az202402_00001.kvd"_s), &error));
    EXPECT_TRUE(error.contains(u"az202402_00001.kvd"_s));
    EXPECT_FALSE(FileStore::CopyFile(dir.path(u"az202402_00001.kvd"_s), dir.path(u"copy.kvd"_s)));
}
