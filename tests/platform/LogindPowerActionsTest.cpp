#include "platform/LogindPowerActions.h"

#include "FakeServices.h"
#include "TestPlatform.h"
#include "platform/LinuxPlatform.h"

#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

namespace {

struct RouteCase
{
    const char* desktop;
    QStringList flags;
    PowerAction action;
    const char* call;
};

void PrintTo(const RouteCase& c, std::ostream* os)
{
    *os << c.desktop << ", " << powerActionName(c.action).toStdString();
}

class PowerActionRoute : public testing::TestWithParam<RouteCase>
{ };

// Each action makes exactly one call, to the service of the desktop that is running.
TEST_P(PowerActionRoute, MakesTheOneCallOfTheDesktop)
{
    const RouteCase& c = GetParam();
    TestPlatform platform;
    FakeServices fake(c.flags);
    ASSERT_TRUE(fake.ready());
    LogindPowerActions actions(fake.connection(), fake.connection());

    actions.perform(c.action);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !fake.calls().empty(); }, 10000));
    EXPECT_THAT(describe(fake.calls()), ElementsAre(c.call));
    EXPECT_THAT(describe(platform.log->system), IsEmpty());
}

const QStringList logind { QStringLiteral("--logind") };

INSTANTIATE_TEST_SUITE_P(Desktops, PowerActionRoute,
    testing::Values(RouteCase { "any", logind, PowerAction::ShutDown,
                        "/org/freedesktop/login1 org.freedesktop.login1.Manager.PowerOff(b true)" },
        RouteCase { "any", logind, PowerAction::Restart,
            "/org/freedesktop/login1 org.freedesktop.login1.Manager.Reboot(b true)" },
        RouteCase { "any", logind, PowerAction::Sleep,
            "/org/freedesktop/login1 org.freedesktop.login1.Manager.Suspend(b true)" },
        RouteCase { "GNOME", logind + QStringList { QStringLiteral("--gnome") }, PowerAction::LogOut,
            "/org/gnome/SessionManager org.gnome.SessionManager.Logout(u 1)" },
        RouteCase { "KDE", logind + QStringList { QStringLiteral("--kde") }, PowerAction::LogOut,
            "/Shutdown org.kde.Shutdown.logout()" },
        RouteCase { "Xfce", logind + QStringList { QStringLiteral("--xfce") }, PowerAction::LogOut,
            "/org/xfce/SessionManager org.xfce.Session.Manager.Logout(b false, b true)" },
        RouteCase { "no session manager", logind, PowerAction::LogOut,
            "/org/freedesktop/login1/session/auto org.freedesktop.login1.Session.Terminate()" }));

// A refusing or missing logind is only logged: the caller hears nothing and the program goes on.
TEST(LogindPowerActions, LogsAFailedCall)
{
    struct Case
    {
        QStringList flags;
        const char* error;
    };
    for (const Case& c :
        { Case { { QStringLiteral("--logind-refuses") }, "AccessDenied" }, Case { {}, "ServiceUnknown" } }) {
        SCOPED_TRACE(c.error);
        TestPlatform platform;
        FakeServices fake(c.flags);
        ASSERT_TRUE(fake.ready());
        LogindPowerActions actions(fake.connection(), fake.connection());

        actions.perform(PowerAction::ShutDown);

        ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.log->system.isEmpty(); }, 10000));
        EXPECT_THAT(describe(platform.log->system),
            ElementsAre(testing::AllOf(HasSubstr("Could not shut down"), HasSubstr(c.error))));
        EXPECT_THAT(describe(platform.log->out), IsEmpty());
    }
}

TEST(LinuxPlatform, DryRunLogsEachPowerActionAndPerformsNothing)
{
    ASSERT_EQ(qgetenv("QUILLET_DRY_RUN"), "1");
    TestPlatform platform;
    const PlatformServices services = LinuxPlatform::services();

    for (const auto action :
        { PowerAction::ShutDown, PowerAction::Restart, PowerAction::Sleep, PowerAction::LogOut })
        services.powerActions->perform(action);

    const auto lines
        = ElementsAre("dry run: shut down", "dry run: restart", "dry run: sleep", "dry run: log out");
    EXPECT_THAT(describe(platform.log->out), lines);
    EXPECT_THAT(describe(platform.log->system), lines);
    ASSERT_EQ(platform.notifications->delivered.size(), 4u);
    EXPECT_EQ(platform.notifications->delivered[2].second.informativeText,
        QStringLiteral("Dry run: Quillet would sleep now."));
}

} // namespace
