#include "TimerWindowFixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

using TimerWindowControllerTest = TimerWindowTest;

TEST_F(TimerWindowControllerTest, ChoosingDailyInTheModeMenuSwitchesTheTimerAndItsView)
{
    const Window window = open();
    QMenu* menu = window.controller->modeMenu();
    QAction* daily = window.controller->modeItem(TimerMode::Daily);
    ASSERT_NE(daily, nullptr);
    EXPECT_EQ(daily->data().toString(), QStringLiteral("Daily"));

    daily->trigger();
    EXPECT_EQ(window.timer->mode(), TimerMode::Daily);
    EXPECT_EQ(window.controller->modeButton()->icon().cacheKey(), daily->icon().cacheKey());
    for (QAction* item : menu->actions())
        EXPECT_EQ(item->isChecked(), item == daily) << item->text().toStdString();
    EXPECT_TRUE(window.view->modeLabel()->isEnabled());
    EXPECT_EQ(window.view->modeLabel()->text(), QStringLiteral("In 00:00:00"));
}

// The item of a mode given at creation is marked when the menu opens; one marked earlier stays marked
// until a choice is made in the menu.
TEST_F(TimerWindowControllerTest, OpeningTheMenuMarksTheTimersMode)
{
    const Window window = open(TimerMode::Repeat);
    EXPECT_EQ(window.controller->modeButton()->icon().cacheKey(),
        window.controller->modeItem(TimerMode::Repeat)->icon().cacheKey());
    window.controller->menuWillOpen();
    EXPECT_TRUE(window.controller->modeItem(TimerMode::Repeat)->isChecked());

    window.timer->setMode(TimerMode::Absolute);
    window.controller->menuWillOpen();
    EXPECT_TRUE(window.controller->modeItem(TimerMode::Absolute)->isChecked());
    EXPECT_TRUE(window.controller->modeItem(TimerMode::Repeat)->isChecked());
}

TEST_F(TimerWindowControllerTest, NewWindowsCascade)
{
    const Window first = open();
    const Window second = open();
    EXPECT_NE(first.controller->window()->pos(), second.controller->window()->pos());
    EXPECT_GT(second.controller->window()->pos().x(), first.controller->window()->pos().x());
}

TEST_F(TimerWindowControllerTest, ClosingTheWindowOfAStoppedTimerForgetsIt)
{
    const Window idle = open();
    const Window running = open();
    type(running.view->timePicker(), QTime(0, 10, 0));
    chooseAction(running, 2);
    click(running.view->startButton());

    idle.controller->window()->close();
    running.controller->window()->close();
    EXPECT_EQ(registry.schedulers().count(idle.timer->id()), 0u);
    EXPECT_EQ(registry.schedulers().count(running.timer->id()), 1u);
    // Unreachable now, the stopped timer lets its window go; the running one keeps its own.
    platform.runLoop->runDue();
    EXPECT_EQ(idle.timer->windowController(), nullptr);
    EXPECT_NE(running.timer->windowController(), nullptr);

    // The running timer goes on without its window and still runs.
    platform.advance(600);
    EXPECT_EQ(platform.powerActions->performed.size(), 1u);
}

TEST_F(TimerWindowControllerTest, MainMenuMakesNewTimersOfEachMode)
{
    const Window window = open();
    QMenu* timers = window.controller->window()->menuBar()->actions().first()->menu();
    ASSERT_NE(timers, nullptr);
    const QList<QAction*> items = timers->actions();
    items[1]->trigger(); // New Repeating Timer
    items[3]->trigger(); // New Daily Timer
    std::vector<TimerMode> modes;
    for (const auto& [id, timer] : registry.schedulers())
        modes.push_back(timer->mode());
    EXPECT_EQ(std::count(modes.begin(), modes.end(), TimerMode::Repeat), 1);
    EXPECT_EQ(std::count(modes.begin(), modes.end(), TimerMode::Daily), 1);
    EXPECT_EQ(registry.schedulers().size(), 3u);
}

} // namespace
