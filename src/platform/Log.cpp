#include "platform/Log.h"

#include "platform/Platform.h"

LogSink::~LogSink() = default;

void Log::out(const QString& message)
{
    Platform::log().standardOutput(message);
}

void Log::system(const QString& message)
{
    Platform::log().systemLog(message);
}
