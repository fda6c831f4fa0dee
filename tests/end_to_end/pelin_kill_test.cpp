#include "tests/end_to_end/provided_firm.h"
#include "tests/support/record_audit.h"

#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <random>

using namespace Qt::StringLiterals;

// PELIN's save killed at random moments (a fixed seed): the local and the
// central copy of the month always parse, keep every record saved before
// and hold the changed day as one of the versions that was saved.
namespace {

constexpr int kRuns = 20;
constexpr int kMostWaitMs = 60;

class KilledPelinSave : public ::testing::Test, public ProvidedFirm {
protected:
    void SetUp() override
    {
        provide();
        std::unique_ptr<LoginSession> pelin = startPelin();
        ASSERT_TRUE(pelin->login(u"sommer"_s, {}).loggedIn) << pelinMessenger.all.join(u'|').toStdString();
        for (int day : { 13, 14 })
            pelin->state().currentMonth.storeDay(day, { {}, u"08"_s, u"00"_s, u"16"_s, u"30"_s, u"Messe"_s },
                { { u"20230315"_s, u"00800"_s, u"P100"_s } }, kToday);
        pelin->state().changes.dataChanged();
        ASSERT_TRUE(pelin->saveAndUpload());
        saved = ReadMonthRecords(local()).value_or(MonthRecords());
        ASSERT_TRUE(saved.contains(u"az202303134711"_s));
    }

    QString local() const { return root.path(u"docs/pelin/az2023034711.kvd"_s); }
    QString central() const { return root.path(u"zeit/az2023034711.kvd"_s); }

    void killSavingAfter(int milliseconds)
    {
        QProcess process;
        process.start(QString::fromUtf8(PELIN_SAVE_LOOP),
            { root.path(u"prog"_s), root.path(u"docs"_s), root.path(u"desktop"_s), u"sommer"_s });
        ASSERT_TRUE(process.waitForReadyRead(30000)) << process.readAllStandardError().toStdString();
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        process.kill();
        process.waitForFinished(30000);
    }

    // Day 13 as saved before; day 14 as saved before or by any run.
    void expectWhole(const QString& path, int run) const
    {
        const std::optional<MonthRecords> records = ReadMonthRecords(path);
        ASSERT_TRUE(records) << "run " << run << ": " << path.toStdString();
        static const QRegularExpression changed(u"^\\d{8}08001630-{16}(Messe|Lauf\\d+)$"_s);
        for (auto it = saved.begin(); it != saved.end(); ++it) {
            const QString now = records->value(it.key());
            if (it.key() == u"az202303144711")
                EXPECT_TRUE(changed.match(now).hasMatch()) << "run " << run << ": " << now.toStdString();
            else
                EXPECT_EQ(now, it.value()) << "run " << run << ": " << it.key().toStdString();
        }
    }

    MonthRecords saved;
};

} // namespace

TEST_F(KilledPelinSave, EveryCopyOfTheMonthStaysWhole)
{
    std::mt19937 random(16);
    for (int run = 0; run < kRuns; ++run) {
        killSavingAfter(std::uniform_int_distribution<int>(0, kMostWaitMs)(random));
        expectWhole(local(), run);
        expectWhole(central(), run);
    }
    // The loop really saved: the day holds a version of a killed run.
    EXPECT_TRUE(ReadMonthRecords(central())->value(u"az202303144711"_s).contains(u"Lauf"_s));
}
