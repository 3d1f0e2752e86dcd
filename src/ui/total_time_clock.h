// SPDX-License-Identifier: GPL-3.0-or-later
// The timer behind the total-time panel. The running time is computed from the start whenever
// it is shown, so the timer runs only while the panel is visible: a hidden panel costs the
// program no wake-up at all. It ticks just after the running time passes a whole second.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class QTimer;

namespace mirvalon {

class TotalTimeClock : public QObject
{
    Q_OBJECT
public:
    // `runningMs` gives the running time now; `tick` shows it.
    TotalTimeClock(QObject* parent, std::function<int64_t()> runningMs, std::function<void()> tick);

    void setRunning(bool running);
    bool isRunning() const;
    // Milliseconds to the next tick while running.
    int msToNextTick() const;

private:
    void scheduleNext();

    QTimer* m_timer;
    std::function<int64_t()> m_runningMs;
    std::function<void()> m_tick;
};

} // namespace mirvalon
