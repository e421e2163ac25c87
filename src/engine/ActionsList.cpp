#include "engine/ActionsList.h"

#include "engine/TimerError.h"
#include "persistence/ScriptsModel.h"
#include "platform/Bundle.h"
#include "platform/Log.h"

#include <QCoreApplication>

std::optional<ActionsList> ActionsList::fromActionCode(int code, const QString& scriptId)
{
    switch (code) {
    case 0:
        return ShutDown();
    case 1:
        return Restart();
    case 2:
        return Sleep();
    case 3:
        return LogOut();
    case 4:
        return Script(scriptId);
    default:
        return std::nullopt;
    }
}

int ActionsList::actionCode() const
{
    switch (m_case) {
    case Case::ShutDown:
        return 0;
    case Case::Restart:
        return 1;
    case Case::Sleep:
        return 2;
    case Case::LogOut:
        return 3;
    case Case::Script:
        return 4;
    }
    return -1;
}

QString ActionsList::caseName() const
{
    switch (m_case) {
    case Case::Script:
        return QStringLiteral("Script");
    case Case::ShutDown:
        return QStringLiteral("ShutDown");
    case Case::Restart:
        return QStringLiteral("Restart");
    case Case::Sleep:
        return QStringLiteral("Sleep");
    case Case::LogOut:
        return QStringLiteral("LogOut");
    }
    return {};
}

QString ActionsList::displayName() const
{
    switch (m_case) {
    case Case::ShutDown:
        return QCoreApplication::translate("ActionsList", "Shutdown", "Action description");
    case Case::Restart:
        return QCoreApplication::translate("ActionsList", "Restart", "Action description");
    case Case::Sleep:
        return QCoreApplication::translate("ActionsList", "Sleep", "Action description");
    case Case::LogOut:
        return QCoreApplication::translate("ActionsList", "Log Out", "Action description");
    case Case::Script:
        break;
    }
    if (auto model = ScriptsModel::make()) {
        if (const std::optional<Scripts> script = model->get(m_scriptId))
            return script->name.section(QLatin1Char('.'), 0, 0);
    }
    return QCoreApplication::translate("ActionsList", "Script", "Action description");
}

ActionCommand ActionsList::command() const
{
    auto systemEvents = [](const char* command) {
        return ActionCommand { ActionCommand::Kind::Source,
            QStringLiteral("tell application \"System Events\" to %1").arg(QLatin1String(command)), {} };
    };
    switch (m_case) {
    case Case::ShutDown:
        return systemEvents("shut down");
    case Case::Restart:
        return systemEvents("restart");
    case Case::Sleep:
        return systemEvents("sleep");
    case Case::LogOut:
        return systemEvents("log out");
    case Case::Script:
        break;
    }
    auto model = ScriptsModel::make();
    if (!model) {
        Log::out(model.error().localizedDescription());
        return {};
    }
    const std::optional<Scripts> script = model->get(m_scriptId);
    if (!script) {
        Log::out(TimerError::NonexistentAction().localizedDescription());
        return {};
    }
    return { ActionCommand::Kind::File, {}, Bundle::scriptsDirectory() + QLatin1Char('/') + script->name };
}
