#pragma once

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class Action;

// Why a timer could not be scheduled.
struct TimerError
{
    enum class Case {
        InvalidDate,
        InvalidAction,
        NonexistentAction,
        UndefinedTimer,
    };

    static TimerError InvalidDate(std::optional<QDateTime> date)
    {
        return { Case::InvalidDate, std::move(date), {} };
    }
    static TimerError InvalidAction(std::shared_ptr<Action> action)
    {
        return { Case::InvalidAction, std::nullopt, std::move(action) };
    }
    static TimerError NonexistentAction() { return { Case::NonexistentAction, std::nullopt, {} }; }
    static TimerError UndefinedTimer() { return { Case::UndefinedTimer, std::nullopt, {} }; }

    Case kind = Case::UndefinedTimer;
    std::optional<QDateTime> date;
    std::shared_ptr<Action> action;

    QString localizedDescription() const;
};
