#pragma once

#include <QDateTime>

// The current moment, in local time. Everything reads time through the platform's clock so that
// tests can run on virtual time.
class Clock
{
public:
    virtual ~Clock();
    virtual QDateTime now() const = 0;
};
