#include "platform/ProcessScriptTasks.h"

#include "FakeServices.h"
#include "TestPlatform.h"
#include "platform/DBusPowerAssertions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using testing::Contains;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;

namespace {

class ProcessScriptTasksTest : public testing::Test
{
protected:
    QString path(const QString& name) const { return directory.filePath(name); }

    // A script that ends by moving its output into place, so that a waiting test never reads half of it.
    QString writeScript(const QString& name, const QString& body, bool executable = false) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/bash\n" + body.toUtf8() + '\n');
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFile::ExeOwner);
        return file.fileName();
    }

    QString writeOutput(const QString& command) const
    {
        return QStringLiteral("{ %1; } > '%2.tmp' && mv '%2.tmp' '%2'")
            .arg(command, path(QStringLiteral("output")));
    }

    // The script's output, once it has written it.
    std::optional<QString> waitForOutput() const
    {
        QFile output(path(QStringLiteral("output")));
        if (!QTest::qWaitFor([&] { return output.exists(); }, 10000) || !output.open(QIODevice::ReadOnly))
            return std::nullopt;
        return QString::fromUtf8(output.readAll()).trimmed();
    }

    TestPlatform platform;
    QTemporaryDir directory;
    ProcessScriptTasks tasks;
};

TEST_F(ProcessScriptTasksTest, RunsABashScriptInItsOwnProcessGroupAndLogsItsExitStatus)
{
    const QString script = writeScript(QStringLiteral("Report.bash"),
        writeOutput(QStringLiteral("read -r pid _ _ _ group _ < /proc/$$/stat; echo $pid $group"))
            + "\nexit 3");

    ASSERT_TRUE(tasks.execute(script));

    const auto output = waitForOutput();
    ASSERT_TRUE(output);
    const QStringList ids = output->split(QLatin1Char(' '));
    ASSERT_EQ(ids.size(), 2) << output->toStdString();
    EXPECT_EQ(ids[0], ids[1]) << "the script leads a process group of its own";
    EXPECT_NE(ids[1].toInt(), int(::getpgrp()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.log->system.isEmpty(); }, 10000));
    EXPECT_THAT(describe(platform.log->system),
        ElementsAre(testing::AllOf(HasSubstr(script.toStdString()), HasSubstr("exit status 3"))));
}

TEST_F(ProcessScriptTasksTest, RunsAnAppleScriptThroughTheHelper)
{
    const QString helper
        = writeScript(QStringLiteral("osascript"), writeOutput(QStringLiteral("echo \"$@\"")), true);
    qputenv("QUILLET_OSASCRIPT", helper.toLocal8Bit());
    const QString script = path(QStringLiteral("Say.scpt"));
    QFile(script).open(QIODevice::WriteOnly);

    const auto result = tasks.execute(script);
    qunsetenv("QUILLET_OSASCRIPT");

    ASSERT_TRUE(result) << result.error().localizedDescription().toStdString();
    EXPECT_EQ(waitForOutput(), script);
}

TEST_F(ProcessScriptTasksTest, RunsAWorkflowThroughItsRunExecutable)
{
    QDir(directory.path()).mkdir(QStringLiteral("Backup.workflow"));
    writeScript(
        QStringLiteral("Backup.workflow/run"), writeOutput(QStringLiteral("echo workflow ran")), true);

    const auto result = tasks.execute(path(QStringLiteral("Backup.workflow")));

    ASSERT_TRUE(result) << result.error().localizedDescription().toStdString();
    EXPECT_EQ(waitForOutput(), QStringLiteral("workflow ran"));
}

TEST_F(ProcessScriptTasksTest, RefusesWhatCannotRun)
{
    QFile(path(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
    QFile(path(QStringLiteral("Folder.bash"))).open(QIODevice::WriteOnly);
    QDir(directory.path()).mkdir(QStringLiteral("Empty.workflow"));
    QDir(directory.path()).mkdir(QStringLiteral("Plain.workflow"));
    writeScript(QStringLiteral("Plain.workflow/run"), QStringLiteral("true"), false);
    QFile(path(QStringLiteral("Say.scpt"))).open(QIODevice::WriteOnly);
    qputenv("QUILLET_OSASCRIPT", path(QStringLiteral("missing-helper")).toLocal8Bit());

    struct Case
    {
        const char* file;
        ProcessScriptTasks::ErrorCode code;
    };
    for (const Case& c : { Case { "notes.txt", ProcessScriptTasks::UnknownKind },
             Case { "Gone.bash", ProcessScriptTasks::UnreadableFile },
             Case { "Empty.workflow", ProcessScriptTasks::MissingRunner },
             Case { "Plain.workflow", ProcessScriptTasks::MissingRunner },
             Case { "Say.scpt", ProcessScriptTasks::MissingRunner } }) {
        SCOPED_TRACE(c.file);
        const auto result = tasks.execute(path(QString::fromLatin1(c.file)));
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error().domain, ProcessScriptTasks::errorDomain());
        EXPECT_EQ(result.error().code, int(c.code));
        EXPECT_THAT(result.error().localizedDescription().toStdString(), HasSubstr(c.file));
    }
    qunsetenv("QUILLET_OSASCRIPT");
}

// A script that inherited the logind lock would keep the machine awake after Quillet let go.
TEST_F(ProcessScriptTasksTest, ScriptsDoNotInheritTheInhibitorLock)
{
    FakeServices fake({ QStringLiteral("--logind") });
    ASSERT_TRUE(fake.ready());
    DBusPowerAssertions assertions(fake.connection(), fake.connection());
    ASSERT_TRUE(assertions.create(PowerAssertionType::PreventUserIdleSystemSleep, QStringLiteral("test")));
    const QStringList pipes = fake.inhibitorPipes();
    ASSERT_EQ(pipes.size(), 1);
    QStringList ours;
    for (const QString& fd :
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::System))
        ours << QFile::symLinkTarget(QStringLiteral("/proc/self/fd/") + fd).section(QLatin1Char('/'), -1);
    ASSERT_THAT(describe(ours), Contains(pipes[0].toStdString())) << "the test holds the lock";

    const QString script = writeScript(QStringLiteral("Fds.bash"),
        writeOutput(QStringLiteral("for fd in /proc/$$/fd/*; do readlink $fd || true; done")));
    ASSERT_TRUE(tasks.execute(script));

    const auto output = waitForOutput();
    ASSERT_TRUE(output);
    EXPECT_THAT(describe(output->split(QLatin1Char('\n'))), Not(Contains(pipes[0].toStdString())));
}

// Quillet quitting must not end a script that is still running.
TEST_F(ProcessScriptTasksTest, ScriptsOutliveTheirRunner)
{
    const QString fifo = path(QStringLiteral("go"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString script = writeScript(QStringLiteral("Wait.bash"),
        QStringLiteral("cat '%1' > /dev/null\n").arg(fifo) + writeOutput("echo done"));
    {
        ProcessScriptTasks runner;
        ASSERT_TRUE(runner.execute(script));
    }

    // Opening the pipe for writing succeeds only once the script is reading it.
    int go = -1;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (go = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK)) >= 0; },
        10000));
    ::close(go);
    EXPECT_EQ(waitForOutput(), QStringLiteral("done"));
}

} // namespace
