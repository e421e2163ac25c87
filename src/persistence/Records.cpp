#include "persistence/Records.h"

#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/Uuid.h"

Base::Base()
    : id(Uuid::string())
    , created(Platform::clock().now())
{ }

SchedulerCache::SchedulerCache()
    : startedAt(created)
    , executeAt(created)
{ }

Timers::Timers()
    : startedAt(created)
    , executeAt(created)
{ }
