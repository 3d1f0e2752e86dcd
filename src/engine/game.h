// SPDX-License-Identifier: GPL-3.0-or-later
// One game from the player's key to the records: the flow of a game, piece input on the
// rows, the deduction aids, the training driver, the second player's game and the clocks.
// The window owns one Game for the whole run and calls its operations from its handlers.
#pragma once

#include <string>

#include "archived_game.h"
#include "commands.h"
#include "game_settings.h"
#include "game_state.h"
#include "ports.h"
#include "random.h"
#include "scoring.h"
#include "setup_choice.h"
#include "variant.h"

namespace mirvalon {

struct SavedTask;

enum class MouseButton { Left, Right, Middle };

// What the player's wish to leave comes to: staying, or ending the application, with the
// settings saved first when the player keeps them automatically.
enum class Leaving { Stay, Quit, SaveSettingsAndQuit };

struct Modifiers
{
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

class Game
{
public:
    explicit Game(Ports ports);

    const GameSettings& settings() const { return m_settings; }
    // The one way a setting changes: a value in its range is stored, the game form follows
    // the rules, and the window shows it with the operation's table; any other value changes
    // nothing.
    void set(Setting which, int32_t value);
    // A switch of the menu turned over.
    void toggle(Setting which);
    // The settings read at start (or the defaults when there were none), shown whole.
    void useSettings(const GameSettings& settings);
    const GameState& state() const { return m_state; }
    const CommandTable& commands() const { return m_commands; }
    Random& random() { return m_random; }

    // Texts of the current language that the status bar shows.
    void setUntimedStatusText(const std::string& text);
    void setTrainingCaption(const std::string& text);
    const std::string& untimedStatusText() const { return m_untimedText; }
    const std::string& trainingCaption() const { return m_trainingCaption; }

    // Start-up, after settings and records are loaded: reset, look of the pieces, palette,
    // environment and status bar. The window opens idle.
    void startUp();

    // The flow of a game.
    void startComputerGame();
    bool confirmRow();
    bool cancelRow();
    bool giveUp();
    void resetToIdle();
    void quickStart();
    // Asks question 0 when a game is running; true when the caller may go on.
    bool mayEndRunningGame();

    // The second player's game.
    void startSecondPlayerGame();
    bool confirmHiddenRow();

    // Deduction aids.
    bool toggleBlock(int piece);
    void unblockAll();
    void blockCertainlyUnused();
    void enterAllHits();
    void toggleRowMark(int row);
    void clearRowMarks();
    void restoreAll();

    // Piece input. Positions are 1-based slots of the active row (the edited row while a
    // game runs, the hidden row while the second player enters it).
    // A press returns true when it starts a drag.
    bool pressPalettePiece(int piece, MouseButton button, Modifiers modifiers);
    bool pressSlotPiece(int position, MouseButton button, Modifiers modifiers);
    // A button release; true when it only ended the double-click guard.
    bool releaseButton();
    // End of a drag: onto the free slot `toPosition` (0 = no slot), or onto the palette.
    bool dropPalettePiece(int piece, int toPosition);
    bool dropSlotPiece(int fromPosition, int toPosition, bool onPalette);
    bool doubleClickPalettePiece(int piece);
    bool doubleClickSlotPiece(int position);
    // Keyboard play on the palette: Enter places the focused piece as its double click does,
    // Backspace takes back the last piece of the row with the take-back penalty, B blocks or
    // unblocks the focused piece where blocking is offered. True when something changed.
    bool keyPlacePiece(int piece);
    bool keyTakeBack();
    bool keyToggleBlock(int piece);
    // The keyboard focus rests on the palette only while the palette takes pieces, and only
    // on a piece standing in it (a blocked piece too: B unblocks it).
    bool paletteTakesKeys() const;
    bool pieceAtRestInPalette(int piece) const;
    bool isDragging() const { return m_state.dragging; }
    int activePiece(int position) const; // piece in slot `position` of the active row
    bool activeRowIsHidden() const { return m_state.secondPlayer && !m_state.inProgress; }

    // Clocks.
    void clockTick();
    void totalTimeTick();
    std::string totalTimeText() const;
    // How long the application has run, as the total-time panel counts it: the time of day of
    // the difference, in milliseconds.
    int64_t totalTimeMs() const;

    // Random numbered game; the records table supplies the variant of the drawn number.
    bool pickRandomGame();

    // Saved games ("Otvoriť...", "Uložiť ako..."). Before the open dialog: question 0 while a
    // game runs, whose Yes abandons it; false when the player keeps the game.
    bool mayOpenSavedGame();
    // The file's name is in the caption and the password is cleared before the file is read,
    // so a refused file leaves them so.
    void beginOpeningSavedGame();
    // Lays an opened (playable) task on the board and confirms its hidden row as if its second
    // player had just entered it: the password is not asked, the variant always comes from
    // the game number, the game is classic, counts for no record, and the time view stays off
    // when the task hides the time.
    void openSavedTask(const SavedTask& task);

    // Favourites. The slot that matches the game becomes the active one (0 for none).
    void markFavourite();
    // Starts favourite k (1..4): question 0 while a game runs; false when nothing started.
    bool startFavourite(int k);
    // A press on favourite panel k; true when it started the slot's game.
    bool pressFavourite(int k, MouseButton button, Modifiers keys);
    void clearAllFavourites();

    // Lays the archived record game of numbered game `number` out on the board, finished
    // and revealed; its record supplies the rows, time and points.
    void showArchivedGame(const ArchivedGame& game, int number);
    // Makes numbered game `number` the current variant and leaves the board idle for it.
    void activateNumberedGame(int number);

    // Status bar.
    void refreshStatusBar();
    // The records were loaded again (a merge brought some in): the record panel shows the
    // current game's record, unless it shows the figures of an archived game on view.
    void recordsReloaded();
    void showStatusGroup(StatusGroup group, bool show);
    // The three groups (information, time, score) as the settings say.
    void showStatusGroups();

    // Menu commands that change the rules or the view (game_options.cpp). Each returns true
    // when it changed something; a refused change keeps the check marks as they were.
    bool chooseGameType(int type);       // Classic or Training; not while a game runs
    bool changePositions(int positions); // 5..8; asks question 0 while a game runs
    bool changePieceCount(int pieces);   // 11, 19, 25; asks question 0 while a game runs
    // The settings dialog as it opens now.
    SetupForm setupForm() const;
    // OK of the settings dialog: question 0 first when a running game would change; then the
    // choice reaches the settings in the dialog's order. New rules or colours leave the board
    // idle for them; otherwise only the status groups follow the settings.
    SetupResult applySetup(const SetupChoice& choice, const SetupOpening& opening,
                           SetupTarget& target);
    void toggleStatusGroup(StatusGroup group);
    // At every activation of the window: without a usable shared folder, synchronisation at
    // start and of new records is switched off and its commands are not offered.
    void activate(bool sharedFolderReady);
    // Before the synchronisation dialog opens: question 0 while a game runs or the second
    // player enters a hidden row; Yes ends it. True when the dialog may open.
    bool maySynchronise();

    // The pictures from the menu: the chosen one, or none when it is chosen again.
    void chooseEnvironment(int environment);
    // A click on the picture shows the next one, and the first after none or the last.
    void nextEnvironment();
    // The language file the window loads at each activation: the player's Czech or English;
    // -1 for Slovak, which is built in, and for no language.
    int languageToLoad() const;

    // The panels over the board, as the window shows and hides them; showing one closes the
    // other.
    void recordsPanelShown(bool shown);
    void informationPanelShown(bool shown);
    // The menu item of a panel: a shown panel closes (false); otherwise the other one closes to
    // make room, and the window fills and shows this one (true).
    bool togglePanel(BoardPanel panel);
    // The records list's selected row (table index, -1 none) offers its archive and deletion.
    void selectRecordRow(int index);
    // Deleting records from the list: question 0 first when the current game is affected,
    // then question 3 or 4; an affected game is reset and the panels close.
    bool deleteRecord(int index);
    bool deleteAllRecords();

    // The player asks to leave, by the menu or the window's close box: with the exit warning
    // on, question 5 first. Once leaving is agreed the long loops stop before their next row,
    // and a second request (the close box after the menu's exit) asks and saves nothing.
    Leaving close();

    // Bring the board in line with new rules (after settings, menus, a numbered game).
    void rulesChanged();

    // Draws the hidden row of a computer game from the clock-seeded generator.
    void drawHiddenRow();
    // Faces of the pieces for the current colour scheme (random labels when asked).
    void applyPieceLook();

    // Hands the command table to the window: at once, or while an operation is under way, once
    // it ends. The window calls it when a menu click changed nothing, so the check marks that
    // Qt turned over go back.
    void publish();
    // One operation, one table: the game's operations hold a Publisher, and so does the window
    // around its own steps that run several of them (start-up, activation).
    class Publisher;

private:
    friend class Publisher;

    // Hands the table over now, in the middle of an operation: before a question or a yield
    // to the event loop the window shows the game as it stands.
    void publishNow();

    // Hands the table over, rewriting the check marks only when an operation may have changed
    // what they follow.
    void publishTable();
    // Writes the check marks that follow the settings, the language and the panels.
    void showMarks();

    void resetGame();
    void evaluateRow(int row);
    void endGame();
    void scoreTick();
    void showScoreAfterPenalty(bool checkOutOfReach);
    void takePenalty(Penalty kind);
    void startClock();
    void stopClock();
    void closePanels();
    void preparePalette();
    void returnAllUnblocked();
    void disablePalette();
    void layoutPalette();
    void openRow(int row);
    void coverResultSlots(bool covered);
    void leaveNoRowOpen();
    void clearBoard();
    void updatePlacedCount(int delta);
    void placeInFirstFreeSlot(int piece);
    bool placeFromPalette(int piece); // as a double click on a palette piece
    bool blockGesture(int piece);
    void toggleRowMarkQuietly(int row);
    void takeBackFromSlot(int position, bool chargePenalty);
    void runTrainingDriver();
    void newRecordIfPending();
    // Whether the player can use `command` now, as the window offers it (offers.h): the rules
    // of an aid or a step ask this before they run.
    bool offered(Command command) const;
    // The hidden row takes pieces only while the second player enters it. Every piece asks
    // for it, so it stays here where the compiler can fold it in.
    Row& activeRow() { return activeRowIsHidden() ? m_state.hiddenRow : m_state.editRow; }
    const Row& activeRow() const
    {
        return activeRowIsHidden() ? m_state.hiddenRow : m_state.editRow;
    }
    bool pieceInActiveRow(int piece) const;
    void setPaletteShownForCount(bool shown);
    bool changeRule(Setting which, int32_t current, int value);
    bool endGameForDeletion(bool affected);
    void beginNewGame();
    void finishNewGameSetUp();
    void afterDeletion(bool affected);

    Ports m_ports;
    GameSettings m_settings;
    GameState m_state;
    CommandTable m_commands;
    Random& m_random;
    std::string m_untimedText = "! Čas !";
    std::string m_trainingCaption = "Tréning";
    int m_publishDepth = 0;
    bool m_marksStale = true; // an operation since the last publish may have moved a mark
    // An operation since the last publish may have changed more than the row's commands.
    bool m_offersStale = true;
    int64_t m_appStart = 0;
    // Counts the games started, so a long loop notices when its game was replaced.
    int m_gameSerial = 0;
};

// Hands the command table to the window once the outermost operation returns. Piece input and
// confirming a row work on the active row and the game's own commands; they never change the
// settings, the language or the panels, so their publish leaves those check marks as they
// stand. Piece input changes no more than the row's commands (rowOffers), so only those are
// computed again. Any other operation in the same call (the window closing a panel, say)
// rewrites everything.
class Game::Publisher
{
public:
    enum Scope { Everything, ActiveRow, Pieces };

    explicit Publisher(Game& game, Scope scope = Everything) : m_game(game)
    {
        ++m_game.m_publishDepth;
        if (scope == Everything)
            m_game.m_marksStale = true;
        if (scope != Pieces)
            m_game.m_offersStale = true;
    }
    ~Publisher()
    {
        if (--m_game.m_publishDepth == 0)
            m_game.publishTable();
    }
    Publisher(const Publisher&) = delete;
    Publisher& operator=(const Publisher&) = delete;

private:
    Game& m_game;
};

// Elapsed milliseconds as the long time format shows them: "0:00:00", "1:02:03".
std::string formatClock(int64_t elapsedMs);

} // namespace mirvalon
