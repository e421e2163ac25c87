#include "platform/CrashReporter.h"

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

CrashReporter::~CrashReporter() = default;

JsonLinesCrashReporter::JsonLinesCrashReporter(QString filePath)
    : m_filePath(std::move(filePath))
{ }

void JsonLinesCrashReporter::start() { }

void JsonLinesCrashReporter::setDelegate(QObject*) { }

void JsonLinesCrashReporter::setUserIdentifier(const QString& identifier)
{
    m_userIdentifier = identifier;
}

void JsonLinesCrashReporter::recordError(const PlatformError& error)
{
    QJsonObject line {
        { QStringLiteral("time"), Platform::clock().now().toString(Qt::ISODateWithMs) },
        { QStringLiteral("domain"), error.domain },
        { QStringLiteral("code"), error.code },
        { QStringLiteral("userInfo"), QJsonObject::fromVariantMap(error.userInfo) },
    };
    if (!error.description.isEmpty())
        line.insert(QStringLiteral("description"), error.description);
    if (!m_userIdentifier.isEmpty())
        line.insert(QStringLiteral("user"), m_userIdentifier);
    const QByteArray json = QJsonDocument(line).toJson(QJsonDocument::Compact);

    Log::system(QStringLiteral("Error recorded: %1").arg(QString::fromUtf8(json)));

    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QFile file(m_filePath);
    if (!file.open(QIODevice::Append | QIODevice::Text)) {
        Log::system(
            QStringLiteral("The error log %1 cannot be written: %2").arg(m_filePath, file.errorString()));
        return;
    }
    file.write(json + '\n');
}
