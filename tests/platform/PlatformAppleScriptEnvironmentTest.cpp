#include "platform/PlatformAppleScriptEnvironment.h"

#include "TestPlatform.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;

namespace {

// The shell is a real /bin/sh child process; the other services are the test platform's fakes.
class PlatformAppleScriptEnvironmentTest : public testing::Test
{
protected:
    TestPlatform platform;
    PlatformAppleScriptEnvironment environment;
    QTemporaryDir folder;
};

TEST_F(PlatformAppleScriptEnvironmentTest, ShellRunsTheCommandAndReturnsItsOutput)
{
    const QString file = folder.filePath(QStringLiteral("it's here.txt"));
    AppleScript script(QStringLiteral("do shell script \"printf 'written' > \\\"$QUILLET_TEST_FILE\\\"\""));
    qputenv("QUILLET_TEST_FILE", file.toUtf8());
    EXPECT_TRUE(script.execute(environment));
    qunsetenv("QUILLET_TEST_FILE");
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("written"));

    // Only the final newline goes; stdin is empty rather than inherited.
    const auto output
        = environment.runShell(QStringLiteral("cat; printf 'a\\n\\nb\\n\\n'; echo ignored >&2"));
    ASSERT_TRUE(output);
    EXPECT_EQ(*output, QStringLiteral("a\n\nb\n"));
}

TEST_F(PlatformAppleScriptEnvironmentTest, NonZeroExitFailsWithStandardErrorAndStatus)
{
    const auto failed
        = environment.runShell(QStringLiteral("echo partial; echo 'it went wrong' >&2; exit 3"));
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().message, QStringLiteral("it went wrong"));
    EXPECT_EQ(failed.error().number, 3);

    const auto silent = environment.runShell(QStringLiteral("false"));
    ASSERT_FALSE(silent);
    EXPECT_EQ(silent.error().number, 1);
    EXPECT_FALSE(silent.error().message.isEmpty());
}

TEST_F(PlatformAppleScriptEnvironmentTest, ReachesThePlatformServices)
{
    AppleScript script(QStringLiteral("tell application \"System Events\"\n"
                                      "\tsleep\n"
                                      "\tdisplay notification \"Backup done\"\n"
                                      "\tdisplay notification \"Disk full\" with title \"Backup\"\n"
                                      "\tlog \"ran\"\n"
                                      "\tlog out\n"
                                      "end tell"));
    EXPECT_TRUE(script.execute(environment));

    EXPECT_THAT(platform.powerActions->performed, ElementsAre(PowerAction::Sleep, PowerAction::LogOut));
    ASSERT_EQ(platform.notifications->delivered.size(), 2u);
    const UserNotificationContent& untitled = platform.notifications->delivered[0].second;
    EXPECT_EQ(untitled.title, QStringLiteral("Quillet"));
    EXPECT_EQ(untitled.informativeText, QStringLiteral("Backup done"));
    EXPECT_TRUE(untitled.actionButtonTitle.isEmpty());
    const UserNotificationContent& titled = platform.notifications->delivered[1].second;
    EXPECT_EQ(titled.title, QStringLiteral("Backup"));
    EXPECT_EQ(titled.informativeText, QStringLiteral("Disk full"));
    EXPECT_THAT(platform.log->out, ElementsAre(QStringLiteral("ran")));
}

} // namespace
