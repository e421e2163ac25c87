#pragma once

#include "engine/ActionsList.h"
#include "platform/RunLoop.h"

#include <QString>

#include <memory>
#include <optional>

// The link from an armed action back to the timer that armed it.
class ActionDelegate
{
public:
    virtual ~ActionDelegate();
    virtual void actionDidShedule() = 0;
    virtual void actionDidStop() = 0;
};

// The action a running timer has armed.
class Action
{
public:
    // Nothing when there is no action kind.
    static std::shared_ptr<Action> make(const std::optional<ActionsList>& action);

    explicit Action(ActionsList action);

    QString id;
    ActionsList action;
    std::optional<int> offset;
    std::optional<int> index;
    std::unique_ptr<RunLoopTimer> scheduledTimer;
    std::weak_ptr<ActionDelegate> delegate;

    // Cancels and clears the scheduled timer.
    void cancelScheduledTimer();
    // "Action(<id>, <kind>)", for error texts.
    QString description() const;
};
