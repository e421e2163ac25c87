#include "Days.h"
#include "TimerWindowFixture.h"
#include "engine/UserNotification.h"
#include "persistence/ScriptsModel.h"

#include <QMenu>
#include <QToolButton>

#include <gmock/gmock.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

using TimerViewTest = TimerWindowTest;

TEST_F(TimerViewTest, NewCountdownWindowShowsZeroAndTheClockTimeAdvancingEachSecond)
{
    const Window window = open();
    EXPECT_TRUE(window.controller->window()->isVisible());
    EXPECT_EQ(picker(window), QStringLiteral("00:00:00"));
    EXPECT_EQ(modeLabel(window), QStringLiteral("At 12:00:00"));
    EXPECT_EQ(window.view->startButton()->text(), QStringLiteral("Start"));
    platform.advance(1);
    EXPECT_EQ(modeLabel(window), QStringLiteral("At 12:00:01"));

    type(window.view->timePicker(), QTime(0, 5, 0));
    EXPECT_EQ(picker(window), QStringLiteral("00:05:00"));
    platform.advance(1);
    EXPECT_EQ(modeLabel(window), QStringLiteral("At 12:05:02"));
}

// Stop keeps the time left in the picker, and Start runs for that time left.
TEST_F(TimerViewTest, CountdownShowsTheTimeLeftAndResumesFromItAfterStop)
{
    const Window window = open();
    type(window.view->timePicker(), QTime(0, 5, 0));
    chooseAction(window, 2);
    click(window.view->startButton());
    ASSERT_TRUE(window.timer->isRunning());
    EXPECT_EQ(window.view->startButton()->text(), QStringLiteral("Stop"));
    EXPECT_FALSE(window.controller->modeButton()->isEnabled());
    EXPECT_EQ(modeLabel(window), QStringLiteral("At 12:05:00"));

    platform.advance(60);
    EXPECT_EQ(picker(window), QStringLiteral("00:04:00"));
    click(window.view->startButton());
    EXPECT_FALSE(window.timer->isRunning());
    EXPECT_TRUE(window.controller->modeButton()->isEnabled());
    platform.advance(30);
    EXPECT_EQ(picker(window), QStringLiteral("00:04:00"));

    click(window.view->startButton());
    EXPECT_EQ(window.timer->executeAt(), platform.now().addSecs(240));
    platform.advance(240);
    EXPECT_THAT(platform.powerActions->performed, ElementsAre(PowerAction::Sleep));
    EXPECT_EQ(picker(window), QStringLiteral("00:00:00"));
    EXPECT_EQ(window.view->startButton()->text(), QStringLiteral("Start"));
}

TEST_F(TimerViewTest, AbsoluteTimeThatHasPassedRunsTomorrow)
{
    const Window window = open(TimerMode::Absolute);
    EXPECT_TRUE(window.view->timePicker()->keepAtCurrentDate());
    EXPECT_FALSE(window.view->modeLabel()->isEnabled());
    platform.advance(1);
    EXPECT_EQ(picker(window), QStringLiteral("12:00:01")); // follows the clock

    type(window.view->timePicker(), QTime(11, 0, 0));
    EXPECT_FALSE(window.view->timePicker()->keepAtCurrentDate());
    platform.advance(1);
    EXPECT_EQ(modeLabel(window), QStringLiteral("In 22:59:58"));

    chooseAction(window, 3);
    click(window.view->startButton());
    EXPECT_EQ(window.timer->executeAt(), at(QTime(11, 0, 0), 1));
    EXPECT_EQ(picker(window), QStringLiteral("11:00:00"));
}

struct DailyCase
{
    const char* name;
    std::vector<TimerDaily> days;
    QTime picked;
    int daysAhead;
};

void PrintTo(const DailyCase& c, std::ostream* os)
{
    *os << c.name;
}

class DailyTimerView : public TimerWindowTest, public testing::WithParamInterface<DailyCase>
{ };

TEST_P(DailyTimerView, StartsForTheNextSelectedDay)
{
    const DailyCase& c = GetParam();
    const Window window = open(TimerMode::Daily);
    EXPECT_TRUE(window.view->modeLabel()->isEnabled());
    window.timer->setDays(onlyDays(c.days));
    type(window.view->timePicker(), c.picked);
    chooseAction(window, 2);
    click(window.view->startButton());
    ASSERT_TRUE(window.timer->isRunning());
    EXPECT_EQ(window.timer->executeAt(), at(c.picked, c.daysAhead));
}

using enum TimerDaily;
INSTANTIATE_TEST_SUITE_P(Days, DailyTimerView,
    testing::Values(DailyCase { "every day, ahead",
                        { sunday, monday, tuesday, wednesday, thursday, friday, saturday }, QTime(13, 0), 0 },
        DailyCase { "every day, passed", { sunday, monday, tuesday, wednesday, thursday, friday, saturday },
            QTime(11, 0), 1 },
        DailyCase { "only today, passed", { monday }, QTime(11, 0), 7 },
        DailyCase { "friday only", { friday }, QTime(13, 0), 4 }),
    [](const testing::TestParamInfo<DailyCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(TimerViewTest, RepeatTimerReArmsForTheSameLength)
{
    const Window window = open(TimerMode::Repeat);
    type(window.view->timePicker(), QTime(0, 10, 0));
    chooseAction(window, 2);
    click(window.view->startButton());
    const QString firstId = window.timer->id();

    platform.advance(600);
    EXPECT_EQ(platform.powerActions->performed.size(), 1u);
    EXPECT_TRUE(window.timer->isRunning());
    EXPECT_NE(window.timer->id(), firstId);
    EXPECT_EQ(window.timer->executeAt(), platform.now().addSecs(600));
    EXPECT_EQ(window.view->startButton()->text(), QStringLiteral("Stop"));
    platform.advance(60);
    EXPECT_EQ(picker(window), QStringLiteral("00:09:00"));
    platform.advance(540);
    EXPECT_EQ(platform.powerActions->performed.size(), 2u);
}

TEST_F(TimerViewTest, DailyTimerReArmsForTheNextSelectedDay)
{
    const Window window = open(TimerMode::Daily);
    window.timer->setDays(onlyDays({ TimerDaily::monday, TimerDaily::wednesday }));
    type(window.view->timePicker(), QTime(12, 1, 0));
    chooseAction(window, 2);
    click(window.view->startButton());

    platform.advance(60);
    EXPECT_EQ(platform.powerActions->performed.size(), 1u);
    EXPECT_TRUE(window.timer->isRunning());
    EXPECT_EQ(window.timer->executeAt(), at(QTime(12, 1, 0), 2));
    EXPECT_EQ(picker(window), QStringLiteral("12:01:00"));
}

struct WarningCase
{
    int segment; // -1: a script
    bool warns;
};

void PrintTo(const WarningCase& c, std::ostream* os)
{
    *os << "segment " << c.segment;
}

class InterruptionWarning : public TimerWindowTest, public testing::WithParamInterface<WarningCase>
{ };

// Shutdown and Restart warn until the user ticks the box; the others never.
TEST_P(InterruptionWarning, ShownForShutdownAndRestartUntilSuppressed)
{
    const Window window = open();
    type(window.view->timePicker(), QTime(0, 10, 0));
    if (GetParam().segment >= 0)
        chooseAction(window, GetParam().segment);
    else
        window.view->didSelectScript(ActionsList::Script(QStringLiteral("some script")));

    platform.alerts->respond(AlertResponse { AlertResponse::firstButtonReturn, false });
    click(window.view->startButton());
    click(window.view->startButton());
    platform.alerts->respond(AlertResponse { AlertResponse::firstButtonReturn, true });
    click(window.view->startButton());
    click(window.view->startButton());
    click(window.view->startButton());

    if (!GetParam().warns) {
        EXPECT_THAT(platform.alerts->shown, IsEmpty());
        return;
    }
    ASSERT_EQ(platform.alerts->shown.size(), 2u);
    const AlertContent& alert = platform.alerts->shown[0];
    EXPECT_EQ(alert.messageText, QStringLiteral("Quit all applications"));
    EXPECT_EQ(alert.informativeText,
        QStringLiteral(
            "Quit all unnecesary applications, and save all documents to prevent interruption of %1.")
            .arg(window.timer->actionType()->caseName()));
    EXPECT_EQ(alert.style, AlertContent::Style::Informational);
    EXPECT_TRUE(alert.showsSuppressionButton);
    EXPECT_TRUE(platform.defaults->get(DefaultsKeys::supressInterruptionWarning));
    EXPECT_TRUE(window.timer->isRunning()); // the answer does not stop the start
}

INSTANTIATE_TEST_SUITE_P(Actions, InterruptionWarning,
    testing::Values(WarningCase { 0, true }, WarningCase { 1, true }, WarningCase { 2, false },
        WarningCase { 3, false }, WarningCase { -1, false }));

TEST_F(TimerViewTest, StartButtonNeedsAnActionAndATimeExceptInAbsoluteMode)
{
    const Window countdown = open();
    EXPECT_FALSE(countdown.view->startButton()->isEnabled());
    chooseAction(countdown, 2);
    EXPECT_TRUE(countdown.view->startButton()->isEnabled()); // a length of 0 is a length

    const Window daily = open(TimerMode::Daily);
    type(daily.view->timePicker(), QTime(13, 0));
    EXPECT_FALSE(daily.view->startButton()->isEnabled());
    chooseAction(daily, 0);
    EXPECT_TRUE(daily.view->startButton()->isEnabled());

    // Absolute starts without an action kind, and then fails with the timer's error, logged only.
    const Window absolute = open(TimerMode::Absolute);
    absolute.view->setCountDownTimer();
    EXPECT_TRUE(absolute.view->startButton()->isEnabled());
    click(absolute.view->startButton());
    EXPECT_FALSE(absolute.timer->isRunning());
    EXPECT_EQ(absolute.view->startButton()->text(), QStringLiteral("Start"));
    EXPECT_THAT(platform.log->system, ElementsAre(QStringLiteral("Invalid Action: nil.")));
}

// A missed run is reported and the timer stopped, not by the user: a repeating timer re-arms.
TEST_F(TimerViewTest, FailsafeReportsAMissedRunAndStopsTheTimer)
{
    const Window window = open(TimerMode::Repeat);
    type(window.view->timePicker(), QTime(0, 0, 20));
    window.view->didSelectScript(ActionsList::Script(QStringLiteral("gone")));
    click(window.view->startButton());
    const QString firstId = window.timer->id();

    platform.advance(29);
    EXPECT_TRUE(platform.notifications->delivered.empty());
    platform.advance(1);
    ASSERT_EQ(platform.notifications->delivered.size(), 1u);
    EXPECT_EQ(platform.notifications->delivered[0].second.informativeText,
        QStringLiteral("Action Script did not executed, sorry"));
    EXPECT_EQ(platform.notifications->delivered[0].second.actionButtonTitle, QString());
    EXPECT_TRUE(window.timer->isRunning());
    EXPECT_NE(window.timer->id(), firstId);
    EXPECT_EQ(window.timer->executeAt(), platform.now().addSecs(20));
}

TEST_F(TimerViewTest, FavouriteScriptsAreOfferedWhileTheMenuIsOpen)
{
    Scripts backup;
    backup.name = QStringLiteral("Backup.bash");
    backup.favorited = 1;
    Scripts other;
    other.name = QStringLiteral("Other.scpt");
    auto model = ScriptsModel::make();
    ASSERT_TRUE(model->add(backup));
    ASSERT_TRUE(model->add(other));

    const Window window = open();
    QMenu* menu = window.view->customActionMenu();
    window.view->menuWillOpen();
    ASSERT_EQ(menu->actions().size(), 2);
    QAction* favourite = menu->actions().first();
    EXPECT_EQ(favourite->text(), QStringLiteral("Backup"));
    favourite->trigger();
    EXPECT_EQ(window.timer->actionType(), ActionsList::Script(backup.id));
    window.view->menuDidClose();
    platform.runLoop->runDue();
    EXPECT_EQ(menu->actions().size(), 1);

    window.view->menuWillOpen();
    EXPECT_TRUE(menu->actions().first()->isChecked());
    EXPECT_FALSE(menu->actions().last()->isChecked());
    window.view->menuDidClose();
    platform.runLoop->runDue();

    // A script that is not a favourite marks the layout's own item.
    window.view->didSelectScript(ActionsList::Script(other.id));
    window.view->menuWillOpen();
    EXPECT_FALSE(menu->actions().first()->isChecked());
    EXPECT_TRUE(menu->actions().last()->isChecked());
    EXPECT_EQ(window.view->actionMenu()->selectedSegment(), 3);
}

TEST_F(TimerViewTest, WeekdaySelectorOpensFromTheModeLabelOfADailyTimer)
{
    const Window countdown = open();
    click(countdown.view->modeLabel());
    EXPECT_EQ(countdown.view->dailySelector(), nullptr);

    const Window daily = open(TimerMode::Daily);
    click(daily.view->modeLabel());
    ASSERT_NE(daily.view->dailySelector(), nullptr);
    EXPECT_TRUE(daily.view->dailySelector()->isVisible());
    click(daily.view->dailySelector()->daysSegment()->buttonForSegment(0)); // Monday off
    EXPECT_FALSE(daily.timer->days().at(TimerDaily::monday));
    EXPECT_EQ(daily.timer->days().size(), 7u);
}

} // namespace
