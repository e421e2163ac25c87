// quillet-osascript end to end: the built helper runs as a child process, with the test
// program's dry-run setting and temporary XDG folders.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::HasSubstr;

namespace {

struct HelperRun
{
    int exitCode = -1;
    QString standardOutput;
    QString standardError;
};

HelperRun runHelper(const QStringList& arguments)
{
    QProcess helper;
    helper.start(QStringLiteral(QUILLET_OSASCRIPT_PATH), arguments);
    EXPECT_TRUE(helper.waitForFinished(60000));
    EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit);
    return { helper.exitCode(), QString::fromUtf8(helper.readAllStandardOutput()),
        QString::fromUtf8(helper.readAllStandardError()) };
}

class Osascript : public testing::Test
{
protected:
    QString writeScript(const QString& source)
    {
        const QString path = folder.filePath(QStringLiteral("script.scpt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(source.toUtf8());
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(Osascript, RunsTheScript)
{
    const QString target = folder.filePath(QStringLiteral("out.txt"));
    const QString script = writeScript(QStringLiteral("-- writes a file\n"
                                                      "tell application \"Finder\"\n"
                                                      "\tdo shell script \"printf 'Grüße' > '%1'\"\n"
                                                      "\tlog \"wrote it\"\n"
                                                      "end tell\n")
                                           .arg(target));
    const HelperRun run = runHelper({ script });
    EXPECT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    EXPECT_EQ(run.standardOutput, QStringLiteral("wrote it\n"));
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(written.readAll()), QStringLiteral("Grüße"));
}

TEST_F(Osascript, ExitStatusTellsWhatWentWrong)
{
    const struct
    {
        const char* name;
        std::optional<QString> source; // none: no file is written
        int exitCode;
        const char* message;
    } cases[] = {
        { "syntax error, with its line", QStringLiteral("log \"a\"\nlog 5\n"), 1,
            ":2: syntax error: Expected string but found “5”. (-2741)" },
        { "runtime error", QStringLiteral("log \"a\"\ndo shell script \"echo failed >&2; exit 4\""), 2,
            "execution error: failed (4)" },
        { "unreadable file", std::nullopt, 66, "cannot read the file" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path
            = c.source ? writeScript(*c.source) : folder.filePath(QStringLiteral("missing.scpt"));
        const HelperRun run = runHelper({ path });
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_THAT(run.standardError.toStdString(), HasSubstr(c.message));
    }
    EXPECT_EQ(runHelper({}).exitCode, 64);
    EXPECT_EQ(runHelper({ QStringLiteral("a"), QStringLiteral("b") }).exitCode, 64);
}

} // namespace
