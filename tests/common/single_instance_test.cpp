#include "common/single_instance.h"
#include "tests/support/temp_folder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SingleInstance, SecondHolderIsRefusedUntilTheFirstEnds)
{
    TempFolder runtime;
    {
        SingleInstance first(u"PELIN"_s, runtime.path());
        ASSERT_TRUE(first.tryAcquire());
        SingleInstance second(u"PELIN"_s, runtime.path());
        EXPECT_FALSE(second.tryAcquire());
        SingleInstance other(u"KORAV"_s, runtime.path());
        EXPECT_TRUE(other.tryAcquire()) << "each program has a lock of its own";
    }
    SingleInstance later(u"PELIN"_s, runtime.path());
    EXPECT_TRUE(later.tryAcquire());
}

TEST(SingleInstance, SecondStartCallsTheHolder)
{
    TempFolder runtime;
    SingleInstance first(u"PELIN"_s, runtime.path());
    ASSERT_TRUE(first.tryAcquire());
    int calls = 0;
    QObject::connect(&first, &SingleInstance::startedAgain, [&calls] { ++calls; });

    SingleInstance second(u"PELIN"_s, runtime.path());
    ASSERT_FALSE(second.tryAcquire());
    EXPECT_TRUE(second.callRunning());
    QDeadlineTimer deadline(5000);
    while (calls == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(calls, 1);
}

TEST(SingleInstance, CallWithoutHolderFails)
{
    TempFolder runtime;
    SingleInstance alone(u"PELIN"_s, runtime.path());
    EXPECT_FALSE(alone.callRunning()) << "the caller then says that the program runs";
}

TEST(SingleInstance, SocketLeftByAKilledHolderIsTakenOver)
{
    TempFolder runtime;
    QFile stale(QDir(runtime.path()).filePath(u"PELIN.socket"_s));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance holder(u"PELIN"_s, runtime.path());
    ASSERT_TRUE(holder.tryAcquire());
    SingleInstance second(u"PELIN"_s, runtime.path());
    EXPECT_TRUE(second.callRunning());
}
