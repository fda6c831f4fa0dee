#include "korav/core/korav_help.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Archive()
{
    QFile file(QString::fromUtf8(KORAV_HELP_ARCHIVE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SetTime(const QString& path, const QDateTime& time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

class Help : public ::testing::Test {
protected:
    Help() { tmp.write(u"daten/zama.kvd"_s, {}); }

    KoravHelp::Places places() const
    {
        return { DataFolder(tmp.path(u"daten"_s)), tmp.path(u"appdata"_s), tmp.path(u"programm"_s) };
    }
    QString local() const { return tmp.path(u"appdata/korav/pelin_help.zip"_s); }

    TempFolder tmp;
    ScriptedMessenger messenger;
};

} // namespace

TEST(HelpPages, EveryTopicHasItsPageInTheBuiltArchive)
{
    const QString archive = QString::fromUtf8(KORAV_HELP_ARCHIVE);
    for (int topic : { 10, 20, 30, 40, 50, 60 }) {
        const QString page = KoravHelp::PageForTopic(topic);
        const std::optional<QByteArray> html = KoravHelp::ReadArchiveEntry(archive, page);
        ASSERT_TRUE(html) << page.toStdString();
        EXPECT_TRUE(html->contains("<html lang=\"de\">")) << page.toStdString();
    }
    EXPECT_EQ(KoravHelp::PageForTopic(10), u"html/korav_010_allgemeines.htm"_s);
    EXPECT_EQ(KoravHelp::PageForTopic(50), u"html/korav_050_auswerten.htm"_s);
    EXPECT_EQ(KoravHelp::PageForTopic(60), u"html/korav_060_konten.htm"_s);
    EXPECT_EQ(KoravHelp::PageForTopic(11), u""_s);
    EXPECT_FALSE(KoravHelp::ReadArchiveEntry(archive, u"html/fehlt.htm"_s));
    EXPECT_FALSE(KoravHelp::ReadArchiveEntry(archive + u"x"_s, KoravHelp::PageForTopic(10)));
}

TEST_F(Help, FirstUseCopiesTheArchiveToTheLocalFolder)
{
    tmp.write(u"daten/pelin_help.zip"_s, Archive());
    EXPECT_EQ(KoravHelp::PrepareHelpFile(places(), messenger), local());
    EXPECT_EQ(messenger.all, QStringList { u"Hilfe wurde erfolgreich auf PC eingerichtet  "_s });
    EXPECT_EQ(tmp.read(u"appdata/korav/pelin_help.zip"_s), Archive());

    EXPECT_EQ(KoravHelp::PrepareHelpFile(places(), messenger), local());
    EXPECT_EQ(messenger.all.size(), 1);
}

TEST_F(Help, NewerDataFolderCopyRefreshesTheLocalOne)
{
    tmp.write(u"appdata/korav/pelin_help.zip"_s, "alt");
    tmp.write(u"daten/pelin_help.zip"_s, "neu");
    const QDateTime now = QDateTime::currentDateTime();
    SetTime(local(), now.addSecs(-3600));
    SetTime(tmp.path(u"daten/pelin_help.zip"_s), now);
    EXPECT_EQ(KoravHelp::PrepareHelpFile(places(), messenger), local());
    EXPECT_EQ(messenger.all, QStringList { u"Lokale Hilfedatei wurde aktualisiert.  "_s });
    EXPECT_EQ(tmp.read(u"appdata/korav/pelin_help.zip"_s), QByteArray("neu"));

    SetTime(local(), now.addSecs(3600));
    tmp.write(u"daten/pelin_help.zip"_s, "noch neuer");
    SetTime(tmp.path(u"daten/pelin_help.zip"_s), now);
    KoravHelp::PrepareHelpFile(places(), messenger);
    EXPECT_EQ(tmp.read(u"appdata/korav/pelin_help.zip"_s), QByteArray("neu"));
}

TEST_F(Help, MissingHelpFileMessages)
{
    EXPECT_FALSE(KoravHelp::PrepareHelpFile(places(), messenger));
    EXPECT_EQ(messenger.all,
        (QStringList {
            u"Hilfe-Datei in KORAV-Ordner ist nicht vorhanden.\n\nLokale Hilfe konnte nicht eingerichtet werden"_s,
            u"Im KORAV-Ordner befindet sich keine Hilfedatei pelin_help.zip.\n\nKopieren Sie die Hilfedatei "
            u"in den KORAV-Ordner, falls diese dort fehlt.\n\n"_s }));
    EXPECT_EQ(KoravHelp::LocationText(places()), u"Hilfedatei ist nicht vorhanden"_s);
}

TEST_F(Help, ProgramFolderArchiveStandsInForAMissingDataFolderCopy)
{
    tmp.write(u"programm/pelin_help.zip"_s, Archive());
    EXPECT_EQ(KoravHelp::PrepareHelpFile(places(), messenger), local());
    EXPECT_TRUE(KoravHelp::LocationText(places()).startsWith(
        u"Hilfe-Datei :  pelin_help.zip\n\nin Ordner :  "_s + tmp.path(u"appdata"_s) + u"/korav\n\n"_s));
}

TEST_F(Help, LocalFolderThatCannotBeCreatedFallsBackToTheDataFolderCopy)
{
    tmp.write(u"daten/pelin_help.zip"_s, Archive());
    tmp.write(u"appdata/korav"_s, "a file where the folder belongs");
    EXPECT_EQ(KoravHelp::PrepareHelpFile(places(), messenger), tmp.path(u"daten/pelin_help.zip"_s));
    EXPECT_EQ(
        messenger.all, QStringList { u"Ordner 'Korav' konnte nicht im lokalen Ordner angelegt werden.  "_s });
}

TEST_F(Help, MissingOrTooLongApplicationDataFolder)
{
    KoravHelp::Places p = places();
    p.appDataFolder.clear();
    EXPECT_FALSE(KoravHelp::PrepareHelpFile(p, messenger));
    p.appDataFolder = u"/"_s + u"x"_s.repeated(170);
    EXPECT_FALSE(KoravHelp::PrepareHelpFile(p, messenger));
    EXPECT_EQ(messenger.all,
        (QStringList {
            u"Benutzer-Ordner auf PC ist nicht vorhanden.\n\nLokale Hilfe konnte nicht eingerichtet werden  "_s,
            u"Zeichenlänge des lokalen Ordners ist zu groß !  "_s }));
}
