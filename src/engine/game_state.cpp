// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_state.h"

namespace mirvalon {

void GameState::clearRows()
{
    rowKind.fill(-1);
    for (auto& r : rows)
        r.fill(0);
    for (auto& p : pegs)
        p.fill(0);
}

void GameState::clearHiddenRow(int positions)
{
    for (int i = 0; i < positions && i < kMaxPositions; ++i)
        hiddenRow[i] = 0;
}

bool GameState::isHit(int position, int piece) const
{
    return position >= 1 && position <= kMaxPositions && hiddenRow[position - 1] == piece;
}

} // namespace mirvalon
