#pragma once

#include "platform/Clock.h"

// A clock that stands still until the test moves it.
class VirtualClock final : public Clock
{
public:
    explicit VirtualClock(QDateTime start)
        : m_now(std::move(start))
    { }

    QDateTime now() const override { return m_now; }
    void setNow(const QDateTime& now) { m_now = now; }

private:
    QDateTime m_now;
};
