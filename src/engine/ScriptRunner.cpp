#include "engine/ScriptRunner.h"

#include "platform/AppleScript.h"
#include "platform/Platform.h"
#include "platform/PlatformAppleScriptEnvironment.h"
#include "platform/PowerAssertions.h"
#include "platform/ScriptTasks.h"

#include <QFileInfo>

const QString ScriptRunner::userActivityName = QStringLiteral("Quillet: Waking for executing");

PlatformError toPlatformError(AppleScriptError error)
{
    QString description;
    switch (error) {
    case AppleScriptError::syntaxError:
        description = QStringLiteral("The script has a syntax error.");
        break;
    case AppleScriptError::unavailableScript:
        description = QStringLiteral("The script file is missing or cannot be read.");
        break;
    case AppleScriptError::unexpectedError:
        description = QStringLiteral("The script could not be compiled.");
        break;
    }
    return { QStringLiteral("AppleScriptError"), static_cast<int>(error), {}, description };
}

namespace {

Expected<AppleScript, AppleScriptError> compiled(const QString& source)
{
    AppleScript script(source);
    if (auto result = script.compile(); !result) {
        // Without a message and a number the failure is not the script's own.
        if (result.error().message.isEmpty())
            return unexpected(AppleScriptError::unexpectedError);
        return unexpected(AppleScriptError::syntaxError);
    }
    return script;
}

} // namespace

Expected<void, AppleScriptError> ScriptRunner::buildAndReturnError() const
{
    if (auto script = compiled(m_source); !script)
        return unexpected(script.error());
    return {};
}

Expected<QString, AppleScriptError> ScriptRunner::buildAndReturnStringAndReturnError() const
{
    auto script = compiled(m_source);
    if (!script)
        return unexpected(script.error());
    return script->richTextSource();
}

Expected<void, PlatformError> ScriptRunner::buildAndRunAtURL(const QString& filePath) const
{
    Platform::powerAssertions().declareUserActivity(userActivityName);
    if (!QFileInfo(filePath).isReadable())
        return unexpected(toPlatformError(AppleScriptError::unavailableScript));
    return Platform::scriptTasks().execute(filePath);
}

void ScriptRunner::buildAndRunWithContents(const QString& source) const
{
    Platform::powerAssertions().declareUserActivity(userActivityName);
    AppleScript script(source);
    PlatformAppleScriptEnvironment environment;
    (void)script.execute(environment);
}
