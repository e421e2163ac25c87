#include "platform/QtRunLoop.h"

#include <QPointer>
#include <QTimer>

#include <cmath>

namespace {

class QtRunLoopTimer final : public RunLoopTimer
{
public:
    QtRunLoopTimer(double interval, bool repeats, std::function<void()> fire)
        : m_timer(new QTimer)
        , m_fire(std::move(fire))
    {
        // Repeating timers (the once-a-second check, the refreshes, the failsafe) may move by 5% so that
        // the event loop wakes for all of them at once; a one-shot keeps its moment.
        m_timer->setTimerType(repeats ? Qt::CoarseTimer : Qt::PreciseTimer);
        m_timer->setSingleShot(!repeats);
        m_timer->setInterval(std::chrono::milliseconds(std::llround(std::max(0.0, interval) * 1000.0)));
        QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] {
            if (m_timer->isSingleShot())
                m_valid = false;
            auto fire = m_fire; // the callback may destroy this object
            fire();
        });
        m_timer->start();
    }

    ~QtRunLoopTimer() override
    {
        // Deleted later: the timer may be destroyed from inside its own timeout signal.
        m_timer->stop();
        m_timer->disconnect();
        m_timer->deleteLater();
    }

    void invalidate() override
    {
        m_valid = false;
        m_timer->stop();
    }

    bool isValid() const override { return m_valid; }

private:
    QTimer* m_timer; // deleted later by the destructor
    std::function<void()> m_fire;
    bool m_valid = true;
};

} // namespace

std::unique_ptr<RunLoopTimer> QtRunLoop::schedule(double interval, bool repeats, std::function<void()> fire)
{
    return std::make_unique<QtRunLoopTimer>(interval, repeats, std::move(fire));
}
