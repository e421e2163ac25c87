#pragma once

#include "platform/ScriptTasks.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <map>
#include <memory>
#include <sys/types.h>

class QSocketNotifier;

// Runs a script file as a process of its own, in its own process group, so that it outlives
// Quillet and a terminal's interrupt does not reach it: .bash through /bin/bash, .scpt through the
// quillet-osascript helper (QUILLET_OSASCRIPT overrides where it is), a .workflow bundle through
// its executable "run". Nobody waits for it; when it ends, its exit status goes to the system log.
class ProcessScriptTasks final : public QObject, public ScriptTasks
{
    Q_OBJECT

public:
    ProcessScriptTasks();
    ~ProcessScriptTasks() override;

    Expected<void, PlatformError> execute(const QString& filePath) override;

    // The error codes of the PlatformErrors that execute() gives, in the domain errorDomain().
    enum ErrorCode {
        UnreadableFile = 1,
        UnknownKind = 2,
        MissingRunner = 3,
        SpawnFailed = 4,
    };
    static QString errorDomain();

private:
    struct Child
    {
        QString filePath;
        int pidfd = -1;
        std::unique_ptr<QSocketNotifier> notifier;
    };

    Expected<QStringList, PlatformError> commandFor(const QString& filePath) const;
    Expected<pid_t, PlatformError> spawn(const QStringList& command, const QString& filePath) const;
    void watch(pid_t pid, const QString& filePath);
    void reapFinished();
    bool reap(pid_t pid);

    std::map<pid_t, Child> m_children;
    QTimer m_pollTimer; // only where pidfd_open is unavailable
};
