// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a record is believable: its archived game, replayed by the rules, must produce it.
// Records come from files that other accounts may have written, so nothing is taken on trust.
#pragma once

#include <optional>
#include <string_view>

#include "archived_game.h"
#include "records_table.h"

namespace mirvalon {

// What is wrong with a record and its game; None when the game produces the record.
enum class RecordFault { None, Bounds, Variant, Time, Points, Pieces, Faces, Look, Pegs, NotWon };

// Seconds of a record's time text: " 0:03:01", or "10:00:00" past ten hours. Nothing for any
// other text, eight blanks included.
std::optional<int> clockSeconds(std::string_view text);

// The most points a game won on row `rows` can keep after `seconds` on its clock: every
// confirmed row costs its penalty, and the clock takes at least one point per two seconds
// however late its ticks came. A won game never gains points.
int mostPointsFor(int rows, int seconds);

// The first thing wrong with the record and its game, checked in this order: bounds, variant,
// time, points, look, faces, pieces, pegs, and last whether the game was won on its last row.
RecordFault checkRecordGame(const RecordEntry& entry, const ArchivedGame& game);

inline bool recordHoldsUp(const RecordEntry& entry, const ArchivedGame& game)
{
    return checkRecordGame(entry, game) == RecordFault::None;
}

} // namespace mirvalon
