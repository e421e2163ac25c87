#pragma once

#include <QString>

#include <optional>

enum class PowerAssertionType {
    PreventUserIdleDisplaySleep,
    PreventUserIdleSystemSleep,
};

// Assertions that keep the machine or the display from idle sleep, by ids of Quillet's own.
class PowerAssertions
{
public:
    using Id = quint32;

    virtual ~PowerAssertions();

    // The id of the new assertion, never 0; none when no service took it.
    virtual std::optional<Id> create(PowerAssertionType type, const QString& name) = 0;
    // False when the id is unknown or the service refused.
    virtual bool release(Id id) = 0;
    // Wakes a sleeping display, best effort.
    virtual void declareUserActivity(const QString& name) = 0;
};
