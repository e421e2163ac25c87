#include "platform/SystemLog.h"

#include <cstdio>
#include <syslog.h>

SystemLog::SystemLog()
{
    openlog("Quillet", LOG_PID, LOG_USER);
}

SystemLog::~SystemLog()
{
    closelog();
}

void SystemLog::standardOutput(const QString& message)
{
    const QByteArray line = message.toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void SystemLog::systemLog(const QString& message)
{
    syslog(LOG_NOTICE, "%s", message.toUtf8().constData());
}
