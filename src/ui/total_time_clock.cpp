// SPDX-License-Identifier: GPL-3.0-or-later
#include "total_time_clock.h"

#include <QTimer>

namespace mirvalon {

namespace {

// A tick lands this long after the whole second, so an early timer never shows the old second.
constexpr int kPastTheSecondMs = 10;

} // namespace

TotalTimeClock::TotalTimeClock(QObject* parent, std::function<int64_t()> runningMs,
                               std::function<void()> tick)
    : QObject(parent), m_timer(new QTimer(this)), m_runningMs(std::move(runningMs)),
      m_tick(std::move(tick))
{
    m_timer->setObjectName(QStringLiteral("timeKCas"));
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_tick();
        scheduleNext();
    });
}

void TotalTimeClock::setRunning(bool running)
{
    if (running)
        scheduleNext();
    else
        m_timer->stop();
}

bool TotalTimeClock::isRunning() const
{
    return m_timer->isActive();
}

int TotalTimeClock::msToNextTick() const
{
    return m_timer->interval();
}

void TotalTimeClock::scheduleNext()
{
    const int intoSecond = static_cast<int>(m_runningMs() % 1000);
    m_timer->start(1000 - intoSecond + kPastTheSecondMs);
}

} // namespace mirvalon
