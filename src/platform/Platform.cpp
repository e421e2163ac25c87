#include "platform/Platform.h"

#include "platform/Alerts.h"
#include "platform/Clock.h"
#include "platform/CrashReporter.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/PowerActions.h"
#include "platform/PowerAssertions.h"
#include "platform/RunLoop.h"
#include "platform/ScriptTasks.h"
#include "platform/Storyboard.h"
#include "platform/UpdateClient.h"
#include "platform/UserDefaults.h"

#include <QtGlobal>

namespace {

PlatformServices& current()
{
    static PlatformServices services;
    return services;
}

template<typename T> T& required(const std::shared_ptr<T>& service, const char* name)
{
    if (!service)
        qFatal("The platform service %s is not installed", name);
    return *service;
}

} // namespace

PlatformServices Platform::install(PlatformServices services)
{
    std::swap(current(), services);
    return services;
}

const PlatformServices& Platform::services()
{
    return current();
}

Clock& Platform::clock()
{
    return required(current().clock, "Clock");
}
RunLoop& Platform::runLoop()
{
    return required(current().runLoop, "RunLoop");
}
LogSink& Platform::log()
{
    return required(current().log, "Log");
}
UserDefaults& Platform::defaults()
{
    return required(current().defaults, "UserDefaults");
}
CrashReporter& Platform::crashReporter()
{
    return required(current().crashReporter, "CrashReporter");
}
UpdateClient& Platform::updateClient()
{
    return required(current().updateClient, "UpdateClient");
}
NotificationCenter& Platform::notificationCenter()
{
    return required(current().notificationCenter, "NotificationCenter");
}
PowerActions& Platform::powerActions()
{
    return required(current().powerActions, "PowerActions");
}
PowerAssertions& Platform::powerAssertions()
{
    return required(current().powerAssertions, "PowerAssertions");
}
ScriptTasks& Platform::scriptTasks()
{
    return required(current().scriptTasks, "ScriptTasks");
}
Alerts& Platform::alerts()
{
    return required(current().alerts, "Alerts");
}
Storyboard& Platform::storyboard()
{
    return required(current().storyboard, "Storyboard");
}
