// SPDX-License-Identifier: GPL-3.0-or-later
// A game whose hidden row is set by a second player, who may protect it with a password and
// leave an authorisation text for the guessing player.
#include "game.h"

namespace mirvalon {

void Game::startSecondPlayerGame()
{
    Publisher publisher(*this);
    closePanels();
    if (!m_state.offered.newSecondPlayerGame || m_state.inProgress)
        return;
    beginNewGame();

    m_state.secondPlayer = true;
    m_commands.show(Command::ConfirmHiddenRow);
    m_commands.disable(Command::ConfirmHiddenRow);
    m_commands.disable(Command::GiveUp);
    m_state.offered.unblockAllShown = m_settings.blocking;
    m_state.offered.newSecondPlayerGame = false;

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
    m_commands.hide(Command::ConfirmHiddenRow);

    if (!s.loadedFromFile) {
        s.passwordDialogMode = PasswordMode::SetUp;
        std::string password;
        std::string authText;
        publishNow();
        if (m_ports.dialogs.passwordDialog(PasswordMode::SetUp, password, authText)) {
            s.password = password;
            s.authText = authText;
        } else {
            s.password.clear();
        }
    }

    m_commands.enable(Command::GiveUp);
    s.offered.quickStart = true;
    if (m_settings.gameType == Classic)
        m_commands.enable(Command::SaveGame);

    m_commands.disable(Command::NewComputerGame);
    s.offered.newSecondPlayerGame = false;
    setGameTypeChoiceEnabled(false);
    coverResultSlots(true);
    openRow(s.currentRow);

    if (m_settings.gameType == Classic)
        m_settings.rowMarking = false;
    else
        runTrainingDriver();
    return true;
}

} // namespace mirvalon
