#include "platform/ProcessScriptTasks.h"

#include "platform/Bundle.h"
#include "platform/Log.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int pollInterval = 2000;

PlatformError scriptError(
    ProcessScriptTasks::ErrorCode code, const QString& description, const QString& filePath)
{
    return { ProcessScriptTasks::errorDomain(), int(code), { { QStringLiteral("path"), filePath } },
        description };
}

QString translate(const char* text)
{
    return QCoreApplication::translate("ProcessScriptTasks", text);
}

int openPidfd(pid_t pid)
{
#ifdef SYS_pidfd_open
    return int(::syscall(SYS_pidfd_open, pid, 0));
#else
    Q_UNUSED(pid);
    errno = ENOSYS;
    return -1;
#endif
}

QString describeStatus(int status)
{
    if (WIFEXITED(status))
        return QStringLiteral("ended with exit status %1").arg(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return QStringLiteral("was ended by signal %1").arg(WTERMSIG(status));
    return QStringLiteral("ended with wait status %1").arg(status);
}

} // namespace

QString ProcessScriptTasks::errorDomain()
{
    return QStringLiteral("com.Vendane.Quillet.ScriptTasks");
}

ProcessScriptTasks::ProcessScriptTasks()
{
    m_pollTimer.setInterval(pollInterval);
    connect(&m_pollTimer, &QTimer::timeout, this, &ProcessScriptTasks::reapFinished);
}

ProcessScriptTasks::~ProcessScriptTasks()
{
    // The scripts go on running; only their watchers end.
    for (auto& [pid, child] : m_children) {
        child.notifier.reset();
        if (child.pidfd >= 0)
            ::close(child.pidfd);
    }
}

Expected<void, PlatformError> ProcessScriptTasks::execute(const QString& filePath)
{
    auto command = commandFor(filePath);
    if (!command)
        return unexpected(command.error());
    const auto pid = spawn(*command, filePath);
    if (!pid)
        return unexpected(pid.error());
    watch(*pid, filePath);
    return {};
}

Expected<QStringList, PlatformError> ProcessScriptTasks::commandFor(const QString& filePath) const
{
    const QFileInfo file(filePath);
    if (!file.exists() || !file.isReadable()) {
        return unexpected(scriptError(UnreadableFile,
            translate("The script “%1” does not exist or cannot be read.").arg(file.fileName()), filePath));
    }
    const QString path = file.absoluteFilePath();
    const QString suffix = file.suffix();

    if (suffix == QLatin1String("bash") && file.isFile())
        return QStringList { QStringLiteral("/bin/bash"), path };

    if (suffix == QLatin1String("scpt") && file.isFile()) {
        QString helper = qEnvironmentVariable("QUILLET_OSASCRIPT");
        if (helper.isEmpty())
            helper = Bundle::executableDirectory() + QStringLiteral("/quillet-osascript");
        if (!QFileInfo(helper).isExecutable()) {
            return unexpected(scriptError(MissingRunner,
                translate("The script “%1” cannot run: its interpreter %2 is missing.")
                    .arg(file.fileName(), helper),
                filePath));
        }
        return QStringList { helper, path };
    }

    if (suffix == QLatin1String("workflow") && file.isDir()) {
        const QFileInfo run(path + QStringLiteral("/run"));
        if (!run.isFile() || !run.isExecutable()) {
            return unexpected(scriptError(MissingRunner,
                translate("The workflow “%1” cannot run: it has no executable “run” inside.")
                    .arg(file.fileName()),
                filePath));
        }
        return QStringList { run.absoluteFilePath() };
    }

    return unexpected(scriptError(UnknownKind,
        translate("The script “%1” cannot run: Quillet runs .bash and .scpt files and .workflow bundles.")
            .arg(file.fileName()),
        filePath));
}

Expected<pid_t, PlatformError> ProcessScriptTasks::spawn(
    const QStringList& command, const QString& filePath) const
{
    std::vector<QByteArray> encoded;
    for (const QString& argument : command)
        encoded.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own process group: a Ctrl-C at Quillet's terminal or the end of Quillet's group spares it.
    posix_spawnattr_setpgroup(&attributes, 0);
    // The bus library ignores SIGPIPE, and ignored signals would pass on to the script.
    sigset_t noSignals;
    sigemptyset(&noSignals);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    sigset_t allSignals;
    sigfillset(&allSignals);
    posix_spawnattr_setsigdefault(&attributes, &allSignals);
    posix_spawnattr_setflags(
        &attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);

    pid_t pid = 0;
    const int result = posix_spawn(&pid, argv.front(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (result != 0) {
        return unexpected(scriptError(SpawnFailed,
            translate("The script “%1” could not be started: %2")
                .arg(QFileInfo(filePath).fileName(), QString::fromLocal8Bit(std::strerror(result))),
            filePath));
    }
    return pid;
}

void ProcessScriptTasks::watch(pid_t pid, const QString& filePath)
{
    Child& child = m_children[pid];
    child.filePath = filePath;
    child.pidfd = openPidfd(pid);
    if (child.pidfd < 0) {
        m_pollTimer.start();
        return;
    }
    ::fcntl(child.pidfd, F_SETFD, FD_CLOEXEC);
    // A pidfd becomes readable when its process ends.
    child.notifier = std::make_unique<QSocketNotifier>(child.pidfd, QSocketNotifier::Read);
    connect(child.notifier.get(), &QSocketNotifier::activated, this, [this, pid] { reap(pid); });
}

void ProcessScriptTasks::reapFinished()
{
    std::vector<pid_t> polled;
    for (const auto& [pid, child] : m_children) {
        if (child.pidfd < 0)
            polled.push_back(pid);
    }
    for (const pid_t pid : polled)
        reap(pid);
    const bool stillPolling = std::any_of(
        m_children.begin(), m_children.end(), [](const auto& entry) { return entry.second.pidfd < 0; });
    if (!stillPolling)
        m_pollTimer.stop();
}

bool ProcessScriptTasks::reap(pid_t pid)
{
    int status = 0;
    pid_t result;
    do {
        result = ::waitpid(pid, &status, WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result == 0)
        return false;

    const auto it = m_children.find(pid);
    if (it == m_children.end())
        return true;
    if (result == pid)
        Log::system(QStringLiteral("Script %1 (pid %2) %3")
                        .arg(it->second.filePath)
                        .arg(pid)
                        .arg(describeStatus(status)));
    else
        Log::system(QStringLiteral("Script %1 (pid %2) ended; its status is unknown")
                        .arg(it->second.filePath)
                        .arg(pid));
    Child child = std::move(it->second);
    m_children.erase(it);
    if (child.notifier) {
        child.notifier->setEnabled(false);
        // We may be inside its activated() signal.
        child.notifier.release()->deleteLater();
    }
    if (child.pidfd >= 0)
        ::close(child.pidfd);
    return true;
}
