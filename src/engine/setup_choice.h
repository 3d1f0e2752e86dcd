// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog as plain values: what its controls hold, the numbered game its rule
// controls make up, which controls the rules leave open, and what its OK changes, in order.
// The dialog's widgets only show a SetupChoice; every rule about it lives here.
#pragma once

#include <cstdint>

#include "game_settings.h"

namespace mirvalon {

// Everything the two tabs of the settings dialog hold.
struct SetupChoice
{
    // "Nastavenie hier"
    int32_t positions = 7;           // 5..8
    int32_t pieceCount = 19;         // 11, 19, 25
    int32_t gameForm = StandardForm; // GameForm
    bool artificialIntelligence = false;
    bool eachPieceOnce = true;
    bool correctPosition = false;
    bool blocking = true;
    int32_t pieceColours = ColouredPieces; // PieceColours
    bool randomArrangement = false;
    // "Základné nastavenie"
    int32_t environment = 2; // -1 when "Prostredie" is unchecked, else 0..3
    bool showTime = true;
    bool showScore = true;
    bool showHints = true;
    bool rowMarking = true;
    bool testRows = false;
    bool jokes = false;
    int32_t language = 0; // 0..2; 3 names none and leaves the texts alone
    bool showTotalTime = false;
    bool autoSave = true;
    bool exitWarning = false;
    bool syncAtStart = false;

    bool operator==(const SetupChoice&) const = default;
};

enum class GameMark { None, Easy, Gold };

// The information box: the game the rule controls make up.
struct SetupInfo
{
    int number = 1;
    int level = 1;
    bool letterA = false; // correct position activated
    bool letterK = false; // pieces may repeat
    bool letterN = false; // random arrangement
    bool letterB = false; // blocking
    GameMark mark = GameMark::None;
};

// Which controls the chosen rules leave open.
struct SetupEnables
{
    bool ruleControls = true;      // rgPozicie, rgKocky, rgObtiaznost, cbxSpravPoz, cbxBlok
    bool colours = true;           // rgFarbyK
    bool randomArrangement = true; // cbxNahodFlek
    bool rowMarkingAndTime = true; // cbxZnacRiad, cbxCas
    bool environmentItems = true;  // rgProstredie

    bool operator==(const SetupEnables&) const = default;
};

// The settings dialog as it opens over a game: its controls filled from the settings, and
// what the game leaves open in it.
struct SetupForm
{
    SetupChoice choice;
    // A computer game keeps its time display and row marking to the end.
    bool computerGameRunning = false;
    // Without a usable shared folder the start-up synchronisation is off and cannot be chosen.
    bool syncOffered = true;
};

// What the dialog remembers from its opening to tell whether the game changed.
struct SetupOpening
{
    int number = 0;
    int32_t pieceColours = 0;
};

// The controls as the settings fill them. The form follows the current game (game 1 easiest,
// game 192 hardest), and coloured pieces show as grey while random arrangement is on; the
// settings themselves are not touched.
SetupChoice choiceFromSettings(const GameSettings& settings);

// Number, level, letters and mark of the game the rule controls make up, by the engine's own
// variant computation.
SetupInfo setupInfo(const SetupChoice& choice);

// A click on "Forma hry": the easiest and the hardest form set their rules.
void chooseGameForm(SetupChoice& choice, int form);
// A click on "Farby kociek": coloured pieces and random arrangement never go together.
void chooseColours(SetupChoice& choice, int colours);

SetupEnables setupEnables(const SetupChoice& choice, bool computerGameRunning);

SetupOpening setupOpening(const SetupChoice& choice);
// The game changed: another numbered game or other piece colours than at the opening.
bool setupChanged(const SetupChoice& choice, const SetupOpening& opening);

// The GOLD rules (game 192) with "Mix" colours: grey pieces, and message 8 once the board
// shows them.
bool goldWithMix(const SetupChoice& choice);

// What applying the dialog needs of the window: the texts of another language.
class SetupTarget
{
public:
    virtual ~SetupTarget() = default;
    // Loads and applies a language file; false leaves the language in use.
    virtual bool loadLanguage(int language) = 0;
};

enum class SetupResult {
    NothingApplied, // the player kept the running game
    Applied,        // same game: only the status groups follow the settings
    GameChanged     // new rules or colours: the board is rebuilt for them
};

} // namespace mirvalon
