// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_check.h"

#include <array>

#include "scoring.h"

namespace mirvalon {

namespace {

constexpr int kMostRecordPoints = 9999;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int twoDigits(std::string_view text)
{
    return (text[0] - '0') * 10 + (text[1] - '0');
}

// The faces of the pieces in play: each a colour or a label, no label twice, and a blocked
// piece only where the rules let the player block.
bool facesHold(const ArchivedGame& game, int pieces, bool blocking)
{
    for (int k = 1; k <= kMaxPieces; ++k) {
        const int32_t face = game.faces[k];
        if (face < -kColourFace || face > kColourFace)
            return false;
        if (k > pieces)
            continue;
        const int32_t shown = face < 0 ? -face : face;
        if (shown < 1 || (face < 0 && !blocking))
            return false;
        if (shown == kColourFace)
            continue;
        for (int j = 1; j < k; ++j)
            if (game.faces[j] == shown || game.faces[j] == -shown)
                return false;
    }
    return true;
}

// Places 1..positions hold pieces of the game, the places beyond stay empty.
bool guessHolds(const Row& row, int positions, int pieces)
{
    for (int i = 0; i < kMaxPositions; ++i) {
        const int32_t piece = row[i];
        if (i < positions ? piece < 1 || piece > pieces : piece != 0)
            return false;
    }
    return true;
}

bool piecesHold(const ArchivedGame& game, int rows, const GameSettings& rules)
{
    const int positions = rules.positions;
    for (int i = 0; i < positions; ++i) {
        const int32_t piece = game.hiddenRow[i];
        if (piece < 1 || piece > rules.pieceCount)
            return false;
        if (rules.eachPieceOnce)
            for (int j = 0; j < i; ++j)
                if (game.hiddenRow[j] == piece)
                    return false;
    }
    for (int r = 0; r < kRows; ++r) {
        if (r < rows ? !guessHolds(game.rows[r], positions, rules.pieceCount)
                     : game.rows[r] != Row{})
            return false;
    }
    return true;
}

} // namespace

std::optional<int> clockSeconds(std::string_view text)
{
    if (text.size() != kTimeChars || text[2] != ':' || text[5] != ':')
        return std::nullopt;
    if (!isDigit(text[1]) || !(isDigit(text[0]) || text[0] == ' '))
        return std::nullopt;
    for (int i : {3, 4, 6, 7})
        if (!isDigit(text[i]))
            return std::nullopt;
    const int hours = (text[0] == ' ' ? 0 : (text[0] - '0') * 10) + (text[1] - '0');
    const int minutes = twoDigits(text.substr(3, 2));
    const int seconds = twoDigits(text.substr(6, 2));
    if (minutes >= 60 || seconds >= 60)
        return std::nullopt;
    return (hours * 60 + minutes) * 60 + seconds;
}

int mostPointsFor(int rows, int seconds)
{
    int points = kStartScore;
    for (int r = 1; r <= rows; ++r)
        points -= penaltyFor(Penalty::Confirm, r);
    return points - seconds / 2;
}

RecordFault checkRecordGame(const RecordEntry& entry, const ArchivedGame& game)
{
    const int number = entry.number;
    const int rows = entry.rows;
    const int points = entry.points;
    if (number < 1 || number > kGameCount || rows < 1 || rows > kRows || points < 1 ||
        points > kMostRecordPoints)
        return RecordFault::Bounds;

    // The delivered table and the rules disagree on the level of a few games; records written
    // by the game carry the rules' level, the delivered ones the table's.
    static const RecordsTable reference = referenceRecords();
    const std::string key = referenceKey(number);
    GameSettings rules;
    applyVariantKey(rules, key);
    if (entry.key.substr(0, kKeyChars) != key ||
        (entry.level != reference[number - 1].level && entry.level != computeVariant(rules).level))
        return RecordFault::Variant;

    const std::optional<int> seconds = clockSeconds(entry.time);
    if (!seconds)
        return RecordFault::Time;
    if (points > mostPointsFor(rows, *seconds))
        return RecordFault::Points;

    // A record always beats the one before it.
    if (game.environment < -1 || game.environment > 3 || game.previousRecord < 0 ||
        game.previousRecord > kMostRecordPoints || game.previousRecord >= points)
        return RecordFault::Look;
    if (!facesHold(game, rules.pieceCount, rules.blocking))
        return RecordFault::Faces;
    if (!piecesHold(game, rows, rules))
        return RecordFault::Pieces;

    const int positions = rules.positions;
    std::array<int, kRows> hits{};
    for (int r = 0; r < kRows; ++r) {
        if (r >= rows) {
            if (game.pegs[r] != Row{})
                return RecordFault::Pegs;
            continue;
        }
        const RowScore score = scoreRow(game.hiddenRow, game.rows[r], positions);
        if (game.pegs[r] != pegsFor(score))
            return RecordFault::Pegs;
        hits[r] = score.hits;
    }
    // The game ends at its first solved row, and only a solved game holds a record.
    for (int r = 0; r < rows; ++r)
        if ((hits[r] == positions) != (r + 1 == rows))
            return RecordFault::NotWon;
    return RecordFault::None;
}

} // namespace mirvalon
