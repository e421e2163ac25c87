#include "engine/Action.h"

#include "platform/Uuid.h"

ActionDelegate::~ActionDelegate() = default;

std::shared_ptr<Action> Action::make(const std::optional<ActionsList>& action)
{
    if (!action)
        return nullptr;
    return std::make_shared<Action>(*action);
}

Action::Action(ActionsList action)
    : id(Uuid::string())
    , action(std::move(action))
{ }

void Action::cancelScheduledTimer()
{
    scheduledTimer.reset();
}

QString Action::description() const
{
    return QStringLiteral("Action(%1, %2)").arg(id, action.caseName());
}
