#include "common/file_store.h"
#include "tests/support/temp_folder.h"

#include "tests/support/qt_printers.h"
#include <QDir>

#include <gtest/gtest.h>

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
