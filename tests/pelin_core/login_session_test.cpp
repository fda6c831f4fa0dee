#include "common/data_file_codec.h"
#include "pelin/core/login_session.h"
#include "tests/support/ftp_server.h"
#include "tests/support/ldap_server.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Mode { Lan, Ftp };

const QDate kToday(2023, 3, 15);
const QString kCurrent = u"az2023034711.kvd"_s;
const QString kPrevious = u"az2023024711.kvd"_s;
const QString kUpdateNumber = u"update_nummer=01.03.2023 08:00:00"_s;

// Units from December 2022 on: February 160:00, March 168:00, else 170:00.
QString TargetRecord(const QString& personnelNumber, const QString& day)
{
    QString value = day;
    QDate month(2022, 12, 1);
    for (int i = 0; i < 14; ++i, month = month.addMonths(1)) {
        const QString hours = month.month() == 2 ? u"16000"_s : month.month() == 3 ? u"16800"_s : u"17000"_s;
        value += u"%1%2"_s.arg(month.month(), 2, 10, QChar(u'0')).arg(month.year()) + hours;
    }
    return u"msz"_s + personnelNumber + u'=' + value;
}

const QStringList kEmployees {
    u"Geheim=1111#Groß geschrieben#100#"_s,
    u"geheim=2222#Klein geschrieben#100#"_s,
    u"sommer=4711#Erika Muster#62.5#"_s,
    u"zwoelf=123456789012#Zwölf Stellen#80#"_s,
    u"dreizehn=1234567890123#Dreizehn Stellen#80#"_s,
    u"pfad=../4711#Pfad#80#"_s,
    u"leer="_s,
    u"ohnesoll=5555#Ohne Soll#80#"_s,
    u"nullsoll=6666#Null Soll#80#"_s,
    TargetRecord(u"4711"_s, u"10745"_s),
    TargetRecord(u"123456789012"_s, u"00800"_s),
    TargetRecord(u"6666"_s, u"10000"_s),
    u"key_laestamm=4"_s,
    u"bezeichnung4=Homeoffice"_s,
};

// A central store in LAN or FTP mode with the base data KORAV provides, and
// the employee's documents folder.
class LoginFixture : public ::testing::TestWithParam<Mode> {
protected:
    void SetUp() override
    {
        for (const auto* folder : { u"docs", u"desktop", u"lan/zeit", u"lan/prog" })
            QDir(root.path()).mkpath(QStringView(folder).toString());
        if (mode() == Mode::Ftp) {
            ftp = std::make_unique<FtpServer>();
            ASSERT_TRUE(ftp->isRunning());
            settings.lanMode = false;
            settings.ftp = ftp->settings();
        }
        settings.folders = FolderSettings { root.path(u"lan/zeit"_s), root.path(u"lan/prog"_s), {}, false };
        provideEmployees(kEmployees + QStringList { kUpdateNumber });
        putCentral(u"dprojekte.kvd"_s, "\xEF\xBB\xBFP100=Projekt\r\nPause=Pause\r\n");
        putCentral(u"d4711.kvd"_s, "\xEF\xBB\xBFprojfilter=P100#ABCDEFGHIJKLMN#P2#\r\n");
        root.write(u"docs/pelin/pelinlok.cfg"_s, kUpdateNumber.toUtf8() + "\r\n");
    }

    virtual Mode mode() const { return GetParam(); }

    LoginSession& session()
    {
        if (!session_) {
            session_ = std::make_unique<LoginSession>(
                settings, folders, messenger, kToday, codec, [this](int ms) { waits.append(ms); });
        }
        return *session_;
    }

    void provideEmployees(const QStringList& lines)
    {
        StringList list(lines);
        ScriptedMessenger quiet;
        DataFileCodec korav(CodecProgram::Korav, quiet);
        ASSERT_TRUE(korav.SaveDataFile(root.path(u"dama.kvd"_s), list));
        putCentral(u"dama.kvd"_s, root.read(u"dama.kvd"_s));
    }
    void putCentral(const QString& name, const QByteArray& bytes)
    {
        if (ftp)
            ftp->write(u"zeit/"_s + name, bytes);
        else
            root.write(u"lan/zeit/"_s + name, bytes);
    }
    QByteArray central(const QString& name) const
    {
        return ftp ? ftp->read(u"zeit/"_s + name) : root.read(u"lan/zeit/"_s + name);
    }
    QByteArray personal(const QString& name) const { return root.read(u"docs/pelin/"_s + name); }

    TempFolder root;
    std::unique_ptr<FtpServer> ftp;
    LoginSettings settings;
    UserFolders folders { root.path(u"docs"_s), root.path(u"desktop"_s) };
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Pelin, messenger };
    QList<int> waits;
    std::unique_ptr<LoginSession> session_;
};

class LoginTest : public LoginFixture { };

class LanLoginTest : public LoginFixture {
protected:
    Mode mode() const override { return Mode::Lan; }
};

class FtpLoginTest : public LoginFixture {
protected:
    Mode mode() const override { return Mode::Ftp; }
};

} // namespace

TEST_P(LoginTest, LogsInAndReadsEverythingOfTheEmployee)
{
    putCentral(kCurrent, "az202303014711=2023030107301615----------------Erster\r\n");
    putCentral(kPrevious, "az202302284711=2023022807301615----------------Letzter\r\n");
    QList<bool> online;
    session().transfer().setOnlineObserver([&](bool state) { online.append(state); });

    const LoginSession::Result result = session().login(u"sommer"_s, {});
    ASSERT_TRUE(result.loggedIn);
    EXPECT_TRUE(result.clearField);
    EXPECT_TRUE(messenger.all.isEmpty()) << messenger.all.join(u'|').toStdString();

    const LoginState& state = session().state();
    EXPECT_EQ(state.personnelNumber, u"4711"_s);
    EXPECT_EQ(state.name, u"Erika Muster"_s);
    EXPECT_EQ(state.degree, u"62.5"_s);
    EXPECT_TRUE(state.freeMinutes);
    EXPECT_EQ(state.dailyTarget, 7 * 60 + 45);
    EXPECT_EQ(state.fullTimePreviousMonth, 9600);
    EXPECT_EQ(state.fullTimeCurrentMonth, 10080);
    EXPECT_EQ(state.personalTargetPreviousMonth, 6000);
    EXPECT_EQ(state.personalTargetCurrentMonth, 6300);
    EXPECT_EQ(state.masterNumberLength, 4);
    EXPECT_EQ(state.caption4, u"Homeoffice"_s);
    EXPECT_EQ(state.caption5, u"Verwaltung"_s);
    EXPECT_EQ(state.filterPool.entries(), QStringList({ u"ABCDEFGHIJKLMN"_s, u"P100"_s, u"P2"_s }));
    EXPECT_EQ(state.activityList.lines(), QStringList({ u"P100=Projekt"_s, u"Pause=Pause"_s }));
    EXPECT_EQ(state.filteredActivities.lines(), QStringList({ u"P100=Projekt"_s }));
    EXPECT_EQ(state.personalSettingsEncoding, TextEncoding::Utf8WithBom);
    EXPECT_EQ(state.currentMonth.readDay(1).record->remark, u"Erster"_s);
    EXPECT_EQ(state.previousMonth.readDay(28).record->remark, u"Letzter"_s);
    if (mode() == Mode::Ftp) {
        EXPECT_EQ(online, QList<bool>({ true, true, false }));
        EXPECT_FALSE(session().transfer().online());
    }
}

// The central copy of the month is gone (or its download failed): the
// employee's local month must survive and be uploaded again by the next save.
TEST_P(LoginTest, MonthMissingCentrallyIsRestoredFromTheLocalCopy)
{
    const QByteArray mine("az202303014711=2023030107301615----------------Meins\r\n");
    root.write(u"docs/pelin/"_s + kCurrent, mine);
    ASSERT_TRUE(session().login(u"sommer"_s, {}).loggedIn);
    EXPECT_EQ(session().state().currentMonth.readDay(1).record->remark, u"Meins"_s);

    session().state().changes.dataChanged();
    messenger.answerNext(kAnswerYes);
    session().logout();
    EXPECT_EQ(central(kCurrent), mine);
    EXPECT_EQ(personal(u"bak_"_s + kCurrent), mine);
    EXPECT_FALSE(session().state().loggedIn);
}

TEST_P(LoginTest, RecordedMonthArrivesByteForByteAfterTheSaveQuestion)
{
    ASSERT_TRUE(session().login(u"sommer"_s, {}).loggedIn);
    LoginState& state = session().state();
    state.currentMonth.storeDay(6, { {}, u"07"_s, u"30"_s, u"16"_s, u"15"_s, u"Messe"_s },
        { { u"20230315"_s, u"00400"_s, u"P100"_s } }, kToday);
    state.changes.dataChanged();
    messenger.answerNext(kAnswerYes);
    session().logout();

    EXPECT_EQ(messenger.questions, QStringList({ u"Änderungen speichern ?"_s }));
    EXPECT_EQ(central(kCurrent),
        QByteArray("az202303064711=2023031507301615----------------Messe\r\n"
                   "pz202303064711=2023031500400P100####\r\n"));
    EXPECT_EQ(central(kPrevious), QByteArray());
    EXPECT_EQ(central(u"d4711.kvd"_s), QByteArray("\xEF\xBB\xBFprojfilter=P100#ABCDEFGHIJKLMN#P2#\r\n"));
    EXPECT_FALSE(session().transfer().online());
}

// February is closed: it is read and shown, but a save neither rewrites
// nor uploads it, which the collection would take for a late upload.
TEST_P(LoginTest, ClosedMonthsArriveWithTheBaseDataAndAClosedMonthIsNotUploadedAgain)
{
    const QByteArray february("az202302284711=2023022807301615----------------Letzter\r\n");
    putCentral(kPrevious, february);
    putCentral(u"dabschluss.kvd"_s,
        "\xEF\xBB\xBF"
        "abschluss=202302\r\n");
    ASSERT_TRUE(session().login(u"sommer"_s, {}).loggedIn);
    LoginState& state = session().state();
    EXPECT_EQ(state.closedMonths, ClosedMonths(2023, 2));
    EXPECT_EQ(state.previousMonth.readDay(28).record->remark, u"Letzter"_s);

    const QString centralPrevious
        = ftp ? ftp->root(u"zeit/"_s + kPrevious) : root.path(u"lan/zeit/"_s + kPrevious);
    const QDateTime old(QDate(2023, 3, 1), QTime(8, 0));
    QFile file(centralPrevious);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    file.close();
    state.currentMonth.storeDay(6, { {}, u"07"_s, u"30"_s, u"16"_s, u"15"_s, {} }, {}, kToday);
    state.changes.dataChanged();
    messenger.answerNext(kAnswerYes);
    ASSERT_TRUE(session().logout());
    EXPECT_EQ(central(kPrevious), february);
    EXPECT_EQ(QFileInfo(centralPrevious).lastModified(), old);
    EXPECT_EQ(central(kCurrent), QByteArray("az202303064711=2023031507301615----------------\r\n"));

    QFile::remove(ftp ? ftp->root(u"zeit/dabschluss.kvd"_s) : root.path(u"lan/zeit/dabschluss.kvd"_s));
    ASSERT_TRUE(session().login(u"sommer"_s, {}).loggedIn);
    EXPECT_FALSE(session().state().closedMonths.any()) << "the store has no closed months any more";
}

INSTANTIATE_TEST_SUITE_P(BothModes, LoginTest, ::testing::Values(Mode::Lan, Mode::Ftp),
    [](const auto& info) { return info.param == Mode::Lan ? "Lan" : "Ftp"; });

TEST_F(LanLoginTest, RefusedRecords)
{
    const struct {
        QString typed;
        QString message;
        bool clear;
    } cases[] = {
        { u"geheim"_s, u"Passwort ist falsch"_s, true },
        { u"falsch"_s, u"Passwort ist falsch"_s, true },
        { u"leer"_s, u"Keine gültige Personalnummer vorhanden"_s, true },
        { u"dreizehn"_s, u"Personalnummer ist zu lang, max. 12 Zeichen sind möglich."_s, false },
        { u"pfad"_s, u"Datensatz Personalnummer/Mitarbeitername ist nicht korrekt!"_s, false },
    };
    for (const auto& c : cases) {
        messenger.messages.clear();
        const LoginSession::Result result = session().login(c.typed, {});
        EXPECT_FALSE(result.loggedIn) << c.typed.toStdString();
        EXPECT_EQ(result.clearField, c.clear) << c.typed.toStdString();
        EXPECT_EQ(messenger.messages, QStringList({ c.message })) << c.typed.toStdString();
        EXPECT_FALSE(session().state().loggedIn);
    }
    EXPECT_EQ(session().login(u"Geheim"_s, {}).loggedIn, true);
    EXPECT_EQ(session().state().personnelNumber, u"1111"_s);
}

TEST_F(LanLoginTest, TwelveCharacterNumberAndDailyTargets)
{
    ASSERT_TRUE(session().login(u"zwoelf"_s, {}).loggedIn);
    EXPECT_EQ(session().state().personnelNumber, u"123456789012"_s);
    EXPECT_FALSE(session().state().freeMinutes);
    EXPECT_EQ(session().state().dailyTarget, 480);
    EXPECT_TRUE(session().state().dailyTargetDefined);
    EXPECT_EQ(session().state().personalTargetCurrentMonth, 8064);
    EXPECT_TRUE(messenger.all.isEmpty());

    const QString eightHours
        = u"Es ist keine tägliche Soll-Arbeitszeit definiert!\n\nErsatzweise wird mit einer "
          "täglichen Arbeitszeit von 8 Stunden gerechnet"_s;
    for (const QString& typed : { u"nullsoll"_s, u"ohnesoll"_s }) {
        session().logout();
        messenger.messages.clear();
        ASSERT_TRUE(session().login(typed, {}).loggedIn);
        EXPECT_EQ(session().state().dailyTarget, 480);
        EXPECT_FALSE(session().state().dailyTargetDefined);
        EXPECT_EQ(messenger.messages, QStringList({ eightHours }));
    }
}

TEST_F(LanLoginTest, EmptyFieldAndMissingFolders)
{
    EXPECT_TRUE(session().login({}, {}).focusField);
    folders.documents.clear();
    session_.reset();
    EXPECT_FALSE(session().login(u"sommer"_s, {}).loggedIn);
    QDir(root.path(u"lan/zeit"_s)).removeRecursively();
    folders.documents = root.path(u"docs"_s);
    session_.reset();
    EXPECT_FALSE(session().login(u"sommer"_s, {}).loggedIn);
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Bitte Kennwort eingeben"_s, u"Persönlicher Ordner konnte nicht ermittelt werden"_s,
            u"Der Server-Ordner für PELIN-Zeitdateien wurde nicht gefunden!"_s,
            u"Verbindung konnte nicht hergestellt werden!"_s }));
}

TEST_F(LanLoginTest, StartedByKoravReadsBaseDataFromItsOwnFolder)
{
    settings.folders.startedByKorav = true;
    settings.folders.executableFolder = root.path();
    root.write(u"lan/zeit/dama.kvd"_s, "kaputt");
    root.write(u"dprojekte.kvd"_s, "Eigen=Aus dem Datenordner\r\n");
    ASSERT_TRUE(session().login(u"sommer"_s, {}).loggedIn);
    EXPECT_EQ(session().state().name, u"Erika Muster"_s);
    EXPECT_EQ(session().state().activityList.lines(), QStringList({ u"Eigen=Aus dem Datenordner"_s }));
}

TEST_F(LanLoginTest, UnreadableMonthIsReportedAndNeverOverwritten)
{
    QDir(root.path()).mkpath(u"docs/pelin/"_s + kPrevious);
    putCentral(kCurrent, "az202303014711=2023030107301615----------------Erster\r\n");
    ASSERT_TRUE(session().login(u"sommer"_s, {}).loggedIn);
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Die Zeitdatei "_s + QDir::toNativeSeparators(root.path(u"docs/pelin/"_s + kPrevious))
            + u" konnte nicht gelesen werden!\n\nDieser Monat wird nicht gespeichert."_s }));
    EXPECT_EQ(session().state().currentMonth.readDay(1).record->remark, u"Erster"_s);

    messenger.messages.clear();
    EXPECT_TRUE(session().saveAndUpload());
    EXPECT_TRUE(messenger.messages.isEmpty());
    EXPECT_TRUE(QFileInfo(root.path(u"docs/pelin/"_s + kPrevious)).isDir());
    EXPECT_FALSE(QFileInfo::exists(root.path(u"lan/zeit/"_s + kPrevious)));
}

// A month file far beyond any real month is refused, named, and kept.
TEST_F(LanLoginTest, HugeMonthIsRefusedByNameAndKept)
{
    const QString huge = root.path(u"docs/pelin/"_s + kPrevious);
    QDir(root.path()).mkpath(u"docs/pelin"_s);
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(17 * 1024 * 1024));
    file.close();
    ASSERT_TRUE(session().login(u"sommer"_s, {}).loggedIn);
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Die Datei "_s + QDir::toNativeSeparators(huge)
            + u" ist zu groß und wird nicht gelesen!\n\nDieser Monat wird nicht gespeichert."_s }));
    EXPECT_TRUE(session().saveAndUpload());
    EXPECT_EQ(QFileInfo(huge).size(), 17 * 1024 * 1024);
    EXPECT_FALSE(QFileInfo::exists(root.path(u"lan/zeit/"_s + kPrevious)));
}

TEST_F(FtpLoginTest, ServerDownAtLogIn)
{
    ftp->stop();
    EXPECT_FALSE(session().login(u"sommer"_s, {}).loggedIn);
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Die Anmeldung am FTP-Server war nicht erfolgreich! (2)"_s,
            u"Verbindung konnte nicht hergestellt werden!"_s }));
}

TEST_F(FtpLoginTest, AllUploadsFailingAreReported)
{
    ASSERT_TRUE(session().login(u"sommer"_s, {}).loggedIn);
    ftp->failNextUploads(3);
    EXPECT_FALSE(session().saveAndUpload());
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Datei az2023034711.kvd konnte nicht hochgeladen werden!"_s,
            u"Aktueller Monat : Upload nicht möglich! (Verbindungsfehler) "_s }));
    EXPECT_FALSE(session().transfer().online());
}

TEST_F(FtpLoginTest, OlderVersionIsRefusedUnlessMissingNumber)
{
    root.write(u"docs/pelin/pelinlok.cfg"_s, "update_nummer=28.02.2023 08:00:00\r\n");
    EXPECT_FALSE(session().login(u"sommer"_s, {}).loggedIn);

    provideEmployees(kEmployees);
    const LoginSession::Result result = session().login(u"sommer"_s, {});
    EXPECT_FALSE(result.loggedIn);
    EXPECT_TRUE(result.clearField);
    const QString refused = u"Mit dieser PELIN-Version können Zeitdaten nicht mehr bearbeitet werden."_s;
    EXPECT_EQ(messenger.messages, QStringList({ refused, refused }));
    EXPECT_EQ(messenger.questions.size(), 1);
    EXPECT_FALSE(root.exists(u"desktop/pelin-update.zip"_s));
}

TEST_F(FtpLoginTest, OfferedUpdateLandsOnTheDesktopWithTheServerTime)
{
    root.write(u"docs/pelin/pelinlok.cfg"_s, "update_nummer=28.02.2023 08:00:00\r\n");
    ftp->write(u"zeit/pelin-update.zip"_s, "PK zip");
    const QDateTime serverTime(QDate(2023, 2, 20), QTime(10, 11, 12), Qt::UTC);
    QFile zip(ftp->root(u"zeit/pelin-update.zip"_s));
    ASSERT_TRUE(
        zip.open(QIODevice::ReadWrite) && zip.setFileTime(serverTime, QFileDevice::FileModificationTime));
    zip.close();

    messenger.answerNext(kAnswerYes);
    EXPECT_FALSE(session().login(u"sommer"_s, {}).loggedIn);
    EXPECT_EQ(root.read(u"desktop/pelin-update.zip"_s), QByteArray("PK zip"));
    EXPECT_EQ(QFileInfo(root.path(u"desktop/pelin-update.zip"_s)).lastModified().toUTC(), serverTime);
    ASSERT_EQ(messenger.messages.size(), 2);
    EXPECT_TRUE(messenger.messages[0].startsWith(u"Der Download der neuen PELIN-Dateien war erfolgreich!\n\n"
                                                 "Die Datei 'pelin-update.zip' befindet sich im Ordner\n"_s
        + QDir::toNativeSeparators(root.path(u"desktop"_s))));

    folders.desktop = root.path(u"nirgends"_s);
    session_.reset();
    messenger.messages.clear();
    messenger.answerNext(kAnswerYes);
    EXPECT_FALSE(session().login(u"sommer"_s, {}).loggedIn);
    EXPECT_EQ(messenger.messages.first(),
        u"Der Desktop-Ordner konnte nicht ermittelt werden! (Ordner existiert "
        "nicht)\n\nDie ZIP-Datei wird im Benutzerordner gespeichert."_s);
    EXPECT_EQ(personal(u"pelin-update.zip"_s), QByteArray("PK zip"));
}

TEST_F(LanLoginTest, DirectoryLogIn)
{
    LdapServer directory({ { u"erika"_s, u"Sommer2023"_s } });
    ASSERT_TRUE(directory.isRunning());
    provideEmployees(kEmployees + QStringList { u"erika=4711#Erika Muster#62.5#"_s });
    settings.directoryMode = true;
    settings.directory = directory.settings();

    EXPECT_FALSE(session().login(u"erika"_s, u"falsch"_s).loggedIn);
    EXPECT_FALSE(session().login(u"erika"_s, QString()).loggedIn);
    EXPECT_EQ(messenger.messages,
        QStringList({ u"Anmeldung war nicht erfolgreich! (Anmeldename-/Passwortfehler)"_s,
            u"Bitte LDAP - Anmeldename und - Kennwort eingeben"_s }));
    ASSERT_TRUE(session().login(u"erika"_s, u"Sommer2023"_s).loggedIn);
    EXPECT_EQ(session().state().personnelNumber, u"4711"_s);

    directory.stop();
    session().logout();
    messenger.messages.clear();
    EXPECT_FALSE(session().login(u"erika"_s, u"Sommer2023"_s).loggedIn);
    EXPECT_EQ(messenger.messages, QStringList({ u"Keine Verbindung zum LDAP-Server möglich!"_s }));
}
