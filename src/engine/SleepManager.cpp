#include "engine/SleepManager.h"

#include "platform/DefaultsKeys.h"
#include "platform/Platform.h"

const QString SleepManager::displayAssertionName
    = QStringLiteral("Quillet prevents display sleep because of running timer.");
const QString SleepManager::systemAssertionName
    = QStringLiteral("Quillet prevents system sleep because of running timer.");

QString sleepManagerErrorDescription(SleepManagerError error)
{
    switch (error) {
    case SleepManagerError::failedSetting:
        return QStringLiteral("The sleep assertion could not be set (SleepManagerError 401).");
    case SleepManagerError::failedReleasing:
        return QStringLiteral("The sleep assertion could not be released (SleepManagerError 402).");
    }
    return {};
}

Expected<void, SleepManagerError> SleepManager::preventSleep(bool displayOnly)
{
    PowerAssertions& assertions = Platform::powerAssertions();
    if (Platform::defaults().get(DefaultsKeys::preventDisplaySleep)) {
        const auto id
            = assertions.create(PowerAssertionType::PreventUserIdleDisplaySleep, displayAssertionName);
        if (!id)
            return unexpected(SleepManagerError::failedSetting);
        m_displaySleepID = *id;
        m_held.display.push_back(*id);
    }
    if (displayOnly)
        return {};
    const auto id = assertions.create(PowerAssertionType::PreventUserIdleSystemSleep, systemAssertionName);
    if (!id)
        return unexpected(SleepManagerError::failedSetting);
    m_systemSleepID = *id;
    m_held.system.push_back(*id);
    return {};
}

Expected<void, SleepManagerError> SleepManager::allowSleep(bool displayOnly)
{
    Assertions released;
    released.display = std::exchange(m_held.display, {});
    if (!displayOnly)
        released.system = std::exchange(m_held.system, {});
    return release(std::move(released));
}

SleepManager::Assertions SleepManager::takeAssertions()
{
    return std::exchange(m_held, {});
}

Expected<void, SleepManagerError> SleepManager::release(Assertions assertions)
{
    // Display first; a refused release does not keep the others from being released.
    bool refused = false;
    for (const auto& ids : { assertions.display, assertions.system }) {
        for (PowerAssertions::Id id : ids)
            refused |= !Platform::powerAssertions().release(id);
    }
    if (refused)
        return unexpected(SleepManagerError::failedReleasing);
    return {};
}
