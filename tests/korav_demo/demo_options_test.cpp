#include "common/clock.h"
#include "korav/demo/demo_command.h"
#include "korav/demo/demo_options.h"
#include "tests/support/scripted_messenger.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(DemoOptionsTest, ReadsEveryOption)
{
    const std::optional<DemoOptions> options = ParseDemoOptions({ u"/tmp/demo"_s, u"--employees"_s, u"12"_s,
        u"--months"_s, u"4"_s, u"--seed"_s, u"77"_s, u"--until"_s, u"2025-11"_s });
    ASSERT_TRUE(options);
    EXPECT_EQ(options->request.folder, u"/tmp/demo"_s);
    EXPECT_EQ(options->request.employees, 12);
    EXPECT_EQ(options->request.months, 4);
    EXPECT_EQ(options->request.seed, 77u);
    EXPECT_EQ(options->until, QDate(2025, 11, 1));
}

TEST(DemoOptionsTest, DefaultsWithoutOptions)
{
    const std::optional<DemoOptions> options = ParseDemoOptions({ u"demo"_s });
    ASSERT_TRUE(options);
    EXPECT_EQ(options->request.employees, 5);
    EXPECT_EQ(options->request.months, 3);
    EXPECT_EQ(options->request.seed, kDefaultDemoSeed);
    EXPECT_FALSE(options->until.isValid());
}

TEST(DemoOptionsTest, WrongUsageExitsWithTwo)
{
    const QList<QStringList> cases = {
        {},
        { u"--months"_s, u"2"_s },
        { u"a"_s, u"b"_s },
        { u"a"_s, u"--months"_s },
        { u"a"_s, u"--months"_s, u"0"_s },
        { u"a"_s, u"--employees"_s, u"zwei"_s },
        { u"a"_s, u"--seed"_s, u"-1"_s },
        { u"a"_s, u"--until"_s, u"2025-13"_s },
        { u"a"_s, u"--until"_s, u"2025-1"_s },
        { u"a"_s, u"--jahre"_s, u"2"_s },
    };
    const FixedClock clock(QDate(2026, 3, 10));
    for (const QStringList& arguments : cases) {
        ScriptedMessenger messenger;
        EXPECT_EQ(RunDemoCommand(arguments, messenger, clock), 2) << arguments.join(u' ').toStdString();
        ASSERT_EQ(messenger.messages.size(), 1);
        EXPECT_TRUE(messenger.messages.first().startsWith(u"Aufruf: korav demo ORDNER"_s));
    }
}

} // namespace
