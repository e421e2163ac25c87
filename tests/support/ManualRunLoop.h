#pragma once

#include "VirtualClock.h"
#include "platform/RunLoop.h"

#include <memory>
#include <vector>

// A run loop on virtual time: nothing fires until the test advances it.
class ManualRunLoop final : public RunLoop
{
public:
    explicit ManualRunLoop(VirtualClock& clock)
        : m_clock(clock)
    { }

    std::unique_ptr<RunLoopTimer> schedule(
        double interval, bool repeats, std::function<void()> fire) override;

    // Fires every timer that falls due within `seconds`, in due order (ties in the order they were
    // made), with the clock set to each one's moment; then sets the clock to the end.
    void advance(double seconds);
    // Advances to the given moment.
    void advanceTo(const QDateTime& moment);
    // Fires the timers that are due now, without moving the clock.
    void runDue() { advance(0); }

    // Timers that are scheduled and not cancelled.
    int pendingCount() const;
    // How many times any timer has fired.
    int firedCount() const { return m_fired; }

private:
    struct Entry
    {
        qint64 due; // ms since the epoch
        qint64 interval; // ms
        bool repeats;
        std::function<void()> fire;
        bool valid = true;
        quint64 order;
    };
    class Timer;

    VirtualClock& m_clock;
    std::vector<std::shared_ptr<Entry>> m_entries;
    quint64 m_nextOrder = 0;
    int m_fired = 0;
};
