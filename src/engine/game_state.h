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

using Row = std::array<int32_t, kMaxPositions>; // index 0 is position 1; 0 = empty slot

// What the game offers the player now, as the game's history left it: quick start only until
// the first row is touched, the aids as the rows reveal them. The rules read these; the
// command table only shows them. "Shown": the aid's button is on the board in this game.
struct Offers
{
    bool newSecondPlayerGame = true;
    bool quickStart = false;
    bool cancelRow = false;
    bool restoreAll = false;
    bool enterHitsShown = false;
    bool enterHits = false; // the button
    bool enterHitsMenu = false;
    bool unblockAllShown = false;
    bool unblockAll = false;
    bool blockUnusedShown = false;
    bool blockUnused = false; // the button
    bool blockUnusedMenu = false;
    bool rowMarksShown = false;
    bool clearRowMarks = false;
    // The records list's chosen row: its record game can be shown, its record deleted.
    bool archive = false;
    bool deleteRecord = false;

    // An aid may be used by its button when the button shows and takes clicks; the menu
    // item of the two aids that have one works on its own.
    bool enterHitsByButton() const { return enterHitsShown && enterHits; }
    bool enterHitsNow() const { return enterHitsByButton() || enterHitsMenu; }
    bool blockUnusedByButton() const { return blockUnusedShown && blockUnused; }
    bool blockUnusedNow() const { return blockUnusedByButton() || blockUnusedMenu; }
    bool unblockAllNow() const { return unblockAllShown && unblockAll; }
    bool clearRowMarksNow() const { return rowMarksShown && clearRowMarks; }
};

struct GameState
{
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
    std::string variantKey;
    std::string gameNumberText;
    std::string password; // at most 20 characters
    std::string authText; // at most 30 characters; not reset between games
    PasswordMode passwordDialogMode = PasswordMode::SetUp;
    std::string holderName;
    Offers offered;

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
    std::string oldTime;
    std::string oldHolder;

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

    // The panels laid over the board; while one is shown the palette takes no input.
    bool recordsPanelShown = false;
    bool informationPanelShown = false;

    // Operations that the game flow, piece input and the aids share.
    void clearRows();
    void clearHiddenRow(int positions);
    bool isHit(int position, int piece) const;
};

} // namespace mirvalon
