#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The real program, offscreen and in dry run, with folders of its own: it opens its first window,
// stays up, and leaves the first-launch settings behind.
TEST(QuilletBinary, StaysUpAndWritesTheFirstLaunchSettings)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME" })
        environment.insert(QLatin1String(variable), home.filePath(QLatin1String(variable)));
    environment.insert(QStringLiteral("QUILLET_DRY_RUN"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess quillet;
    quillet.setProcessEnvironment(environment);
    quillet.setProcessChannelMode(QProcess::MergedChannels);
    quillet.start(QStringLiteral(QUILLET_BINARY), {});
    ASSERT_TRUE(quillet.waitForStarted(10000));

    // The settings file is the last thing written before the first window; give the program time to
    // get there, then check that it is still running.
    QByteArray output;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            output += quillet.readAll();
            return output.contains("Quillet ") || quillet.state() != QProcess::Running;
        },
        20000));
    // The first window opens after that line; from then on the program waits for its user.
    EXPECT_FALSE(quillet.waitForFinished(1000)) << output.constData() << quillet.readAll().constData();
    EXPECT_EQ(quillet.state(), QProcess::Running);

    QSettings settings(home.filePath(QStringLiteral("XDG_CONFIG_HOME/Vendane/Quillet.conf")), QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("secondsBeforeNotification")).toInt(), 30);
    EXPECT_EQ(settings.value(QStringLiteral("showStatusBarItem")).toString(), QStringLiteral("false"));
    EXPECT_EQ(settings.value(QStringLiteral("appIdentifier")).toString().size(), 36);
    EXPECT_FALSE(settings.contains(QStringLiteral("alreadyLaunched")));
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("XDG_DATA_HOME/Quillet/default.sqlite"))));

    quillet.terminate();
    if (!quillet.waitForFinished(5000))
        quillet.kill();
}

} // namespace
