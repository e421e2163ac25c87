#include "platform/DBusPowerAssertions.h"

#include "FakeServices.h"
#include "TestPlatform.h"

#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::Contains;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::UnorderedElementsAreArray;

namespace {

const QString systemName = QStringLiteral("Quillet prevents system sleep because of running timer.");
const QString displayName = QStringLiteral("Quillet prevents display sleep because of running timer.");

struct InhibitCase
{
    const char* desktop;
    QStringList flags;
    PowerAssertionType type;
    std::vector<std::string> held; // what the fake holds while the assertion is taken
};

void PrintTo(const InhibitCase& c, std::ostream* os)
{
    *os << c.desktop
        << (c.type == PowerAssertionType::PreventUserIdleSystemSleep ? ", system sleep" : ", display sleep");
}

class PowerAssertionInhibitors : public testing::TestWithParam<InhibitCase>
{ };

TEST_P(PowerAssertionInhibitors, TakesTheDesktopsInhibitorsAndReleasesThemAll)
{
    const InhibitCase& c = GetParam();
    TestPlatform platform;
    FakeServices fake(c.flags);
    ASSERT_TRUE(fake.ready());
    DBusPowerAssertions assertions(fake.connection(), fake.connection());
    const QString name = c.type == PowerAssertionType::PreventUserIdleSystemSleep ? systemName : displayName;

    const auto id = assertions.create(c.type, name);

    ASSERT_TRUE(id.has_value());
    EXPECT_NE(*id, 0u);
    EXPECT_THAT(describe(fake.openInhibitors()), UnorderedElementsAreArray(c.held));
    // Every inhibitor carries the engine's reason, so that the desktop can show it.
    for (const RecordedCall& call : fake.calls(QStringLiteral("Inhibit")))
        EXPECT_THAT(call.arguments, Contains(QStringLiteral("s ") + name)) << call.toString().toStdString();

    EXPECT_TRUE(assertions.release(*id));
    EXPECT_THAT(describe(fake.openInhibitors()), IsEmpty());
    EXPECT_FALSE(assertions.release(*id));
}

const auto systemSleep = PowerAssertionType::PreventUserIdleSystemSleep;
const auto displaySleep = PowerAssertionType::PreventUserIdleDisplaySleep;

INSTANTIATE_TEST_SUITE_P(Desktops, PowerAssertionInhibitors,
    testing::Values(InhibitCase { "KDE", { "--logind", "--power-management", "--screensaver" }, systemSleep,
                        { "logind idle block", "powermanagement" } },
        InhibitCase { "GNOME", { "--logind", "--gnome" }, systemSleep, { "logind idle block", "gnome 4" } },
        InhibitCase { "logind only", { "--logind" }, systemSleep, { "logind idle block" } },
        InhibitCase { "no logind", { "--power-management" }, systemSleep, { "powermanagement" } },
        InhibitCase {
            "KDE", { "--logind", "--power-management", "--screensaver" }, displaySleep, { "screensaver" } },
        InhibitCase { "screen saver at /ScreenSaver", { "--screensaver", "--screensaver-path=/ScreenSaver" },
            displaySleep, { "screensaver" } },
        InhibitCase { "GNOME", { "--logind", "--gnome" }, displaySleep, { "gnome 8" } }));

// An idle lock only: a sleep or shutdown lock would also hold off a lid-close suspend and
// Quillet's own Sleep action.
TEST(DBusPowerAssertions, TakesOnlyAnIdleLockOfLogind)
{
    TestPlatform platform;
    FakeServices fake({ QStringLiteral("--logind") });
    ASSERT_TRUE(fake.ready());
    DBusPowerAssertions assertions(fake.connection(), fake.connection());

    ASSERT_TRUE(assertions.create(systemSleep, systemName));
    ASSERT_TRUE(assertions.create(displaySleep, displayName) == std::nullopt);

    EXPECT_THAT(describe(fake.calls()),
        ElementsAre("/org/freedesktop/login1 org.freedesktop.login1.Manager.Inhibit(s idle, s Quillet, s "
            + systemName.toStdString() + ", s block)"));
}

TEST(DBusPowerAssertions, EachIdReleasesOnlyWhatItsCreateTook)
{
    TestPlatform platform;
    FakeServices fake({ QStringLiteral("--logind"), QStringLiteral("--power-management") });
    ASSERT_TRUE(fake.ready());
    DBusPowerAssertions assertions(fake.connection(), fake.connection());

    const auto first = assertions.create(systemSleep, systemName);
    const auto second = assertions.create(systemSleep, systemName);
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);

    EXPECT_TRUE(assertions.release(*first));
    EXPECT_THAT(describe(fake.openInhibitors()),
        UnorderedElementsAreArray({ "logind idle block", "powermanagement" }));
    EXPECT_TRUE(assertions.release(*second));
    EXPECT_THAT(describe(fake.openInhibitors()), IsEmpty());
}

TEST(DBusPowerAssertions, WithoutAnyServiceGivesNoIdAndReleasesNothing)
{
    TestPlatform platform;
    FakeServices fake({});
    ASSERT_TRUE(fake.ready());
    DBusPowerAssertions assertions(fake.connection(), fake.connection());

    EXPECT_EQ(assertions.create(systemSleep, systemName), std::nullopt);
    EXPECT_EQ(assertions.create(displaySleep, displayName), std::nullopt);
    EXPECT_FALSE(assertions.release(1));
    // Services that are not on the bus are not even called.
    EXPECT_THAT(describe(fake.calls()), IsEmpty());
}

TEST(DBusPowerAssertions, ReleaseFailsWhenEveryReleaseCallFails)
{
    TestPlatform platform;
    FakeServices fake({ QStringLiteral("--screensaver") });
    ASSERT_TRUE(fake.ready());
    DBusPowerAssertions assertions(fake.connection(), fake.connection());
    const auto id = assertions.create(displaySleep, displayName);
    ASSERT_TRUE(id);

    fake.stop();

    EXPECT_FALSE(assertions.release(*id));
    EXPECT_THAT(describe(platform.log->system), ElementsAre(HasSubstr("UnInhibit")));
}

TEST(DBusPowerAssertions, LetsGoOfEverythingWhenDestroyed)
{
    TestPlatform platform;
    FakeServices fake({ QStringLiteral("--logind"), QStringLiteral("--gnome") });
    ASSERT_TRUE(fake.ready());
    {
        DBusPowerAssertions assertions(fake.connection(), fake.connection());
        ASSERT_TRUE(assertions.create(systemSleep, systemName));
        ASSERT_TRUE(assertions.create(displaySleep, displayName));
        ASSERT_EQ(fake.openInhibitors().size(), 3);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return fake.openInhibitors().isEmpty(); }, 10000))
        << testing::PrintToString(describe(fake.openInhibitors()));
}

TEST(DBusPowerAssertions, DeclaresUserActivityToTheScreenSaver)
{
    TestPlatform platform;
    FakeServices fake({ QStringLiteral("--screensaver") });
    ASSERT_TRUE(fake.ready());
    DBusPowerAssertions assertions(fake.connection(), fake.connection());

    assertions.declareUserActivity(QStringLiteral("Quillet: Waking for executing"));

    EXPECT_TRUE(fake.waitForCalls(QStringLiteral("SimulateUserActivity")));
}

} // namespace
