#include "common/start_checks.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(StartChecks, HelpAndVersionAnswerWithoutStarting)
{
    const QString usage = u"Aufruf"_s;
    const QString version = u"PELIN 1.0"_s;
    EXPECT_EQ(StartChecks::AnswerOnly({ u"pelin"_s, u"--help"_s }, usage, version), usage);
    EXPECT_EQ(StartChecks::AnswerOnly({ u"pelin"_s, u"-h"_s }, usage, version), usage);
    EXPECT_EQ(StartChecks::AnswerOnly({ u"pelin"_s, u"--version"_s }, usage, version), version);
    EXPECT_FALSE(StartChecks::AnswerOnly({ u"pelin"_s }, usage, version));
    EXPECT_FALSE(StartChecks::AnswerOnly({ u"pelin"_s, u"korav"_s }, usage, version))
        << "KORAV starts PELIN with its own word";
    EXPECT_FALSE(StartChecks::AnswerOnly({ u"--help"_s }, usage, version)) << "the program name is no option";
}

TEST(StartChecks, DisplayComesFromPlatformOrDisplayVariables)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray x = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("QT_QPA_PLATFORM");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    EXPECT_FALSE(StartChecks::DisplayAvailable());
    EXPECT_TRUE(StartChecks::NoDisplayText(u"PELIN"_s).startsWith(u"PELIN: Keine grafische Anzeige"_s));
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_TRUE(StartChecks::DisplayAvailable());
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("DISPLAY", ":0");
    EXPECT_TRUE(StartChecks::DisplayAvailable());
    qunsetenv("DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EXPECT_TRUE(StartChecks::DisplayAvailable());
    for (const auto& [name, value] : { std::pair { "QT_QPA_PLATFORM", platform }, std::pair { "DISPLAY", x },
             std::pair { "WAYLAND_DISPLAY", wayland } }) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
}
