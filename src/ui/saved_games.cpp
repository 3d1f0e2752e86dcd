// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_games.h"

#include "engine/saved_task.h"
#include "persistence/saved_game.h"

namespace mirvalon {

SavedGames::SavedGames(Game& game, Dialogs& dialogs, FileSystem& fs, Chooser choose)
    : m_game(game), m_dialogs(dialogs), m_fs(fs), m_choose(std::move(choose))
{
}

bool SavedGames::open(const QString& baseCaption)
{
    if (!m_game.mayOpenSavedGame())
        return false;
    const std::string path = m_choose(SavedGameDialog::Open).toStdString();
    if (path.empty())
        return false;
    if (!hasSavedGameExtension(path)) {
        m_dialogs.showMessage(Message::GameNotOpened);
        return false;
    }
    m_fileCaption = QString::fromStdString(savedGameCaption(baseCaption.toStdString(), path));
    m_game.beginOpeningSavedGame();
    const auto task = readSavedGame(m_fs, path);
    if (!task) {
        m_dialogs.showMessage(Message::GameNotOpened);
        return false;
    }
    m_game.openSavedTask(*task);
    return true;
}

void SavedGames::save()
{
    const std::string path = m_choose(SavedGameDialog::Save).toStdString();
    if (path.empty())
        return;
    const SavedTask task = taskOfGame(m_game.state(), m_game.settings());
    if (!writeSavedGame(m_fs, path, task, m_game.random()))
        m_dialogs.showMessage(Message::GameNotSaved);
}

} // namespace mirvalon
