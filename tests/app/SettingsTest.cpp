#include "app/Settings.h"

#include "TestPlatform.h"
#include "platform/DefaultsKeys.h"

#include <gtest/gtest.h>

namespace {

class FirstLaunchTest : public testing::Test
{
protected:
    UserDefaults& defaults() { return *platform.defaults; }

    TestPlatform platform;
};

TEST_F(FirstLaunchTest, CleanSystemGetsTheFirstLaunchValues)
{
    Settings::runFirstLaunchStep();

    EXPECT_EQ(defaults().get(DefaultsKeys::appIdentifier).size(), 36);
    EXPECT_TRUE(defaults().get(DefaultsKeys::NSApplicationCrashOnExceptions));
    EXPECT_EQ(defaults().get(DefaultsKeys::secondsBeforeNotification), 30);
    for (const auto& key : { DefaultsKeys::supressScriptSaveLocation, DefaultsKeys::scriptSaveLocationAlerted,
             DefaultsKeys::supressInterruptionWarning, DefaultsKeys::preventDisplaySleep,
             DefaultsKeys::updateClientBetaUpdates, DefaultsKeys::updateClientTestMode,
             DefaultsKeys::showStatusBarItem }) {
        EXPECT_TRUE(defaults().contains(key)) << key.name;
        EXPECT_FALSE(defaults().get(key)) << key.name;
    }
    EXPECT_FALSE(defaults().contains(DefaultsKeys::alreadyLaunched));
    EXPECT_FALSE(defaults().contains(DefaultsKeys::startAtLogin));
}

TEST_F(FirstLaunchTest, RepeatsUntilTheIntroductionIsFinishedButKeepsTheIdentifier)
{
    Settings::runFirstLaunchStep();
    const QString identifier = defaults().get(DefaultsKeys::appIdentifier);
    defaults().set(DefaultsKeys::secondsBeforeNotification, 60);

    Settings::runFirstLaunchStep();
    EXPECT_EQ(defaults().get(DefaultsKeys::secondsBeforeNotification), 30);
    EXPECT_EQ(defaults().get(DefaultsKeys::appIdentifier), identifier);

    defaults().set(DefaultsKeys::alreadyLaunched, true);
    defaults().set(DefaultsKeys::secondsBeforeNotification, 60);
    Settings::runFirstLaunchStep();
    EXPECT_EQ(defaults().get(DefaultsKeys::secondsBeforeNotification), 60);
}

TEST_F(FirstLaunchTest, ResetToFactorySettingsStartsOverWithANewIdentifier)
{
    Settings::runFirstLaunchStep();
    defaults().set(DefaultsKeys::alreadyLaunched, true);
    defaults().set(DefaultsKeys::startAtLogin, true);
    const QString identifier = defaults().get(DefaultsKeys::appIdentifier);

    Settings::resetToFactorySettings();
    EXPECT_TRUE(defaults().allKeys().isEmpty());
    EXPECT_FALSE(defaults().get(DefaultsKeys::startAtLogin));

    Settings::runFirstLaunchStep();
    EXPECT_NE(defaults().get(DefaultsKeys::appIdentifier), identifier);
    EXPECT_EQ(defaults().get(DefaultsKeys::secondsBeforeNotification), 30);
}

} // namespace
