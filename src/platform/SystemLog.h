#pragma once

#include "platform/Log.h"

// Standard output, and the system log through syslog(3), which lands in the journal.
class SystemLog final : public LogSink
{
public:
    SystemLog();
    ~SystemLog() override;

    void standardOutput(const QString& message) override;
    void systemLog(const QString& message) override;
};
