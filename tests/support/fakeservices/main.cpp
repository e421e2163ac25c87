// Fakes of the desktop's D-Bus services for the tests: logind, a notification server, the screen
// saver, power management and the session managers of three desktops. It answers on the bus it is
// started on, records every call and offers a control interface (FakeServicesControl::service()).
#include "FakeDesktop.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnectionInterface>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);

    QCommandLineParser parser;
    parser.addOptions({
        { QStringLiteral("logind"), QStringLiteral("Play logind.") },
        { QStringLiteral("logind-refuses"), QStringLiteral("Play a logind that refuses every call.") },
        { QStringLiteral("notifications"), QStringLiteral("Play a notification server with actions.") },
        { QStringLiteral("notifications-without-actions"),
            QStringLiteral("Play a notification server without the actions capability.") },
        { QStringLiteral("screensaver"), QStringLiteral("Play the screen saver.") },
        { QStringLiteral("screensaver-path"), QStringLiteral("The screen saver's object path."),
            QStringLiteral("path") },
        { QStringLiteral("power-management"), QStringLiteral("Play the power manager's inhibitor.") },
        { QStringLiteral("gnome"), QStringLiteral("Play the GNOME session manager.") },
        { QStringLiteral("kde"), QStringLiteral("Play the KDE shutdown service.") },
        { QStringLiteral("xfce"), QStringLiteral("Play the Xfce session manager.") },
    });
    parser.process(application);

    FakeDesktopOptions options;
    options.logind = parser.isSet(QStringLiteral("logind")) || parser.isSet(QStringLiteral("logind-refuses"));
    options.logindRefuses = parser.isSet(QStringLiteral("logind-refuses"));
    options.notifications = parser.isSet(QStringLiteral("notifications"))
        || parser.isSet(QStringLiteral("notifications-without-actions"));
    options.notificationActions = !parser.isSet(QStringLiteral("notifications-without-actions"));
    options.screenSaver = parser.isSet(QStringLiteral("screensaver"));
    if (parser.isSet(QStringLiteral("screensaver-path")))
        options.screenSaverPath = parser.value(QStringLiteral("screensaver-path"));
    options.powerManagement = parser.isSet(QStringLiteral("power-management"));
    options.gnome = parser.isSet(QStringLiteral("gnome"));
    options.kde = parser.isSet(QStringLiteral("kde"));
    options.xfce = parser.isSet(QStringLiteral("xfce"));

    QDBusConnection connection = QDBusConnection::sessionBus();
    if (!connection.isConnected()) {
        std::fprintf(stderr, "quillet-fake-services: no bus\n");
        return 1;
    }
    FakeDesktop desktop(options, connection);
    if (!connection.registerVirtualObject(QStringLiteral("/"), &desktop, QDBusConnection::SubPath)) {
        std::fprintf(stderr, "quillet-fake-services: cannot register the objects\n");
        return 1;
    }
    for (const QString& service : desktop.services()) {
        const auto reply = connection.interface()->registerService(service,
            QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
        if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
            std::fprintf(stderr, "quillet-fake-services: cannot own %s\n", qPrintable(service));
            return 1;
        }
    }
    return application.exec();
}
