#include "ManualRunLoop.h"
#include "platform/QtRunLoop.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;

namespace {

// The virtual run loop carries every timing test of Quillet, so its order and clock are pinned here.
TEST(ManualRunLoop, FiresDueTimersInOrderWithTheClockAtEachMoment)
{
    VirtualClock clock(QDateTime(QDate(2026, 12, 7), QTime(12, 0, 0)));
    ManualRunLoop loop(clock);
    QStringList fired;
    auto record = [&](const QString& name) {
        return
            [&, name] { fired << name + QLatin1Char('@') + clock.now().toString(QStringLiteral("ss.zzz")); };
    };

    auto late = loop.once(2.5, record(QStringLiteral("late")));
    auto tick = loop.repeating(1.0, record(QStringLiteral("tick")));
    auto early = loop.once(0.5, record(QStringLiteral("early")));
    auto cancelled = loop.once(1.5, record(QStringLiteral("cancelled")));
    cancelled.reset();

    loop.advance(3.0);
    EXPECT_THAT(fired,
        ElementsAre(QStringLiteral("early@00.500"), QStringLiteral("tick@01.000"),
            QStringLiteral("tick@02.000"), QStringLiteral("late@02.500"), QStringLiteral("tick@03.000")));
    EXPECT_EQ(clock.now(), QDateTime(QDate(2026, 12, 7), QTime(12, 0, 3)));
    EXPECT_FALSE(late->isValid());
    EXPECT_TRUE(tick->isValid());
}

TEST(ManualRunLoop, CallbackMayCancelItselfAndScheduleAnother)
{
    VirtualClock clock(QDateTime(QDate(2026, 12, 7), QTime(12, 0, 0)));
    ManualRunLoop loop(clock);
    int ticks = 0;
    int followUps = 0;
    std::unique_ptr<RunLoopTimer> followUp;
    std::unique_ptr<RunLoopTimer> tick;
    tick = loop.repeating(1.0, [&] {
        ++ticks;
        tick.reset();
        followUp = loop.once(0.0, [&] { ++followUps; });
    });
    loop.advance(5.0);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(followUps, 1);
}

TEST(ManualRunLoop, AfterKeepsItselfAliveUntilItFires)
{
    VirtualClock clock(QDateTime(QDate(2026, 12, 7), QTime(12, 0, 0)));
    ManualRunLoop loop(clock);
    int fired = 0;
    loop.after(60.0, [&] { ++fired; });
    loop.advance(59.9);
    EXPECT_EQ(fired, 0);
    loop.advance(0.1);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(loop.pendingCount(), 0);
}

// Intervals of 0 fire at the next turn of the event loop, so no test waits for real time.
TEST(QtRunLoop, FiresCancelsAndSurvivesDestructionFromItsOwnCallback)
{
    QtRunLoop loop;
    int fired = 0;
    auto kept = loop.once(0, [&] { ++fired; });
    auto cancelled = loop.once(0, [&] { fired += 100; });
    cancelled->invalidate();
    std::unique_ptr<RunLoopTimer> selfDestroying;
    selfDestroying = loop.repeating(0, [&] {
        ++fired;
        selfDestroying.reset();
    });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, 2);
    EXPECT_FALSE(kept->isValid());
}

TEST(QtRunLoop, FiresWhileAModalDialogRuns)
{
    QtRunLoop loop;
    QDialog dialog;
    bool fired = false;
    // If timers stood still during the modal loop, exec() would not return and the test would time out.
    auto timer = loop.once(0, [&] {
        fired = true;
        dialog.done(0);
    });
    dialog.exec();
    EXPECT_TRUE(fired);
}

} // namespace
