#pragma once

#include "platform/PlatformError.h"

#include <QString>

class QObject;

// The crash and usage reporting client: the calls Quillet makes on it.
class CrashReporter
{
public:
    virtual ~CrashReporter();

    virtual void start() = 0;
    // The application delegate; Linux has no callbacks to deliver to it.
    virtual void setDelegate(QObject* delegate) = 0;
    virtual void setUserIdentifier(const QString& identifier) = 0;
    virtual void recordError(const PlatformError& error) = 0;
};

// Records each error as one JSON line (domain, code, user info, time) in the error log, and in the
// system log.
class JsonLinesCrashReporter final : public CrashReporter
{
public:
    explicit JsonLinesCrashReporter(QString filePath);

    void start() override;
    void setDelegate(QObject* delegate) override;
    void setUserIdentifier(const QString& identifier) override;
    void recordError(const PlatformError& error) override;

    QString filePath() const { return m_filePath; }

private:
    QString m_filePath;
    QString m_userIdentifier;
};
