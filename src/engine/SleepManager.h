#pragma once

#include "platform/Expected.h"
#include "platform/PowerAssertions.h"

#include <QString>

#include <vector>

enum class SleepManagerError {
    failedSetting = 401,
    failedReleasing = 402,
};

QString sleepManagerErrorDescription(SleepManagerError error);

// Takes and releases the power assertions of one timer. It keeps every assertion it took until it is
// released, so none is left behind when a timer is scheduled again before an earlier release ran.
class SleepManager
{
public:
    struct Assertions
    {
        std::vector<PowerAssertions::Id> display;
        std::vector<PowerAssertions::Id> system;

        bool empty() const { return display.empty() && system.empty(); }
    };

    static const QString displayAssertionName;
    static const QString systemAssertionName;

    // Takes the display assertion when the setting preventDisplaySleep is on, then, unless displayOnly,
    // the system assertion.
    Expected<void, SleepManagerError> preventSleep(bool displayOnly);
    // Releases the display assertions held, then, unless displayOnly, the system assertions held.
    Expected<void, SleepManagerError> allowSleep(bool displayOnly);

    // Hands over what is held now, for a release later that must not touch what is taken after it.
    Assertions takeAssertions();
    static Expected<void, SleepManagerError> release(Assertions assertions);

    // The ids last taken of each kind; 0 before the first.
    PowerAssertions::Id displaySleepID() const { return m_displaySleepID; }
    PowerAssertions::Id systemSleepID() const { return m_systemSleepID; }
    const Assertions& held() const { return m_held; }

private:
    PowerAssertions::Id m_displaySleepID = 0;
    PowerAssertions::Id m_systemSleepID = 0;
    Assertions m_held;
};
