// The main of every test program. It refuses to run unless the system bus is the private bus of the
// test run, so that no test can ever reach the real logind, and it gives each program its own
// temporary XDG folders so that no test touches the user's files.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

bool onlyListsTests(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (onlyListsTests(argc, argv)) {
        testing::InitGoogleTest(&argc, argv);
        return RUN_ALL_TESTS();
    }

    const QByteArray session = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray system = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    if (session.isEmpty() || system != session) {
        std::fprintf(stderr,
            "Refusing to run: the tests need a private bus that also stands in for the system bus\n"
            "(DBUS_SYSTEM_BUS_ADDRESS must equal DBUS_SESSION_BUS_ADDRESS). Run them with `make test`.\n");
        return 2;
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Calendar cases are written for one zone; the machine's own must not change them.
    qputenv("TZ", "Europe/Berlin");
    tzset();

    QTemporaryDir home;
    for (const char* variable : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME" }) {
        const QString folder = home.filePath(QString::fromLatin1(variable));
        qputenv(variable, folder.toLocal8Bit());
    }
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("QUILLET_DRY_RUN", "1");

    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
