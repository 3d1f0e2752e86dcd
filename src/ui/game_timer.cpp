// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_timer.h"

#include <QTime>
#include <QTimer>
#include <ctime>

namespace mirvalon {

GameTimer::GameTimer(QObject* parent, std::function<void()> tick,
                     std::function<int64_t()> timeOfDayMs)
    : m_timeCas(new QTimer(parent)), m_timeOfDayMs(std::move(timeOfDayMs))
{
    m_timeCas->setObjectName(QStringLiteral("timeCas"));
    m_timeCas->setInterval(1000);
    // A coarse timer may drift by tens of milliseconds a tick; the clock should tick evenly.
    m_timeCas->setTimerType(Qt::PreciseTimer);
    QObject::connect(m_timeCas, &QTimer::timeout, m_timeCas, std::move(tick));
}

int64_t GameTimer::timeOfDayMs() const
{
    return m_timeOfDayMs ? m_timeOfDayMs() : QTime::currentTime().msecsSinceStartOfDay();
}

int64_t GameTimer::calendarSeconds() const
{
    return static_cast<int64_t>(std::time(nullptr));
}

void GameTimer::setGameTimer(bool running)
{
    if (running)
        m_timeCas->start();
    else
        m_timeCas->stop();
}

} // namespace mirvalon
