#include "korav/core/zip_obj.h"
#include "tests/korav_core/zip_reader.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <ctime>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Message {
    QString text;
    int code;
    bool operator==(const Message&) const = default;
};

void PrintTo(const Message& m, std::ostream* os)
{
    *os << m.code << " " << m.text.toStdString();
}

QByteArray RandomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(42);
    for (char& c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

class ZipObjTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
        zip.OnZipMessage = [this](const QString& text, int code) { messages.append({ text, code }); };
        zip.OnFileProgress = [this](int percent) { filePercents.append(percent); };
        zip.OnArchiveProgress = [this](int percent) { archivePercents.append(percent); };
    }

    QString put(const QString& name, const QByteArray& bytes)
    {
        folder.write(name, bytes);
        return folder.path(name);
    }

    TempFolder folder;
    TZipObj zip;
    QList<Message> messages;
    QList<int> filePercents;
    QList<int> archivePercents;
};

TEST_F(ZipObjTest, PacksTheFilesOfOneFolderInListOrderUnderTheirBareNames)
{
    QStringList files = { put(u"pelin.cfg"_s, "config\r\n"), put(u"pelin"_s, RandomBytes(30000)),
        put(u"install-pelin"_s, QByteArray(50000, 'x')) };
    const QString archive = folder.path(u"pelin-update.zip"_s);

    ASSERT_EQ(zip.CreateArchive(files, archive, 6), 0);

    const ZipContent content = ReadZip(archive);
    ASSERT_TRUE(content.opened);
    EXPECT_EQ(content.names(), (QStringList { u"pelin.cfg"_s, u"pelin"_s, u"install-pelin"_s }));
    EXPECT_EQ(content.entries[0].data, "config\r\n");
    EXPECT_EQ(content.entries[1].data, RandomBytes(30000));
    EXPECT_EQ(content.entries[2].data, QByteArray(50000, 'x'));
    EXPECT_FALSE(content.hasComment);
    for (const ZipEntry& entry : content.entries) {
        EXPECT_EQ(entry.method, 8) << entry.name.toStdString();
        EXPECT_FALSE(entry.hasExtraOrComment);
    }
    QString output;
    EXPECT_EQ(RunUnzip({ u"-t"_s, archive }, &output), 0) << output.toStdString();

    const QList<Message> expected = {
        { u"Öffne Zieldatei "_s + archive + u" ..."_s, 0 },
        { u"Addiere Datei pelin.cfg zu "_s + archive + u" ..."_s, 0 },
        { u"Addiere Datei pelin zu "_s + archive + u" ..."_s, 0 },
        { u"Addiere Datei install-pelin zu "_s + archive + u" ..."_s, 0 },
        { u"ZIP-Datei wurde erfolgreich erstellt - "_s + archive, 0 },
    };
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(archivePercents.last(), 100);
}

TEST_F(ZipObjTest, ReportsTruncatedPercentagesPerBlockOf8192Bytes)
{
    QStringList files = { put(u"a.bin"_s, QByteArray(20000, 'a')), put(u"b.bin"_s, QByteArray(10000, 'b')) };

    ASSERT_EQ(zip.CreateArchive(files, folder.path(u"out.zip"_s), 6), 0);

    // 8192, 16384, 20000 of 20000 bytes; then 8192 and 10000 of 10000.
    EXPECT_EQ(filePercents, (QList<int> { 0, 40, 81, 100, 100, 0, 81, 100, 100 }));
    // Of 30000 bytes in all: 8192, 16384, 20000, 28192, 30000.
    EXPECT_EQ(archivePercents, (QList<int> { 27, 54, 66, 93, 100, 100 }));
}

TEST_F(ZipObjTest, AnEmptyFileReportsZeroAndHundredAndGivesAnEmptyEntry)
{
    QStringList files = { put(u"leer.kvd"_s, {}) };
    const QString archive = folder.path(u"out.zip"_s);

    ASSERT_EQ(zip.CreateArchive(files, archive, 6), 0);

    EXPECT_EQ(filePercents, (QList<int> { 0, 100 }));
    const ZipContent content = ReadZip(archive);
    ASSERT_EQ(content.entries.size(), 1);
    EXPECT_EQ(content.entries[0].uncompressedSize, 0u);
    EXPECT_EQ(RunUnzip({ u"-t"_s, archive }), 0);
}

TEST_F(ZipObjTest, NamesFilesOfSubfoldersRelativeToTheTrueCommonFolder)
{
    // "pak" is a prefix of "pak2" but not their common folder.
    QStringList files = { put(u"base/pak/a.txt"_s, "a"), put(u"base/pak2/b.txt"_s, "b"),
        put(u"base/pak2/tief/c.txt"_s, "c") };
    const QString archive = folder.path(u"out.zip"_s);

    ASSERT_EQ(zip.CreateArchive(files, archive, 6), 0);

    EXPECT_EQ(
        ReadZip(archive).names(), (QStringList { u"pak/a.txt"_s, u"pak2/b.txt"_s, u"pak2/tief/c.txt"_s }));
    QString output;
    EXPECT_EQ(RunUnzip({ u"-t"_s, archive }, &output), 0) << output.toStdString();
}

TEST_F(ZipObjTest, AnEmptyListWritesNothingAndCallsNoHook)
{
    QStringList files;
    const QString archive = folder.path(u"out.zip"_s);

    EXPECT_EQ(zip.CreateArchive(files, archive, 6), 0);

    EXPECT_FALSE(QFileInfo::exists(archive));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(filePercents.isEmpty());
    EXPECT_TRUE(archivePercents.isEmpty());
}

TEST_F(ZipObjTest, LeavesOutTheArchiveItselfAndFilesThatDoNotExist)
{
    const QString archive = put(u"out.zip"_s, "old archive");
    QStringList files = { put(u"a.txt"_s, "a"), folder.path(u"fehlt.txt"_s), archive, put(u"b.txt"_s, "b") };

    ASSERT_EQ(zip.CreateArchive(files, archive, 6), 0);

    EXPECT_EQ(files, (QStringList { folder.path(u"a.txt"_s), folder.path(u"b.txt"_s) }));
    EXPECT_EQ(ReadZip(archive).names(), (QStringList { u"a.txt"_s, u"b.txt"_s }));
}

TEST_F(ZipObjTest, StoresAtLevelZeroAndDeflatesOtherwise)
{
    for (const auto& [level, method] : { std::pair { 0, 0 }, std::pair { 1, 8 }, std::pair { 9, 8 } }) {
        QStringList files = { put(u"a.txt"_s, QByteArray(5000, 'a')) };
        const QString archive = folder.path(u"out.zip"_s);
        ASSERT_EQ(zip.CreateArchive(files, archive, level), 0);
        const ZipContent content = ReadZip(archive);
        ASSERT_EQ(content.entries.size(), 1);
        EXPECT_EQ(content.entries[0].method, method) << "level " << level;
        EXPECT_EQ(content.entries[0].data, QByteArray(5000, 'a'));
    }
}

TEST_F(ZipObjTest, RecordsTheLocalDosTimeAndTheFileMode)
{
    const QString path = put(u"install-pelin"_s, "#!/bin/sh\n");
    QFile::setPermissions(path,
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
            | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), QFileDevice::FileModificationTime);
    }
    QStringList files = { path };
    const QString archive = folder.path(u"out.zip"_s);

    ASSERT_EQ(zip.CreateArchive(files, archive, 6), 0);

    const ZipContent content = ReadZip(archive);
    ASSERT_EQ(content.entries.size(), 1);
    EXPECT_EQ(content.entries[0].dosTime, QDateTime(QDate(2024, 3, 5), QTime(14, 7, 8)));
    EXPECT_EQ(content.entries[0].externalAttributes >> 16, 0100755u);
    EXPECT_EQ(content.entries[0].versionMadeBy >> 8, 3u);
    QString listing;
    RunUnzip({ u"-Z"_s, archive }, &listing);
    EXPECT_TRUE(listing.contains(u"-rwxr-xr-x"_s)) << listing.toStdString();
    EXPECT_TRUE(listing.contains(u"24-Mar-05 14:07"_s)) << listing.toStdString();
}

TEST_F(ZipObjTest, AnArchiveThatCannotBeCreatedGivesCode100)
{
    put(u"datei"_s, "a file where a folder is expected");
    QStringList files = { put(u"a.txt"_s, "a") };
    const QString archive = folder.path(u"datei/out.zip"_s);

    EXPECT_EQ(zip.CreateArchive(files, archive, 6), 100);

    EXPECT_EQ(messages.last(), (Message { u"Fehler bei Öffnen von Zieldatei "_s + archive + u"!"_s, 100 }));
    EXPECT_TRUE(filePercents.isEmpty());
}

TEST_F(ZipObjTest, AFileThatVanishesBeforeReadingGivesCode102AndNoArchive)
{
    QStringList files = { put(u"a.txt"_s, "a"), put(u"b.txt"_s, "b") };
    const QString archive = folder.path(u"out.zip"_s);
    zip.OnZipMessage = [&](const QString& text, int code) {
        messages.append({ text, code });
        if (text.startsWith(u"Addiere Datei b.txt"_s))
            QFile::remove(folder.path(u"b.txt"_s));
    };

    EXPECT_EQ(zip.CreateArchive(files, archive, 6), 102);

    EXPECT_EQ(messages.last(), (Message { u"Fehler bei Öffnen von b.txt für Lesen!"_s, 102 }));
    EXPECT_FALSE(QFileInfo::exists(archive));
}

TEST_F(ZipObjTest, AFileThatShrinksWhileReadGivesCode103AndNoArchive)
{
    QStringList files = { put(u"a.bin"_s, QByteArray(20000, 'a')) };
    const QString archive = folder.path(u"out.zip"_s);
    zip.OnFileProgress = [&](int percent) {
        if (percent == 0)
            QFile::resize(files.first(), 10000);
    };

    EXPECT_EQ(zip.CreateArchive(files, archive, 6), 103);

    EXPECT_EQ(messages.last(), (Message { u"Fehler bei Lesen von a.bin!"_s, 103 }));
    EXPECT_FALSE(QFileInfo::exists(archive));
}

// Writes into a full device fail at the moment the library hands its buffer
// to the file: while writing a large entry, while closing a small one, or
// while closing an archive without entries. A link in the temporary folder
// keeps the device itself out of reach of the clean-up.
TEST_F(ZipObjTest, WriteFailuresGiveTheirCodes)
{
    if (!QFileInfo(u"/dev/full"_s).exists())
        GTEST_SKIP() << "no /dev/full";
    const QString archive = folder.path(u"voll.zip"_s);
    ASSERT_TRUE(QFile::link(u"/dev/full"_s, archive));
    struct Case {
        QByteArray data;
        int code;
        QString message;
    };
    const Case cases[] = {
        { RandomBytes(300000), 104, u"Fehler bei Schreiben von a.bin in zip-Datei!"_s },
        { RandomBytes(10000), 105, u"Fehler bei Schließen von a.bin in zip-Datei!"_s },
    };
    for (const Case& c : cases) {
        messages.clear();
        QStringList files = { put(u"a.bin"_s, c.data) };
        EXPECT_EQ(zip.CreateArchive(files, archive, 6), c.code);
        EXPECT_EQ(messages.last(), (Message { c.message, c.code }));
    }

    messages.clear();
    archivePercents.clear();
    QStringList gone = { put(u"weg.txt"_s, "x") };
    QFile::remove(gone.first());
    EXPECT_EQ(zip.CreateArchive(gone, archive, 6), 106);
    EXPECT_EQ(
        messages.last(), (Message { u"Fehler bei Schließen von Zieldatei "_s + archive + u"!"_s, 106 }));
    EXPECT_EQ(archivePercents, (QList<int> { 0 }));
    EXPECT_TRUE(QFileInfo(u"/dev/full"_s).exists());
}

} // namespace
