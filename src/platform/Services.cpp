#include "platform/Alerts.h"
#include "platform/NotificationCenter.h"
#include "platform/PowerActions.h"
#include "platform/PowerAssertions.h"
#include "platform/ScriptTasks.h"
#include "platform/Storyboard.h"

NotificationCenter::~NotificationCenter() = default;
PowerActions::~PowerActions() = default;
PowerAssertions::~PowerAssertions() = default;
ScriptTasks::~ScriptTasks() = default;
Alert::~Alert() = default;
Alerts::~Alerts() = default;
StoryboardController::~StoryboardController() = default;

QString powerActionName(PowerAction action)
{
    switch (action) {
    case PowerAction::ShutDown:
        return QStringLiteral("shut down");
    case PowerAction::Restart:
        return QStringLiteral("restart");
    case PowerAction::Sleep:
        return QStringLiteral("sleep");
    case PowerAction::LogOut:
        return QStringLiteral("log out");
    }
    return {};
}

void Storyboard::registerController(const QString& identifier, Factory factory)
{
    m_factories.insert(identifier, std::move(factory));
}

std::unique_ptr<StoryboardController> Storyboard::instantiateController(const QString& identifier) const
{
    const auto it = m_factories.constFind(identifier);
    if (it == m_factories.constEnd())
        return nullptr;
    return (*it)();
}
