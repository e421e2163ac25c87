#pragma once

#include "platform/Expected.h"
#include "platform/PlatformError.h"

#include <QString>

// Runs a user script file as a process of its own, not waited for. The kind is taken from the
// file: .bash, .scpt, or a .workflow bundle. Fails when the kind cannot run or the process
// cannot be started.
class ScriptTasks
{
public:
    virtual ~ScriptTasks();
    virtual Expected<void, PlatformError> execute(const QString& filePath) = 0;
};
