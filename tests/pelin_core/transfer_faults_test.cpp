#include "common/data_file_codec.h"
#include "pelin/core/login_session.h"
#include "pelin/core/month_sync.h"
#include "pelin/core/pending_upload.h"
#include "pelin/core/recovery_copy.h"
#include "tests/support/ftp_server.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

// Every transfer fault is played against a real FTP server or real folders,
// and afterwards no record entered before the fault may be missing or
// changed in any month file involved.
namespace {

enum class Mode { Lan, Ftp };

const QDate kToday(2023, 3, 15);
const QString kMonth = u"az2023034711.kvd"_s;

QString DayLine(int day, const QString& remark)
{
    return u"az202303"_s + u"%1"_s.arg(day, 2, 10, QChar(u'0')) + u"4711=2023031507301615----------------"_s
        + remark;
}

QString ActivityLine(int day)
{
    return u"pz202303"_s + u"%1"_s.arg(day, 2, 10, QChar(u'0')) + u"4711=2023031500400P100####"_s;
}

// Two records a day: 23 days give the 46 records of a well-filled month.
QStringList Records(int firstDay, int lastDay, const QString& remark)
{
    QStringList lines;
    for (int day = firstDay; day <= lastDay; ++day)
        lines << DayLine(day, u"%1 am Tag %2, mit etwas Text"_s.arg(remark).arg(day)) << ActivityLine(day);
    return lines;
}

QByteArray FileOf(const QStringList& lines)
{
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toLatin1();
}

QStringList LinesOf(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes).split(u"\r\n"_s, Qt::SkipEmptyParts);
}

class FaultMatrix;

struct FaultCase {
    const char* name;
    Mode mode;
    void (*play)(FaultMatrix&);
};

class FaultMatrix : public ::testing::TestWithParam<FaultCase> {
public:
    void SetUp() override
    {
        for (const auto* folder : { u"docs", u"lan/zeit", u"lan/prog" })
            QDir(root.path()).mkpath(QStringView(folder).toString());
        if (GetParam().mode == Mode::Ftp) {
            ftp = std::make_unique<FtpServer>();
            ASSERT_TRUE(ftp->isRunning());
            settings.lanMode = false;
            settings.ftp = ftp->settings();
        }
        settings.folders = FolderSettings { root.path(u"lan/zeit"_s), root.path(u"lan/prog"_s), {}, false };
        StringList employees({ u"sommer=4711#Erika Muster#100#"_s, u"msz4711=10800"_s,
            u"update_nummer=01.03.2023 08:00:00"_s });
        ScriptedMessenger quiet;
        DataFileCodec korav(CodecProgram::Korav, quiet);
        ASSERT_TRUE(korav.SaveDataFile(root.path(u"dama.kvd"_s), employees));
        putCentral(u"dama.kvd"_s, root.read(u"dama.kvd"_s));
        putCentral(u"dprojekte.kvd"_s, "P100=Projekt\r\n");
        root.write(u"docs/pelin/pelinlok.cfg"_s, "update_nummer=01.03.2023 08:00:00\r\n");
    }

    // A new run of PELIN on the same computer.
    LoginSession& session()
    {
        if (!session_)
            session_ = std::make_unique<LoginSession>(
                settings, UserFolders { root.path(u"docs"_s), {} }, messenger, kToday, codec, [](int) {});
        return *session_;
    }
    void restart() { session_.reset(); }

    bool login()
    {
        messenger.messages.clear();
        return session().login(u"sommer"_s, {}).loggedIn;
    }
    void enterDay(int day, const QString& remark)
    {
        session().state().currentMonth.storeDay(day, { {}, u"07"_s, u"30"_s, u"16"_s, u"15"_s, remark },
            { { u"20230315"_s, u"00400"_s, u"P100"_s } }, kToday);
        session().state().changes.dataChanged();
        entered << DayLine(day, remark) << ActivityLine(day);
    }
    bool logoutSaving()
    {
        messenger.messages.clear();
        messenger.answerNext(kAnswerYes);
        return session().logout();
    }
    bool saidSomething(const QString& part) const
    {
        return std::any_of(messenger.messages.cbegin(), messenger.messages.cend(),
            [&](const QString& text) { return text.contains(part); });
    }

    void putCentral(const QString& name, const QByteArray& bytes)
    {
        if (ftp)
            ftp->write(u"zeit/"_s + name, bytes);
        else
            root.write(u"lan/zeit/"_s + name, bytes);
    }
    QString centralPath(const QString& name) const
    {
        return ftp ? ftp->root(u"zeit/"_s + name) : root.path(u"lan/zeit/"_s + name);
    }
    QByteArray central(const QString& name = kMonth) const
    {
        return ftp ? ftp->read(u"zeit/"_s + name) : root.read(u"lan/zeit/"_s + name);
    }
    QString personalPath(const QString& name = kMonth) const { return root.path(u"docs/pelin/"_s + name); }
    QByteArray personal(const QString& name = kMonth) const { return root.read(u"docs/pelin/"_s + name); }
    void startCentral(const QStringList& records)
    {
        centralBefore = records;
        putCentral(kMonth, FileOf(records));
    }

    // The central month file is there but cannot be read: something that is
    // no file stands in its place until `restore()`.
    void blockCentral()
    {
        QFile::rename(centralPath(kMonth), centralPath(u"beiseite"_s));
        QDir().mkpath(centralPath(kMonth));
    }
    void restoreCentral()
    {
        QDir(centralPath(kMonth)).removeRecursively();
        QFile::rename(centralPath(u"beiseite"_s), centralPath(kMonth));
    }
    void hideTimeFolder() { QDir().rename(root.path(u"lan/zeit"_s), root.path(u"lan/weg"_s)); }
    void showTimeFolder() { QDir().rename(root.path(u"lan/weg"_s), root.path(u"lan/zeit"_s)); }

    TempFolder root;
    std::unique_ptr<FtpServer> ftp;
    LoginSettings settings;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Pelin, messenger };
    std::unique_ptr<LoginSession> session_;

    QStringList centralBefore; // must stay in the central copy
    QStringList entered; // must stay in the local copy
    bool uploaded = true; // the entered records must have reached the central copy
};

void ExpectHolds(const QByteArray& file, const QStringList& records, const char* where)
{
    const QStringList lines = LinesOf(file);
    for (const QString& record : records)
        EXPECT_TRUE(lines.contains(record)) << where << " lacks " << record.toStdString();
}

TEST_P(FaultMatrix, NoRecordIsLost)
{
    GetParam().play(*this);
    ExpectHolds(central(), centralBefore, "central copy");
    ExpectHolds(personal(), entered, "local copy");
    if (uploaded)
        ExpectHolds(central(), entered, "central copy");
}

// The download of the month breaks off; the month is shown from what there
// is locally and kept there, and the next session merges and uploads it.
void DroppedDownload(FaultMatrix& t, bool olderLocalCopy)
{
    t.startCentral(Records(1, 23, u"Zentral"_s));
    if (olderLocalCopy)
        t.root.write(u"docs/pelin/"_s + kMonth, FileOf(Records(1, 18, u"Zentral"_s)));
    t.ftp->dropTransfersAfter(1500);
    ASSERT_TRUE(t.login());
    EXPECT_TRUE(t.saidSomething(u"Monat 03.2023 (az2023034711.kvd) konnte nicht geladen werden!"_s));
    t.enterDay(24, u"Messe"_s);
    EXPECT_TRUE(t.logoutSaving());
    EXPECT_TRUE(t.saidSomething(u"Der Monat 03.2023 wurde nur lokal gespeichert"_s));
    EXPECT_EQ(t.central(), FileOf(t.centralBefore));

    t.ftp->dropTransfersAfter(-1);
    t.restart();
    ASSERT_TRUE(t.login());
    EXPECT_TRUE(t.messenger.messages.isEmpty()) << t.messenger.messages.join(u'|').toStdString();
    EXPECT_FALSE(QFile::exists(t.personalPath(PendingUpload::MarkerName(kMonth))));
}

void LanCentralUnreadable(FaultMatrix& t)
{
    t.startCentral(Records(1, 23, u"Zentral"_s));
    t.blockCentral();
    ASSERT_TRUE(t.login());
    EXPECT_TRUE(t.saidSomething(u"konnte nicht geladen werden!"_s));
    t.enterDay(24, u"Messe"_s);
    EXPECT_TRUE(t.logoutSaving());
    EXPECT_TRUE(QFileInfo(t.centralPath(kMonth)).isDir());

    t.restoreCentral();
    t.restart();
    ASSERT_TRUE(t.login());
    EXPECT_EQ(LinesOf(t.central()).size(), 48);
}

// The upload at log-out fails; the next log-in uploads the waiting local
// copy before anything is downloaded.
void RefusedUpload(FaultMatrix& t, void (*fault)(FaultMatrix&), void (*mend)(FaultMatrix&))
{
    t.startCentral(Records(1, 23, u"Zentral"_s));
    ASSERT_TRUE(t.login());
    t.enterDay(24, u"Messe"_s);
    fault(t);
    EXPECT_TRUE(t.logoutSaving());
    EXPECT_FALSE(t.messenger.messages.isEmpty());
    EXPECT_TRUE(QFile::exists(t.personalPath(PendingUpload::MarkerName(kMonth))));
    mend(t);

    t.restart();
    ASSERT_TRUE(t.login());
    EXPECT_TRUE(t.messenger.messages.isEmpty()) << t.messenger.messages.join(u'|').toStdString();
    EXPECT_FALSE(QFile::exists(t.personalPath(PendingUpload::MarkerName(kMonth))));
    EXPECT_EQ(t.central(), t.personal());
}

void NoFault(FaultMatrix&) { }

// Another computer saved the month while the local changes waited.
void CentralChangedMeanwhile(FaultMatrix& t, bool sameDay)
{
    t.startCentral(Records(1, 23, u"Zentral"_s));
    ASSERT_TRUE(t.login());
    t.enterDay(24, u"Messe"_s);
    if (t.ftp)
        t.ftp->refuseLogins(true);
    else
        t.hideTimeFolder();
    EXPECT_TRUE(t.logoutSaving());
    if (t.ftp)
        t.ftp->refuseLogins(false);
    else
        t.showTimeFolder();
    QStringList elsewhere = t.centralBefore + QStringList { DayLine(25, u"Anderswo"_s), ActivityLine(25) };
    if (sameDay)
        elsewhere[0] = DayLine(1, u"Anderswo geändert"_s);
    t.startCentral(elsewhere);

    t.restart();
    ASSERT_TRUE(t.login());
    ExpectHolds(t.personal(), { DayLine(25, u"Anderswo"_s) }, "local copy");
    if (!sameDay) {
        EXPECT_TRUE(t.messenger.messages.isEmpty()) << t.messenger.messages.join(u'|').toStdString();
        return;
    }
    t.uploaded = false;
    const QStringList aside
        = QDir(t.personalPath(u""_s)).entryList({ MonthSync::CentralCopyName(kMonth, u"*"_s) }, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(t.personal(aside.first()), FileOf(elsewhere));
    ASSERT_EQ(t.messenger.messages.size(), 1);
    EXPECT_TRUE(
        t.messenger.messages.first().contains(QDir::toNativeSeparators(t.personalPath(aside.first()))));
    EXPECT_TRUE(t.messenger.messages.first().contains(QDir::toNativeSeparators(t.personalPath())));

    t.enterDay(26, u"Noch einer"_s);
    EXPECT_TRUE(t.logoutSaving());
    EXPECT_EQ(t.central(), FileOf(elsewhere));
    t.restart();
    ASSERT_TRUE(t.login());
    EXPECT_EQ(QDir(t.personalPath(u""_s)).entryList({ u"zentral_*"_s }, QDir::Files).size(), 1);
}

// PELIN ends without a save (a crash): the recovery copy holds the day.
void Crash(FaultMatrix& t, int answer)
{
    t.startCentral(Records(1, 23, u"Zentral"_s));
    ASSERT_TRUE(t.login());
    t.enterDay(24, u"Messe"_s);
    EXPECT_EQ(LinesOf(t.personal(RecoveryCopy::FileName(kMonth))).size(), 48);
    t.restart();
    t.messenger.answerNext(answer);
    ASSERT_TRUE(t.login());
    ASSERT_EQ(t.messenger.questions.size(), 1);
    EXPECT_TRUE(t.messenger.questions.first().startsWith(u"Für den Monat 03.2023 gibt es eine "
                                                         "Wiederherstellungskopie"_s));
}

void RecoveryTakenOver(FaultMatrix& t)
{
    Crash(t, kAnswerYes);
    EXPECT_TRUE(t.logoutSaving());
    EXPECT_FALSE(QFile::exists(t.personalPath(RecoveryCopy::FileName(kMonth))));
}

void RecoveryDeclined(FaultMatrix& t)
{
    Crash(t, kAnswerNo);
    const QStringList dated
        = QDir(t.personalPath(u""_s)).entryList({ u"wiederherst_2*_"_s + kMonth }, QDir::Files);
    ASSERT_EQ(dated.size(), 1);
    ExpectHolds(t.personal(dated.first()), t.entered, "dated recovery copy");
    EXPECT_FALSE(QFile::exists(t.personalPath(RecoveryCopy::FileName(kMonth))));
    t.entered.clear();
    t.restart();
    ASSERT_TRUE(t.login());
    EXPECT_EQ(t.messenger.questions.size(), 1);
}

void SaveQuestionClosed(FaultMatrix& t)
{
    t.startCentral(Records(1, 23, u"Zentral"_s));
    ASSERT_TRUE(t.login());
    t.enterDay(24, u"Messe"_s);
    t.messenger.answerNext(kAnswerClosed);
    EXPECT_FALSE(t.session().logout());
    EXPECT_TRUE(t.session().state().loggedIn);
    EXPECT_TRUE(t.session().state().changes.data());
    t.messenger.answerNext(kAnswerClosed);
    EXPECT_FALSE(t.session().offerSave());
    EXPECT_TRUE(t.logoutSaving());
}

void DroppedUploadsLeaveOwnLeftovers(FaultMatrix& t)
{
    t.startCentral(Records(1, 23, u"Zentral"_s));
    const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
    for (const QString& name : { QString(kMonth + u".part"_s), QString(kMonth + u".alt.part"_s),
             QString(kMonth + u".frisch.part"_s) }) {
        t.putCentral(name, "Rest");
        QFile file(t.centralPath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        if (!name.contains(u"frisch"_s))
            file.setFileTime(hourAgo, QFileDevice::FileModificationTime);
    }
    ASSERT_TRUE(t.login());
    t.enterDay(24, u"Messe"_s);
    t.ftp->dropTransfersAfter(1000);
    EXPECT_TRUE(t.logoutSaving());
    t.ftp->dropTransfersAfter(-1);
    const QStringList leftovers
        = QDir(t.centralPath(u""_s)).entryList({ kMonth + u".*.part"_s }, QDir::Files, QDir::Name);
    EXPECT_EQ(leftovers.size(), 2 + 3) << leftovers.join(u' ').toStdString();
    // Time passes: the dropped uploads are old now, except one still running.
    for (const QString& name : leftovers) {
        QFile file(t.centralPath(name));
        if (!name.contains(u"frisch"_s) && file.open(QIODevice::ReadWrite))
            file.setFileTime(hourAgo, QFileDevice::FileModificationTime);
    }

    t.restart();
    ASSERT_TRUE(t.login());
    EXPECT_EQ(QDir(t.centralPath(u""_s)).entryList({ kMonth + u"*.part"_s }, QDir::Files),
        QStringList({ kMonth + u".frisch.part"_s }));
}

void RenameRefused(FaultMatrix& t)
{
    ASSERT_TRUE(t.login());
    t.enterDay(24, u"Messe"_s);
    QDir().mkpath(t.centralPath(kMonth));
    EXPECT_TRUE(t.logoutSaving());
    EXPECT_TRUE(t.saidSomething(u"Upload nicht möglich!"_s));
    QDir(t.centralPath(kMonth)).removeRecursively();
    t.restart();
    ASSERT_TRUE(t.login());
}

void TwoFailedUploadsThenSuccess(FaultMatrix& t)
{
    t.startCentral(Records(1, 23, u"Zentral"_s));
    ASSERT_TRUE(t.login());
    t.enterDay(24, u"Messe"_s);
    t.ftp->failNextUploads(2);
    EXPECT_TRUE(t.logoutSaving());
    EXPECT_TRUE(t.messenger.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(t.personalPath(PendingUpload::MarkerName(kMonth))));
}

// The log-in itself fails: nothing local or central is touched.
void RefusedLogIn(FaultMatrix& t, void (*fault)(FaultMatrix&), void (*mend)(FaultMatrix&))
{
    t.startCentral(Records(1, 23, u"Zentral"_s));
    t.root.write(u"docs/pelin/"_s + kMonth, FileOf(Records(1, 18, u"Lokal"_s)));
    t.entered = Records(1, 18, u"Lokal"_s);
    t.uploaded = false;
    fault(t);
    EXPECT_FALSE(t.login());
    EXPECT_FALSE(t.messenger.messages.isEmpty());
    mend(t);
}

const FaultCase kCases[] = {
    { "Ftp_DownloadDroppedWithoutLocalCopy", Mode::Ftp, [](FaultMatrix& t) { DroppedDownload(t, false); } },
    { "Ftp_DownloadDroppedWithOlderLocalCopy", Mode::Ftp, [](FaultMatrix& t) { DroppedDownload(t, true); } },
    { "Lan_CentralMonthUnreadable", Mode::Lan, LanCentralUnreadable },
    { "Ftp_AllUploadsRefused", Mode::Ftp,
        [](FaultMatrix& t) {
            RefusedUpload(
                t, [](FaultMatrix& m) { m.ftp->failNextUploads(3); }, NoFault);
        } },
    { "Ftp_ConnectionDroppedMidUpload", Mode::Ftp,
        [](FaultMatrix& t) {
            RefusedUpload(
                t, [](FaultMatrix& m) { m.ftp->dropTransfersAfter(1000); },
                [](FaultMatrix& m) { m.ftp->dropTransfersAfter(-1); });
        } },
    { "Ftp_ServerDownAtSave", Mode::Ftp,
        [](FaultMatrix& t) {
            RefusedUpload(
                t, [](FaultMatrix& m) { m.ftp->refuseLogins(true); },
                [](FaultMatrix& m) { m.ftp->refuseLogins(false); });
        } },
    { "Lan_TimeFolderUnreachableAtSave", Mode::Lan,
        [](FaultMatrix& t) {
            RefusedUpload(
                t, [](FaultMatrix& m) { m.hideTimeFolder(); }, [](FaultMatrix& m) { m.showTimeFolder(); });
        } },
    { "Lan_CentralChangedOnAnotherDay", Mode::Lan,
        [](FaultMatrix& t) { CentralChangedMeanwhile(t, false); } },
    { "Ftp_CentralChangedOnTheSameDay", Mode::Ftp, [](FaultMatrix& t) { CentralChangedMeanwhile(t, true); } },
    { "Lan_RecoveryCopyTakenOver", Mode::Lan, RecoveryTakenOver },
    { "Ftp_RecoveryCopyDeclined", Mode::Ftp, RecoveryDeclined },
    { "Lan_SaveQuestionClosedKeepsTheSession", Mode::Lan, SaveQuestionClosed },
    { "Ftp_DroppedUploadsLeaveOwnLeftovers", Mode::Ftp, DroppedUploadsLeaveOwnLeftovers },
    { "Ftp_RenameOfTheUploadRefused", Mode::Ftp, RenameRefused },
    { "Ftp_TwoFailedUploadsThenSuccess", Mode::Ftp, TwoFailedUploadsThenSuccess },
    { "Ftp_ServerDownAtLogIn", Mode::Ftp,
        [](FaultMatrix& t) {
            RefusedLogIn(
                t, [](FaultMatrix& m) { m.ftp->stop(); }, NoFault);
        } },
    { "Ftp_WrongPassword", Mode::Ftp,
        [](FaultMatrix& t) {
            RefusedLogIn(
                t, [](FaultMatrix& m) { m.settings.ftp.password = u"falsch"_s; }, NoFault);
        } },
    { "Lan_TimeFolderUnreachableAtLogIn", Mode::Lan,
        [](FaultMatrix& t) {
            RefusedLogIn(
                t, [](FaultMatrix& m) { m.hideTimeFolder(); }, [](FaultMatrix& m) { m.showTimeFolder(); });
        } },
};

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultMatrix, ::testing::ValuesIn(kCases), [](const auto& info) { return info.param.name; });

} // namespace
