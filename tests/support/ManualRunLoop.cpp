#include "ManualRunLoop.h"

#include <algorithm>
#include <cmath>

class ManualRunLoop::Timer final : public RunLoopTimer
{
public:
    explicit Timer(std::shared_ptr<Entry> entry)
        : m_entry(std::move(entry))
    { }
    ~Timer() override { invalidate(); }
    void invalidate() override { m_entry->valid = false; }
    bool isValid() const override { return m_entry->valid; }

private:
    std::shared_ptr<Entry> m_entry;
};

std::unique_ptr<RunLoopTimer> ManualRunLoop::schedule(
    double interval, bool repeats, std::function<void()> fire)
{
    auto entry = std::make_shared<Entry>();
    entry->interval = std::max<qint64>(0, std::llround(interval * 1000.0));
    // A repeating timer of no interval would fire forever within one advance.
    if (repeats)
        entry->interval = std::max<qint64>(1, entry->interval);
    entry->due = m_clock.now().toMSecsSinceEpoch() + entry->interval;
    entry->repeats = repeats;
    entry->fire = std::move(fire);
    entry->order = m_nextOrder++;
    m_entries.push_back(entry);
    return std::make_unique<Timer>(entry);
}

void ManualRunLoop::advance(double seconds)
{
    advanceTo(m_clock.now().addMSecs(std::llround(seconds * 1000.0)));
}

void ManualRunLoop::advanceTo(const QDateTime& moment)
{
    const qint64 end = moment.toMSecsSinceEpoch();
    for (;;) {
        std::erase_if(m_entries, [](const auto& entry) { return !entry->valid; });
        auto next = std::min_element(m_entries.begin(), m_entries.end(), [](const auto& a, const auto& b) {
            return a->due != b->due ? a->due < b->due : a->order < b->order;
        });
        if (next == m_entries.end() || (*next)->due > end)
            break;
        std::shared_ptr<Entry> entry = *next;
        if (entry->due > m_clock.now().toMSecsSinceEpoch())
            m_clock.setNow(QDateTime::fromMSecsSinceEpoch(entry->due));
        if (entry->repeats) {
            entry->due += entry->interval;
            entry->order = m_nextOrder++;
        } else {
            entry->valid = false;
        }
        ++m_fired;
        auto fire = entry->fire; // the callback may cancel its own timer
        fire();
    }
    if (end > m_clock.now().toMSecsSinceEpoch())
        m_clock.setNow(QDateTime::fromMSecsSinceEpoch(end));
}

int ManualRunLoop::pendingCount() const
{
    return int(
        std::count_if(m_entries.begin(), m_entries.end(), [](const auto& entry) { return entry->valid; }));
}
