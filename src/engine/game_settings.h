// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting that outlives a run: the game rules, the look of the board, which panels
// are shown, the behaviour switches and the four favourite games.
#pragma once

#include <array>
#include <cstdint>

namespace mirvalon {

// A stored favourite game set-up; all seven words 0 when unused.
struct FavouriteSlot
{
    bool inUse = false;
    int32_t gameType = 0;
    int32_t gameNumber = 0;
    int32_t pieceColours = 0;
    int32_t environment = 0;
    bool showTime = false;
    bool rowMarking = false;

    bool operator==(const FavouriteSlot&) const = default;
};

enum GameType : int32_t { Classic = 1, Training = 2 };

// How the pieces look. The values are the ones stored in the configuration, the favourites
// and saved games.
enum PieceColours : int32_t {
    GreyPieces = 0,     // grey, each with its number
    ColouredPieces = 1, // a colour each, no number
    MixedPieces = 2     // odd pieces numbered, even pieces coloured
};

// The settings dialog's game form: the easiest and hardest forms fix the rules (games 1 and
// 192), the standard form leaves them to the player. Stored in the configuration.
enum GameForm : int32_t { EasiestForm = 0, StandardForm = 1, HardestForm = 2 };

// The languages of the texts: Slovak is built in, Czech and English come from files. The
// configuration may hold 3, which names none.
enum Language : int32_t { Slovak = 0, Czech = 1, English = 2 };
constexpr bool knownLanguage(int language)
{
    return language >= Slovak && language <= English;
}
// The language whose words a text takes: Slovak for a number that names none.
constexpr int languageOrSlovak(int language)
{
    return knownLanguage(language) ? language : Slovak;
}

// The settings a player changes one at a time (Game::set), each with its own range.
enum class Setting {
    Positions = 1, // 5..8
    PieceCount,    // 11, 19, 25
    Environment,   // -1 none, 0..3 the four pictures
    AutoSave,      // 0 or 1
    Language,      // 0 Slovak, 1 Czech, 2 English: the texts in use change with it
    TotalTime,     // 0 or 1, the total-time panel
    ExitWarning,   // 0 or 1
    SyncAtStart,   // 0 or 1
    Hints          // 0 or 1, the tool tips
};

// Field order follows the configuration file. The defaults make "719_aknB", game 104.
struct GameSettings
{
    int32_t positions = 7;                 // 5..8
    int32_t pieceCount = 19;               // 11, 19, 25
    int32_t gameForm = StandardForm;       // GameForm
    int32_t pieceColours = ColouredPieces; // PieceColours
    int32_t environment = 2;               // -1 none, 0..3 the four pictures
    int32_t language = 0;                  // 0 Slovak, 1 Czech, 2 English (3 names none)
    int32_t gameType = Classic;            // 1 classic, 2 training
    bool artificialIntelligence = false;
    bool eachPieceOnce = true;
    bool correctPosition = false;
    bool blocking = true;
    bool showHints = true;
    bool rowMarking = true;
    bool showInfo = true;
    bool showTime = true;
    bool showScore = true;
    bool autoSave = true;
    bool reservedFlag = false;
    bool jokes = false;
    bool randomArrangement = false;
    bool showTotalTime = false;
    bool exitWarning = false;
    bool syncAtStart = false;
    bool syncNewRecords = false;
    int32_t activeFavourite = 0; // 0 none, 1..4
    std::array<FavouriteSlot, 4> favourites{};

    // Not stored in the configuration file.
    int32_t loadedLanguage = 0;
    bool testRows = false;

    bool operator==(const GameSettings&) const = default;
};

} // namespace mirvalon
