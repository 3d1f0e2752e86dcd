// SPDX-License-Identifier: GPL-3.0-or-later
// The current game: hidden row, edited row, the fifteen confirmed rows with pegs and marks,
// blocked pieces, points and flags. One instance lives for the whole run and is reset,
// never recreated, for each game.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace mirvalon {

constexpr int kMaxPositions = 8;
constexpr int kRows = 15;
constexpr int kMaxPieces = 25;
constexpr int kStartScore = 10000;
constexpr int kColourFace = 1000; // face of a piece drawn as a colour without a number
constexpr int64_t kMsPerDay = 86'400'000;

// What the password dialog is open for.
enum class PasswordMode {
    SetUp = 0,       // the second player sets the password and the authorisation text
    Ask = 1,         // asked before a protected game may be given up
    ShowAuthText = 2 // the solved game shows the authorisation text
};

// The two panels that can lie over the board.
enum class BoardPanel { Records, Information };

using Row = std::array<int32_t, kMaxPositions>; // index 0 is position 1; 0 = empty slot

// What the game's history leaves on offer, where the phase of the game and the settings do
// not tell it: quick start until the first row is touched, the aids as the rows reveal them,
// the records list's chosen row. The command table is computed from these (offers.h).
struct Offers
{
    bool quickStart = false;      // the last game's first row has not been touched
    bool cancelRow = false;       // the edited row was touched since it opened
    bool restoreAll = false;      // a training game has something to put back
    bool enterHits = false;       // revealed hits may be entered into the edited row
    bool blockUnused = false;     // the blocking aid's button takes clicks
    bool blockUnusedMenu = false; // its menu item
    bool rowMarksShown = false;   // the row-marking aid is on the board in this training game
    // The records list's chosen row: its record game can be shown, its record deleted.
    bool archive = false;
    bool deleteRecord = false;
};

struct GameState
{
    // Every member has its own initialiser, texts included, so that a state can be written
    // naming only the fields that matter to it.
    Row hiddenRow{};
    Row editRow{};
    int32_t editCount = 0;
    std::array<Row, kRows> rows{}; // index 0 is row 1
    std::array<Row, kRows> pegs{}; // +1 hit, -1 miss, 0 none; hits first
    std::array<int32_t, kRows> rowKind{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::array<int32_t, kRows> rowMark{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int32_t markedRows = 0;
    std::array<bool, kMaxPositions> revealedHits{};
    std::array<bool, kMaxPieces + 1> blocked{}; // index = piece number
    int32_t blockedCount = 0;
    int32_t currentRow = 1;
    int32_t score = kStartScore;
    int32_t recordPoints = 0;
    int32_t gameNumber = 0;
    int32_t level = 0;
    std::string variantKey{};
    std::string gameNumberText{};
    std::string password{}; // at most 20 characters
    std::string authText{}; // at most 30 characters; not reset between games
    PasswordMode passwordDialogMode = PasswordMode::SetUp;
    std::string holderName{};
    Offers offered{};

    bool inProgress = false;
    bool secondPlayer = false;
    bool solved = false;
    bool recordPending = false;
    bool training = false;
    bool trainingAutoPlay = false;
    bool autoRow = false;
    bool hitsKnown = false;
    bool blockableRows = false;
    bool newBlockableRow = false;
    bool blockingRun = false;
    bool loadedFromFile = false;
    // The window's caption names the saved game being opened or played; the next game reset
    // that does not lay an opened game out puts the normal caption back.
    bool captionNamesFile = false;
    bool recordOutOfReach = false;
    bool closing = false;
    // The second player's row is confirmed and the password dialog is open: the game has not
    // begun for the commands yet.
    bool settingPassword = false;
    // The game is over and its messages are being shown; nothing in it may be played.
    bool ending = false;
    // This game runs without its clock; the time display stays off until the game ends.
    bool untimed = false;
    // The shared folder was usable when the window was last activated.
    bool sharedFolderReady = false;

    // The game clock. Times are milliseconds of the day; elapsed times are milliseconds.
    int64_t clockStart = 0;
    int64_t elapsed = 0;
    int64_t lastElapsed = 0;
    int64_t trainingLimit = kMsPerDay / 12;
    bool clockStarted = false;
    bool clockRunning = false; // the window's game timer is switched on
    std::string clockText = "0:00:00";

    // Faces printed on pieces 1..25 (index 0 unused): 1..999, or kColourFace for a colour.
    std::array<int32_t, kMaxPieces + 1> faces{};

    // Old record shown beside the new one in the new-record dialog.
    int32_t oldRows = 0;
    int32_t oldPoints = 0;
    std::string oldTime{};
    std::string oldHolder{};

    // An archived record game is being laid out / is on display.
    bool replayBuilding = false;
    bool showingArchived = false;

    // Piece set-up of the palette and the active slot row, as the board shows it.
    std::array<bool, kMaxPieces + 1> paletteShown{}; // piece visible (in the palette or a slot)
    bool paletteEnabled = false;
    bool copiesEnabled = false;
    int32_t openRow = 0;        // row open for editing, 0 none
    bool resultCovered = false; // result-area slots covered (grey) rather than open
    bool dragging = false;

    // The panels laid over the board, one at a time; while one is shown the pieces under it
    // take no input.
    bool recordsPanelShown = false;
    bool informationPanelShown = false;
    bool panelOverBoard() const { return recordsPanelShown || informationPanelShown; }
    bool paletteTakesInput() const { return paletteEnabled && !panelOverBoard(); }
    bool copiesTakeInput() const { return copiesEnabled && !panelOverBoard(); }

    // Operations that the game flow, piece input and the aids share.
    void clearRows();
    void clearHiddenRow(int positions);
    bool isHit(int position, int piece) const;
};

} // namespace mirvalon
