// SPDX-License-Identifier: GPL-3.0-or-later
// "Otvoriť..." and "Uložiť ako...": the file dialogs, the caption that names an opened file,
// and the messages of a file that cannot be read or written. The game lays the task out.
#pragma once

#include <QString>
#include <functional>

#include "engine/game.h"
#include "persistence/file_system.h"
#include "saved_game_dialog.h"

namespace mirvalon {

class SavedGames
{
public:
    // `choose` answers the open and save dialogs: the chosen path, empty when cancelled.
    using Chooser = std::function<QString(SavedGameDialog)>;
    SavedGames(Game& game, Dialogs& dialogs, FileSystem& fs, Chooser choose);

    // True when a task was laid out on the board. A refused file shows message 17, its name
    // already in the caption and the password already cleared.
    bool open(const QString& baseCaption);
    // Message 16 when the file cannot be written; an earlier file of that name stays whole.
    void save();
    // The caption while the game names a file (GameState::captionNamesFile).
    const QString& fileCaption() const { return m_fileCaption; }

private:
    Game& m_game;
    Dialogs& m_dialogs;
    FileSystem& m_fs;
    Chooser m_choose;
    QString m_fileCaption;
};

} // namespace mirvalon
