#include "common/file_store_failure.h"
#include "korav/core/data_folder.h"
#include "korav/core/folder_relocation.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Relocation : public ::testing::Test {
protected:
    void relocate(const QString& from, const QString& to, RelocationKind kind = RelocationKind::General)
    {
        RelocateFolder(tmp.path(from), tmp.path(to), kind, DataFolder(tmp.path(u"daten"_s)), messenger);
    }

    TempFolder tmp;
    ScriptedMessenger messenger;
};

QString Copied(const QString& from)
{
    return u"Der Inhalt des bisherigen Ordners\n\n%1\n\nwurde in den neuen Ordner kopiert.\n\n"_s.arg(from);
}

} // namespace

TEST_F(Relocation, SameFolderAndDataFolderAreRefused)
{
    relocate(u"a"_s, u"a"_s);
    relocate(u"a"_s, u"daten"_s);
    EXPECT_EQ(messenger.all,
        (QStringList { u"Quell- und Zielordner dürfen nicht identisch sein!"_s,
            u"Der neue Ordner darf nicht der KORAV-Ordner sein !"_s }));
}

TEST_F(Relocation, AsksByKindAndReportsAMissingSource)
{
    relocate(u"fehlt"_s, u"neu"_s, RelocationKind::ProgramFolder);
    relocate(u"fehlt"_s, u"neu"_s, RelocationKind::TimeFolder);
    const QString from = tmp.path(u"fehlt"_s);
    EXPECT_EQ(messenger.all,
        (QStringList {
            u"Soll der bisherige Programm-Ordner\n\n%1\n\nnach Kopieren des Inhalts gelöscht werden ?  "_s
                .arg(from),
            u"Der Ordner\n\n%1\n\nexistiert nicht !"_s.arg(from),
            u"Soll der bisherige Arbeitszeit-Ordner\n\n%1\n\nnach Kopieren des Inhalts gelöscht werden ?  "_s
                .arg(from),
            u"Der Ordner\n\n%1\n\nexistiert nicht !"_s.arg(from) }));
    EXPECT_FALSE(tmp.exists(u"neu"_s));
}

TEST_F(Relocation, CopiesIntoANewFolderWithAllParentsAndKeepsTheOld)
{
    tmp.write(u"alt/a.kvd"_s, "a");
    tmp.write(u"alt/b.kvd"_s, "b");
    tmp.write(u"neu/b.kvd"_s, "alt");
    relocate(u"alt"_s, u"x/y/neu"_s);
    EXPECT_EQ(tmp.read(u"x/y/neu/a.kvd"_s), QByteArray("a"));
    EXPECT_EQ(tmp.read(u"x/y/neu/b.kvd"_s), QByteArray("b"));
    EXPECT_TRUE(tmp.exists(u"alt/a.kvd"_s));
    EXPECT_EQ(messenger.all.value(1),
        u"Der Inhalt des bisherigen Ordner\n\n%1\n\nwurde in den neuen Ordner kopiert.\n\n"
        u"Der bisherige Ordner bleibt erhalten."_s.arg(tmp.path(u"alt"_s)));
}

TEST_F(Relocation, DeletesTheOldFolderWhenAsked)
{
    tmp.write(u"alt/a.kvd"_s, "a");
    tmp.write(u"neu/a.kvd"_s, "older");
    messenger.answerNext(kAnswerYes);
    relocate(u"alt"_s, u"neu"_s);
    EXPECT_EQ(tmp.read(u"neu/a.kvd"_s), QByteArray("a"));
    EXPECT_FALSE(tmp.exists(u"alt"_s));
    EXPECT_EQ(messenger.all.value(1),
        Copied(tmp.path(u"alt"_s)) + u"Der bisherige Ordner wurde danach gelöscht."_s);
}

TEST_F(Relocation, SubfoldersStayAndTheDeletionIsReportedAsFailed)
{
    tmp.write(u"alt/a.kvd"_s, "a");
    tmp.write(u"alt/unter/b.kvd"_s, "b");
    messenger.answerNext(kAnswerYes);
    relocate(u"alt"_s, u"neu"_s);
    EXPECT_EQ(tmp.read(u"neu/a.kvd"_s), QByteArray("a"));
    EXPECT_FALSE(tmp.exists(u"neu/unter"_s));
    EXPECT_FALSE(tmp.exists(u"alt/a.kvd"_s));
    EXPECT_EQ(tmp.read(u"alt/unter/b.kvd"_s), QByteArray("b"));
    EXPECT_EQ(messenger.all.value(1),
        Copied(tmp.path(u"alt"_s)) + u"Der bisherige Ordner konnte nicht gelöscht werden ! (rmdir)"_s);
}

TEST_F(Relocation, AFileWhoseCopyFailedIsNeverDeleted)
{
    tmp.write(u"alt/a.kvd"_s, "neu");
    tmp.write(u"neu/a.kvd/x"_s, {}); // a folder blocks the copy
    messenger.answerNext(kAnswerYes);
    relocate(u"alt"_s, u"neu"_s);
    EXPECT_EQ(tmp.read(u"alt/a.kvd"_s), QByteArray("neu"));
    EXPECT_EQ(messenger.all.value(1),
        u"Der Inhalt des Ordner\n\n%1\n\nkonnte nicht vollständig in den neuen Ordner kopiert werden !"
        u"\n\nNicht kopiert: a.kvd\n\nDer bisherige Ordner bleibt erhalten."_s.arg(tmp.path(u"alt"_s)));
}

TEST_F(Relocation, OntoAFullDiskNothingOfTheOldFolderIsDeleted)
{
    using Point = FileStore::FailureInjection::Point;
    for (const Point point : { Point::AfterBytes, Point::AtFlush, Point::AtRename }) {
        TempFolder dir;
        dir.write(u"alt/a.kvd"_s, "records a");
        dir.write(u"alt/b.kvd"_s, "records b");
        ScriptedMessenger answers;
        answers.answerNext(kAnswerYes);
        {
            const FileStore::FailureInjection full(point, 3, dir.path(u"neu/b"_s));
            RelocateFolder(dir.path(u"alt"_s), dir.path(u"neu"_s), RelocationKind::TimeFolder,
                DataFolder(dir.path(u"daten"_s)), answers);
        }
        EXPECT_EQ(dir.read(u"alt/a.kvd"_s), "records a");
        EXPECT_EQ(dir.read(u"alt/b.kvd"_s), "records b");
        EXPECT_FALSE(dir.exists(u"neu/b.kvd"_s));
        EXPECT_TRUE(answers.all.value(1).contains(u"Nicht kopiert: b.kvd"_s))
            << answers.all.join(u'|').toStdString();
    }
}

TEST_F(Relocation, UncreatableTargetIsReported)
{
    tmp.write(u"alt/a.kvd"_s, "a");
    tmp.write(u"datei"_s, "x");
    relocate(u"alt"_s, u"datei/neu"_s);
    EXPECT_EQ(messenger.all.value(1), u"Zielordner konnte nicht erstellt werden !  "_s);
}
