#include "engine/TimerError.h"

#include "engine/Action.h"

QString TimerError::localizedDescription() const
{
    switch (kind) {
    case Case::InvalidDate:
        return QStringLiteral("Invalid Date: %1.")
            .arg(date ? date->toString(Qt::ISODateWithMs) : QStringLiteral("nil"));
    case Case::InvalidAction:
        return QStringLiteral("Invalid Action: %1.")
            .arg(action ? action->description() : QStringLiteral("nil"));
    case Case::NonexistentAction:
        return QStringLiteral("Nonexistent Action selected.");
    case Case::UndefinedTimer:
        return QStringLiteral("Timer is not set.");
    }
    return {};
}
