// SPDX-License-Identifier: GPL-3.0-or-later
// The game's side of saved games and favourites: opening a saved task onto the board, and
// starting, storing and releasing the four favourite slots.
#include "favourites.h"
#include "game.h"
#include "saved_task.h"

namespace mirvalon {

bool Game::mayOpenSavedGame()
{
    Publisher publisher(*this);
    if (!m_state.inProgress)
        return true;
    if (!mayEndRunningGame())
        return false;
    m_state.loadedFromFile = false;
    resetToIdle();
    return true;
}

void Game::beginOpeningSavedGame()
{
    Publisher publisher(*this);
    m_state.password.clear();
    m_state.captionNamesFile = true;
}

void Game::openSavedTask(const SavedTask& task)
{
    Publisher publisher(*this);
    GameState& s = m_state;
    s.password = task.password;
    s.authText = task.authText;
    s.loadedFromFile = true;
    s.captionNamesFile = true;
    s.showingArchived = false;
    m_settings.pieceColours = task.pieceColours;
    m_settings.showTime = task.showTime;
    applyVariantKey(m_settings, m_ports.records.entry(task.gameNumber - 1).key);
    if (m_settings.positions != task.positions || m_settings.pieceCount != task.pieceCount)
        applyVariantKey(m_settings, referenceKey(task.gameNumber)); // a records file gone astray
    followGameForm(m_settings);
    m_settings.gameType = Classic;
    for (int k = 1; k <= kMaxPieces; ++k)
        s.faces[k] = task.randomArrangement && task.faces[k] != 0 ? task.faces[k] : k;

    resetToIdle();
    startSecondPlayerGame();
    for (int i = 0; i < kMaxPositions; ++i)
        s.hiddenRow[i] = i < m_settings.positions ? task.hiddenRow[i] : 0;
    s.editCount = m_settings.positions;
    confirmHiddenRow();
    if (!m_settings.showTime)
        m_state.untimed = true;
    markFavourite();
}

void Game::markFavourite()
{
    m_settings.activeFavourite = findFavourite(m_settings);
}

bool Game::startFavourite(int k)
{
    Publisher publisher(*this);
    if (!favouritePlayable(m_settings, k))
        return false;
    if (m_state.inProgress) {
        if (!mayEndRunningGame())
            return false;
        m_state.loadedFromFile = false;
    }
    const int number = m_settings.favourites[k - 1].gameNumber;
    applyFavourite(m_settings, k, m_ports.records.entry(number - 1).key);
    m_state.showingArchived = false;
    m_ports.board.showEnvironment(m_settings.environment);
    rulesChanged();
    m_settings.activeFavourite = k; // this slot, even when an earlier one holds the same game
    return true;
}

bool Game::pressFavourite(int k, MouseButton button, Modifiers keys)
{
    Publisher publisher(*this);
    if (k < 1 || k > kFavouriteSlots)
        return false;
    const FavouritePress press = favouritePress(m_settings.favourites[k - 1].inUse, button, keys);
    const bool started = press.start && startFavourite(k);
    if (press.toggle) {
        if (m_settings.favourites[k - 1].inUse)
            releaseFavourite(m_settings, k);
        else
            storeFavourite(m_settings, k);
    }
    return started;
}

void Game::clearAllFavourites()
{
    Publisher publisher(*this);
    clearFavourites(m_settings);
}

} // namespace mirvalon
