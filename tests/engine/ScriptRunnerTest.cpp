#include "engine/ScriptRunner.h"

#include "TestPlatform.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;

namespace {

TEST(ScriptRunner, CompileReportsSyntaxErrorsAndGivesTheFormattedSource)
{
    TestPlatform platform;
    EXPECT_TRUE(
        ScriptRunner(QStringLiteral("tell application \"System Events\" to sleep")).buildAndReturnError());
    auto broken = ScriptRunner(QStringLiteral("tell application \"System Events\" to")).buildAndReturnError();
    ASSERT_FALSE(broken);
    EXPECT_EQ(broken.error(), AppleScriptError::syntaxError);
    EXPECT_EQ(toPlatformError(broken.error()).code, 100);

    auto formatted = ScriptRunner(QStringLiteral("log   \"hi\"")).buildAndReturnStringAndReturnError();
    ASSERT_TRUE(formatted);
    EXPECT_TRUE(formatted->contains(QStringLiteral("hi")));
    EXPECT_FALSE(ScriptRunner(QStringLiteral("log")).buildAndReturnStringAndReturnError());
}

TEST(ScriptRunner, RunningSourceRunsItsCommandAndIgnoresErrors)
{
    TestPlatform platform;
    ScriptRunner().buildAndRunWithContents(QStringLiteral("tell application \"System Events\" to log out"));
    ScriptRunner().buildAndRunWithContents(QStringLiteral("this is not a script"));
    EXPECT_THAT(platform.powerActions->performed, ElementsAre(PowerAction::LogOut));
    EXPECT_THAT(platform.powerAssertions->userActivity,
        ElementsAre(ScriptRunner::userActivityName, ScriptRunner::userActivityName));
}

TEST(ScriptRunner, DeletedScriptFileIsUnavailableAfterWakingTheDisplay)
{
    TestPlatform platform;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Backup.bash"));
    QFile(path).open(QIODevice::WriteOnly);
    ASSERT_TRUE(ScriptRunner().buildAndRunAtURL(path));
    EXPECT_THAT(platform.scriptTasks->executed, ElementsAre(path));

    QFile::remove(path);
    auto ran = ScriptRunner().buildAndRunAtURL(path);
    ASSERT_FALSE(ran);
    EXPECT_EQ(ran.error().code, int(AppleScriptError::unavailableScript));
    EXPECT_EQ(platform.powerAssertions->userActivity.size(), 2);

    QFile(path).open(QIODevice::WriteOnly);
    platform.scriptTasks->failWith
        = PlatformError { QStringLiteral("ScriptTasks"), 1, {}, QStringLiteral("no") };
    EXPECT_EQ(ScriptRunner().buildAndRunAtURL(path).error().description, QStringLiteral("no"));
}

} // namespace
