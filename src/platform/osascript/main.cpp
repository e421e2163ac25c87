// quillet-osascript FILE: runs a script file of the command language in its own process.
// Exit status: 0 done, 1 syntax error, 2 runtime error, 64 bad usage, 66 FILE unreadable.
#include "platform/AppleScript.h"
#include "platform/LinuxPlatform.h"
#include "platform/Platform.h"
#include "platform/PlatformAppleScriptEnvironment.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

enum ExitStatus {
    Done = 0,
    SyntaxError = 1,
    RuntimeError = 2,
    Usage = 64, // EX_USAGE
    NoInput = 66, // EX_NOINPUT
};

void printError(const QString& message)
{
    std::fprintf(stderr, "quillet-osascript: %s\n", message.toUtf8().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2 || argv[1][0] == '\0') {
        std::fprintf(stderr, "%s\n",
            QCoreApplication::translate("quillet-osascript", "usage: quillet-osascript FILE")
                .toUtf8()
                .constData());
        return Usage;
    }
    const QString path = QFile::decodeName(argv[1]);
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        printError(QCoreApplication::translate("quillet-osascript", "%1: cannot read the file: %2")
                       .arg(path,
                           QFileInfo(path).isDir()
                               ? QCoreApplication::translate("quillet-osascript", "it is a folder")
                               : file.errorString()));
        return NoInput;
    }
    AppleScript script(QString::fromUtf8(file.readAll()));

    // Compiling needs no application object, so a broken script fails before any service starts.
    if (auto compiled = script.compile(); !compiled) {
        const AppleScriptSyntaxError& error = compiled.error();
        printError(QCoreApplication::translate("quillet-osascript", "%1:%2: syntax error: %3 (%4)")
                       .arg(path)
                       .arg(error.line)
                       .arg(error.message)
                       .arg(error.number));
        return SyntaxError;
    }

    // The notification backend falls back to a window of its own, which needs widgets; everything
    // else runs without a display.
    const auto& commands = script.commands();
    const bool notifies
        = std::any_of(commands.begin(), commands.end(), [](const AppleScriptCommand& command) {
              return command.kind == AppleScriptCommand::Kind::DisplayNotification;
          });
    std::unique_ptr<QCoreApplication> application = notifies ? std::make_unique<QApplication>(argc, argv)
                                                             : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillet-osascript"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vendane"));

    ScopedPlatform platform(LinuxPlatform::services());
    PlatformAppleScriptEnvironment environment;
    if (auto ran = script.execute(environment); !ran) {
        printError(QCoreApplication::translate("quillet-osascript", "%1: execution error: %2 (%3)")
                       .arg(path, ran.error().message)
                       .arg(ran.error().number));
        return RuntimeError;
    }
    return Done;
}
