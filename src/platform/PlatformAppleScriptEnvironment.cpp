#include "platform/PlatformAppleScriptEnvironment.h"

#include "platform/Bundle.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>

#include <algorithm>

namespace {

QString withoutFinalNewline(QString text)
{
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

} // namespace

void PlatformAppleScriptEnvironment::performPowerAction(PowerAction action)
{
    Platform::powerActions().perform(action);
}

Expected<QString, AppleScriptRunError> PlatformAppleScriptEnvironment::runShell(const QString& command)
{
    QProcess shell;
    shell.setStandardInputFile(QProcess::nullDevice());
    shell.start(QStringLiteral("/bin/sh"), { QStringLiteral("-c"), command });
    if (!shell.waitForStarted(-1)) {
        return unexpected(AppleScriptRunError {
            QCoreApplication::translate("AppleScript", "The shell could not be started: %1")
                .arg(shell.errorString()),
            AppleScriptErrorNumber::ShellFailed });
    }
    shell.waitForFinished(-1);
    const QString output = withoutFinalNewline(QString::fromUtf8(shell.readAllStandardOutput()));
    const QString errors = withoutFinalNewline(QString::fromUtf8(shell.readAllStandardError()));
    if (shell.exitStatus() != QProcess::NormalExit) {
        return unexpected(AppleScriptRunError { errors.isEmpty()
                ? QCoreApplication::translate("AppleScript", "The shell was ended by a signal.")
                : errors,
            AppleScriptErrorNumber::ShellFailed });
    }
    if (shell.exitCode() != 0) {
        return unexpected(AppleScriptRunError { errors.isEmpty()
                ? QCoreApplication::translate("AppleScript", "The command exited with status %1.")
                      .arg(shell.exitCode())
                : errors,
            shell.exitCode() });
    }
    return output;
}

void PlatformAppleScriptEnvironment::displayNotification(const QString& text, const QString& title)
{
    Platform::notificationCenter().deliver({ title.isEmpty() ? Bundle::name() : title, text, {} });
}

void PlatformAppleScriptEnvironment::delay(double seconds)
{
    // In steps, so that a delay of any length neither overflows nor ends early.
    while (seconds > 0) {
        const double step = std::min(seconds, 3600.0);
        QThread::usleep(static_cast<unsigned long>(step * 1e6));
        seconds -= step;
    }
}

void PlatformAppleScriptEnvironment::log(const QString& text)
{
    Log::out(text);
}
