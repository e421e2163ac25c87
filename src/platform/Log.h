#pragma once

#include <QString>

// The two outputs of Quillet: the process's standard output and the system log.
class LogSink
{
public:
    virtual ~LogSink();
    virtual void standardOutput(const QString& message) = 0;
    virtual void systemLog(const QString& message) = 0;
};

namespace Log {

// Writes to the platform's standard output.
void out(const QString& message);
// Writes to the platform's system log.
void system(const QString& message);

} // namespace Log
