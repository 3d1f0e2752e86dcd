// SPDX-License-Identifier: GPL-3.0-or-later
// The clocks the game reads and the one-second timer `timeCas` that drives the time of a
// timed game while it runs.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/ports.h"

class QObject;
class QTimer;

namespace mirvalon {

class GameTimer : public Clock
{
public:
    // `tick` runs every second while the game keeps the timer running; `timeOfDayMs` replaces
    // the system's time of day when given.
    GameTimer(QObject* parent, std::function<void()> tick,
              std::function<int64_t()> timeOfDayMs = {});

    int64_t timeOfDayMs() const override;
    int64_t calendarSeconds() const override;
    void setGameTimer(bool running) override;

private:
    QTimer* m_timeCas;
    std::function<int64_t()> m_timeOfDayMs;
};

} // namespace mirvalon
