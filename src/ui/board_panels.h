// SPDX-License-Identifier: GPL-3.0-or-later
// The two panels laid over the board, the best scores and the information text, and the
// commands of the records list: activate a game, replay its record game, delete records. The
// game decides; this part shows, hides and focuses the panels and forwards the list's input.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "engine/game_state.h"

namespace mirvalon {

class ArchiveStore;
class Board;
class Dialogs;
class Game;
class InformationPanel;
class OutputCommands;
class RecordsPanel;
class RecordsStore;

class BoardPanels
{
public:
    struct Parts
    {
        RecordsPanel& records;
        InformationPanel& information;
        Board& board;
        Game& game;
        RecordsStore& store;
        ArchiveStore& archive;
        Dialogs& dialogs;
        std::string programFolder; // where the information texts are
    };
    // `focusNewGame` gives the focus back to the new game; `rulesChanged` follows a game the
    // list laid out (numbered or replayed) with the menus and pictures, then focuses it.
    BoardPanels(Parts parts, std::function<void()> focusNewGame,
                std::function<void()> rulesChanged);

    void closePanels();
    void toggleRecordsPanel();
    void toggleInformationPanel();
    // "Referenčná príručka": the reference text of the language in the information panel; a
    // missing file is message 18 and changes nothing else.
    void showReferenceText();
    // The information text again, in the language now in use, if its panel is open.
    void reopenInformationPanel();
    // "Print" -> "Information...": the text goes through the panel's box, as the panel shows it.
    void printInformation(OutputCommands& output);
    // The list again after the records changed under it (a synchronisation), if it is open.
    void refreshRecords();
    // Back to the list or the text over the board, whichever is open (a dialog was cancelled).
    void focusOpenPanel();

    // The records list's commands on its selected row.
    void activateSelectedGame();
    void showArchive();
    void deleteSelectedRecord();
    void deleteAllRecords();

private:
    void connectRecordsList();
    void activateGame(int index);
    // Shows `panel` over the board and the pieces, its `focus` taking the keys at once.
    void raiseOverBoard(QWidget* panel, QWidget* focus);
    using Panel = BoardPanel;
    bool shown(Panel panel) const;
    // The panels follow the game: one it closed is hidden, and the focus goes back to the new
    // game.
    void followGame();
    // The information text of the language into the panel's box; when it is missing, the
    // panel closes and the message names the file. `name` is the file's name either way.
    bool loadInformationText(std::string& name);
    // Shows the information panel with what was loaded into it, the text taking the keys.
    void showInformationPanel();

    Parts m_parts;
    std::function<void()> m_focusNewGame;
    std::function<void()> m_rulesChanged;
    bool m_referenceShown = false; // the panel holds the reference text, not the information
    // The list's signals reach this part only while it lives.
    QObject m_receiver;
};

} // namespace mirvalon
