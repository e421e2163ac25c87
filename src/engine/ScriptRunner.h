#pragma once

#include "platform/Expected.h"
#include "platform/PlatformError.h"

#include <QString>

enum class AppleScriptError {
    syntaxError = 100,
    unavailableScript = 101,
    unexpectedError = 102,
};

// As the platform's error object: its code is the raw value.
PlatformError toPlatformError(AppleScriptError error);

// Compiles and runs AppleScript source, and runs script files. The two compile operations work on the
// runner's source; the two run operations ignore it.
class ScriptRunner
{
public:
    static const QString userActivityName;

    explicit ScriptRunner(QString source = {})
        : m_source(std::move(source))
    { }

    Expected<void, AppleScriptError> buildAndReturnError() const;
    // The formatted source as rich text.
    Expected<QString, AppleScriptError> buildAndReturnStringAndReturnError() const;
    // Starts the file as a script task of its own and returns at once.
    Expected<void, PlatformError> buildAndRunAtURL(const QString& filePath) const;
    // Runs the source to its end on this thread; its result and errors are ignored.
    void buildAndRunWithContents(const QString& source) const;

private:
    QString m_source;
};
