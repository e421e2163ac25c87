#include "TestPlatform.h"
#include "platform/CrashReporter.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(JsonLinesCrashReporter, AppendsOneJsonLinePerErrorAndLogsIt)
{
    TestPlatform platform;
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("state/Quillet/errors.jsonl"));
    JsonLinesCrashReporter reporter(path);
    reporter.setUserIdentifier(QStringLiteral("INSTALLATION"));

    reporter.recordError({ QStringLiteral("TimerExecutionErrorDomain"), 0,
        { { QStringLiteral("name"), QStringLiteral("Sleep") }, { QStringLiteral("length"), QStringLiteral("600") } },
        {} });
    reporter.recordError({ QStringLiteral("ObjectStoreErrorDomain"), 3, {}, QStringLiteral("disk full") });

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3); // two lines and the final newline
    const QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_EQ(first.value(QStringLiteral("domain")).toString(), QStringLiteral("TimerExecutionErrorDomain"));
    EXPECT_EQ(first.value(QStringLiteral("code")).toInt(), 0);
    EXPECT_EQ(first.value(QStringLiteral("userInfo")).toObject().value(QStringLiteral("name")).toString(),
        QStringLiteral("Sleep"));
    EXPECT_EQ(first.value(QStringLiteral("user")).toString(), QStringLiteral("INSTALLATION"));
    EXPECT_EQ(QDateTime::fromString(first.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs), platform.now());
    EXPECT_EQ(QJsonDocument::fromJson(lines[1]).object().value(QStringLiteral("description")).toString(),
        QStringLiteral("disk full"));
    ASSERT_EQ(platform.log->system.size(), 2);
    EXPECT_TRUE(platform.log->system[1].contains(QStringLiteral("disk full")));
}

} // namespace
