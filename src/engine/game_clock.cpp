// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock and the total running time. Both read the time of day at each tick and
// subtract a stored start, so delayed or merged ticks never distort the time shown.
#include "game.h"

namespace mirvalon {

void Game::startClock()
{
    if (!m_settings.showTime) {
        // This game has no clock and no score; the time display stays off until the next.
        m_state.untimed = true;
        return;
    }
    m_state.clockStart = m_ports.clock.timeOfDayMs();
    m_state.lastElapsed = 0;
    m_state.clockRunning = true;
    m_ports.clock.setGameTimer(true);
}

void Game::stopClock()
{
    m_state.clockRunning = false;
    m_state.clockStarted = false;
    m_ports.clock.setGameTimer(false);
}

void Game::clockTick()
{
    // A plain tick changes the time and score panels only; the command table is handed to the
    // window only when the tick ends the game, so a running clock costs two small repaints.
    GameState& s = m_state;
    if (!s.clockRunning)
        return;
    const int64_t now = m_ports.clock.timeOfDayMs();
    s.elapsed = now >= s.clockStart ? now - s.clockStart : now + kMsPerDay - s.clockStart;
    if (m_settings.gameType == Classic) {
        // Ticks that were not delivered still cost their seconds.
        const int64_t gap = s.elapsed - s.lastElapsed;
        if (gap > 2000)
            s.score -= static_cast<int32_t>(gap / 1000);
        s.lastElapsed = s.elapsed;
    }
    s.clockText = formatClock(s.elapsed);
    s.score -= 1;
    if (s.score < 0)
        s.score = 0;
    m_ports.status.setPanelText(StatusPanel::Time, s.clockText);
    scoreTick();
}

void Game::scoreTick()
{
    GameState& s = m_state;
    if (!m_settings.showTime) {
        if (!s.training)
            m_ports.status.setPanelText(StatusPanel::Score, m_untimedText);
    } else if (!s.training) {
        showScoreAfterPenalty(true);
    }
    const bool outOfPoints = !s.training && s.score < 1;
    const bool outOfTime = s.training && s.elapsed >= s.trainingLimit;
    if (outOfPoints || outOfTime) {
        Publisher publisher(*this);
        if (s.dragging)
            m_ports.board.endDrag();
        if (s.inProgress)
            endGame();
    }
}

void Game::totalTimeTick()
{
    m_ports.status.setTotalTime(totalTimeText());
}

std::string Game::totalTimeText() const
{
    return formatClock(totalTimeMs());
}

int64_t Game::totalTimeMs() const
{
    const int64_t now = m_ports.clock.timeOfDayMs();
    // Only the time of day of the difference counts: it starts again after 24 hours.
    return ((now - m_appStart) % kMsPerDay + kMsPerDay) % kMsPerDay;
}

} // namespace mirvalon
