// SPDX-License-Identifier: GPL-3.0-or-later
// A game whose hidden row is set by a second player, who may protect it with a password and
// leave an authorisation text for the guessing player.
#include "game.h"

namespace mirvalon {

void Game::startSecondPlayerGame()
{
    Publisher publisher(*this);
    closePanels();
    if (!offered(Command::NewSecondPlayerGame))
        return;
    beginNewGame();

    m_state.secondPlayer = true;

    preparePalette();
    m_state.clearHiddenRow(m_settings.positions);
    returnAllUnblocked();
    applyPieceLook();
    clearBoard();

    leaveNoRowOpen();
    m_state.clearRows();
    finishNewGameSetUp();
    m_ports.board.refreshPieces();
}

bool Game::confirmHiddenRow()
{
    Publisher publisher(*this);
    GameState& s = m_state;
    closePanels();
    if (!s.secondPlayer || s.inProgress)
        return false;
    for (int i = 0; i < m_settings.positions; ++i)
        if (s.hiddenRow[i] < 1 || s.hiddenRow[i] > m_settings.pieceCount)
            return false;

    if (m_settings.gameType == Training)
        s.offered.restoreAll = true;
    s.inProgress = true;

    if (!s.loadedFromFile) {
        s.passwordDialogMode = PasswordMode::SetUp;
        std::string password;
        std::string authText;
        s.settingPassword = true;
        publishNow();
        if (m_ports.dialogs.passwordDialog(PasswordMode::SetUp, password, authText)) {
            s.password = password;
            s.authText = authText;
        } else {
            s.password.clear();
        }
        s.settingPassword = false;
    }

    s.offered.quickStart = true;
    coverResultSlots(true);
    openRow(s.currentRow);

    if (m_settings.gameType == Classic)
        m_settings.rowMarking = false;
    else
        runTrainingDriver();
    return true;
}

} // namespace mirvalon
